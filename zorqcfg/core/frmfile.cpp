#include "core/frmfile.h"

#include "core/frmfile_ids.h"
#include "core/picker_lists.h"
#include "platform/win32/wide.h"

namespace zorq {

frmfile::frmfile(std::string startDirectory, std::string dateimaske)
    : Dialog(IDD_FRMFILE), start_(std::move(startDirectory)), dateimaske_(std::move(dateimaske)) {}

bool frmfile::OnInit() {
  auswahl_.clear();
  SetCaption(filePickerTitle(dateimaske_));
  tree_.onChange([this] { showFiles(); });
  tree_.attach(Item(IDC_FRMFILE_DRIVES), Item(IDL_FRMFILE_TREE), start_);
  SetFocus(Item(IDL_FRMFILE_FILES));
  return false;
}

void frmfile::showFiles() {
  HWND list = Item(IDL_FRMFILE_FILES);
  files_ = filesIn(tree_.openDirectory(), fileListMask(dateimaske_));
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& name : files_)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(plat::wide(name).c_str()));
  SendMessageW(list, LB_SETCURSEL, 0, 0);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void frmfile::chooseFile() {
  HWND list = Item(IDL_FRMFILE_FILES);
  LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (index == LB_ERR) return;
  LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(name.data()));
  name.resize(static_cast<std::size_t>(length));
  auswahl_ = fileAnswer(tree_.openDirectory(), plat::narrow(name));
  End(IDOK);
}

bool frmfile::OnCommand(int id, int code, HWND control) {
  if (id == IDC_FRMFILE_DRIVES && code == CBN_SELCHANGE) {
    tree_.driveChosen();
    return true;
  }
  if (id == IDL_FRMFILE_TREE && code == LBN_DBLCLK) {
    tree_.openSelected();
    return true;
  }
  if (id == IDL_FRMFILE_FILES && code == LBN_DBLCLK) {
    chooseFile();
    return true;
  }
  if (id == IDB_FRMFILE_ABBRUCH) {
    End(IDCANCEL);
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

// Enter opens the selected directory while the tree has the focus, and
// otherwise chooses the selected file, as a double click would.
void frmfile::OnOK() {
  if (GetFocus() == Item(IDL_FRMFILE_TREE))
    tree_.openSelected();
  else
    chooseFile();
}

}  // namespace zorq
