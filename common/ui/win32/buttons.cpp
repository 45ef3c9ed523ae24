#include "ui/win32/buttons.h"

namespace ui {

bool pressFocusedButton(HWND dialog) {
  HWND focused = GetFocus();
  if (focused == nullptr || GetParent(focused) != dialog || !IsWindowEnabled(focused)) return false;
  wchar_t cls[16] = {};
  GetClassNameW(focused, cls, 16);
  if (_wcsicmp(cls, L"Button") != 0) return false;
  const LONG type = GetWindowLongW(focused, GWL_STYLE) & BS_TYPEMASK;
  if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON) return false;
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focused), BN_CLICKED),
               reinterpret_cast<LPARAM>(focused));
  return true;
}

}  // namespace ui
