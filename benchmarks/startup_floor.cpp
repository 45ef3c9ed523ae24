// The floor of the start-up benchmark: a program with the editor's manifest
// and toolchain that shows one empty window and does nothing else.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HWND w = CreateWindowExW(0, L"STATIC", L"Valmorin", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                           CW_USEDEFAULT, 600, 480, nullptr, nullptr, instance, nullptr);
  if (w == nullptr) return 1;
  MSG msg;
  while (IsWindow(w) && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_CLOSE || (msg.hwnd == w && msg.message == WM_CLOSE)) break;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
