// A second floor of the start-up benchmark: the editor's main window as its
// template stands, with no settings read and no field filled.
#include <windows.h>
#include <commctrl.h>

#include "core/haupt_ids.h"

namespace {
INT_PTR CALLBACK proc(HWND, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_CLOSE) {
    PostQuitMessage(0);
    return TRUE;
  }
  return msg == WM_INITDIALOG ? TRUE : FALSE;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  HWND w = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_HAUPT), nullptr, proc, 0);
  if (w == nullptr) return 1;
  ShowWindow(w, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(w, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
