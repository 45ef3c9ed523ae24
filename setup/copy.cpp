#include "copy.h"

#include "copy_ids.h"
#include "setupview.h"

namespace setup {

copy::copy() : Dialog(IDD_COPY) {}

bool copy::OnInit() {
  CentreOn(hwnd(), GetWindow(hwnd(), GW_OWNER));
  SetFocus(Item(IDB_COPY_ABBRUCH));  // no caret in the read-only fields
  return false;
}

bool copy::OnCommand(int id, int, HWND) {
  // "Abbruch" does nothing: the copy phase cannot be interrupted.
  return id == IDB_COPY_ABBRUCH || id == IDCANCEL;
}

void copy::showFile(const std::string& source, const std::string& destination) {
  SetItemText(IDE_COPY_TEXT1, source);
  SetItemText(IDE_COPY_TEXT2, destination);
  Repaint();
}

void copy::showProgress(double fraction) {
  fraction_ = fraction;
  InvalidateRect(Item(IDC_COPY_PICTURE1), nullptr, FALSE);
  Repaint();
}

void copy::Repaint() {
  // No message loop runs while the files are copied: paint now.
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

INT_PTR copy::OnMessage(UINT msg, WPARAM, LPARAM lp, bool& handled) {
  if (msg != WM_DRAWITEM) return 0;
  auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
  HGDIOBJ font = SelectObject(item->hDC, reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
  ShowProgress(item->hDC, item->rcItem, fraction_);
  SelectObject(item->hDC, font);
  handled = true;
  return TRUE;
}

}  // namespace setup
