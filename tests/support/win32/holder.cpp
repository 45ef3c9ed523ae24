// Holds the file named on its command line open without sharing until it is
// ended, as an editor or a virus scanner may hold a settings file.
#include <windows.h>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  HANDLE h = CreateFileA(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return 1;
  Sleep(INFINITE);
  return 0;
}
