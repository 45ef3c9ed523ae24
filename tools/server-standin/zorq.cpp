// Stand-in for the Valmorin server: holds ZORQISRUNNING while it runs and
// answers ZORQRELOAD by reading daten\main.txt again. See README.md.
#include <windows.h>

#include <string>

namespace {

constexpr UINT_PTR kWatch = 1;
std::wstring folder;  // of the program, with "\"
ATOM running = 0;
int reloads = 0;

void log(const std::string& line) {
  SYSTEMTIME t;
  GetLocalTime(&t);
  char stamp[32];
  wsprintfA(stamp, "%04d-%02d-%02d %02d:%02d:%02d ", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
            t.wSecond);
  std::string text = stamp + line + "\r\n";
  HANDLE f = CreateFileW((folder + L"zorq-standin.log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(f);
}

void reload() {
  HANDLE f =
      CreateFileW((folder + L"daten\\main.txt").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) {
    log("reload: daten\\main.txt fehlt");
    return;
  }
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(f);
  std::size_t lines = 0;
  for (char c : bytes)
    if (c == '\n') ++lines;
  ++reloads;
  log("reload: daten\\main.txt gelesen, " + std::to_string(lines) + " Zeilen, " +
      std::to_string(bytes.size()) + " Bytes");
}

void watch() {
  bool seen = false;
  // The editor may have added the atom more than once: take it away entirely.
  for (int i = 0; i < 1000; ++i) {
    ATOM reload = GlobalFindAtomW(L"ZORQRELOAD");
    if (reload == 0) break;
    GlobalDeleteAtom(reload);
    seen = true;
  }
  if (seen) reload();
}

LRESULT CALLBACK proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER: watch(); return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(w, &ps);
      RECT r;
      GetClientRect(w, &r);
      std::wstring text =
          L"Platzhalter f\x00fcr den Valmorin-Server\nL\x00e4uft (ZORQISRUNNING).\nNeu geladen: " +
          std::to_wstring(reloads);
      SetBkMode(dc, TRANSPARENT);
      DrawTextW(dc, text.c_str(), -1, &r, DT_CENTER | DT_WORDBREAK);
      EndPaint(w, &ps);
      return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(w, msg, wp, lp);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  folder = exe;
  folder = folder.substr(0, folder.find_last_of(L'\\') + 1);

  running = GlobalAddAtomW(L"ZORQISRUNNING");
  log("start");

  WNDCLASSW wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"ValmorinServerStandIn";
  RegisterClassW(&wc);
  HWND w = CreateWindowW(wc.lpszClassName, L"Valmorin-Server (Platzhalter)", WS_OVERLAPPEDWINDOW,
                         CW_USEDEFAULT, CW_USEDEFAULT, 320, 120, nullptr, nullptr, instance, nullptr);
  ShowWindow(w, show);
  SetTimer(w, kWatch, 200, nullptr);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  GlobalDeleteAtom(running);
  log("ende");
  return 0;
}
