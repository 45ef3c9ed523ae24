#include "users/box_file_dialog.h"

#include <string>
#include <vector>

#include "ui/win32/lists.h"

namespace zorq {

namespace {

// The list box draws its entries this many pixels right of its client edge.
constexpr int kEntryIndent = 2;

POINT clientOrigin(HWND control, HWND dialog) {
  POINT p{0, 0};
  ClientToScreen(control, &p);
  ScreenToClient(dialog, &p);
  return p;
}

}  // namespace

BoxFileDialog::BoxFileDialog(int templateId, const BoxFileControls& ids, Context& ctx,
                             std::span<const BoxFile> rows, std::size_t column)
    : Dialog(templateId), ids_(ids), ctx_(ctx), rows_(rows), column_(column) {}

BoxFileDialog::~BoxFileDialog() {
  if (IsOpen()) DestroyWindow(hwnd());
  if (fixedsys_ != nullptr) DeleteObject(fixedsys_);
}

bool BoxFileDialog::OnInit() {
  fixedsys_ = CreateFontW(0, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"Fixedsys");
  HWND list = Item(ids_.list);
  SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(fixedsys_), FALSE);
  std::vector<std::string> texts;
  for (const BoxFile& row : rows_) texts.push_back(rowText(row, column_));
  ui::fillList(list, texts);
  alignHeads();
  return true;
}

// The column heads stand over the columns of the padded rows.
void BoxFileDialog::alignHeads() {
  HWND list = Item(ids_.list);
  HDC dc = GetDC(list);
  HGDIOBJ old = SelectObject(dc, fixedsys_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(list, dc);

  const POINT origin = clientOrigin(list, hwnd());
  const int columns[] = {0, static_cast<int>(column_) * metrics.tmAveCharWidth};
  const int heads[] = {ids_.nameHead, ids_.whenHead};
  for (int i = 0; i < 2; ++i) {
    HWND head = Item(heads[i]);
    RECT r;
    GetWindowRect(head, &r);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(head, nullptr, origin.x + kEntryIndent + columns[i], r.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// A double click opens the row's file; one that cannot be created is told.
void BoxFileDialog::list1DblClick() {
  const int row = ui::selectedIndex(Item(ids_.list));
  if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return;
  txt::Status opened =
      openBoxFile(ctx_.fs, ctx_.system, ctx_.where, rows_[static_cast<std::size_t>(row)].file);
  if (!opened.ok()) ctx_.ui.notice(opened.error);
}

bool BoxFileDialog::OnCommand(int id, int code, HWND control) {
  if (id == ids_.list && code == LBN_DBLCLK) {
    list1DblClick();
    return true;
  }
  if (id == ids_.ok && code == BN_CLICKED) {
    End(IDOK);
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

// Enter on the list opens the selected row, as a double click does;
// anywhere else it is "OK".
void BoxFileDialog::OnOK() {
  if (GetFocus() == Item(ids_.list) && ui::selectedIndex(Item(ids_.list)) >= 0) {
    list1DblClick();
    return;
  }
  End(IDOK);
}

}  // namespace zorq
