#include "core/frmfile.h"

#include "core/frmfile_ids.h"
#include "core/picker_lists.h"
#include "platform/win32/wide.h"
#include "ui/win32/lists.h"

namespace zorq {

frmfile::frmfile(std::string startDirectory, std::string dateimaske, ui::Services& ui)
    : Dialog(IDD_FRMFILE), start_(std::move(startDirectory)), dateimaske_(std::move(dateimaske)), ui_(ui) {}

bool frmfile::OnInit() {
  auswahl_.clear();
  SetCaption(filePickerTitle(dateimaske_));
  tree_.onChange([this] { showFiles(); });
  tree_.onEnter([this] { tree_.openSelected(); });
  tree_.onRefused([this](const std::string& problem) { ui_.notice(problem); });
  tree_.attach(Item(IDC_FRMFILE_DRIVES), Item(IDL_FRMFILE_TREE), start_);
  SetFocus(Item(IDL_FRMFILE_FILES));
  return false;
}

// The list shows files_ in its own order (it does not sort), so that a row's
// index is the index of its file.
void frmfile::showFiles() {
  HWND list = Item(IDL_FRMFILE_FILES);
  files_ = filesIn(tree_.openDirectory(), fileListMask(dateimaske_));
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  ui::fillList(list, files_);
  SendMessageW(list, LB_SETCURSEL, 0, 0);
}

void frmfile::chooseFile() {
  int index = ui::selectedIndex(Item(IDL_FRMFILE_FILES));
  if (index < 0 || static_cast<std::size_t>(index) >= files_.size()) return;
  const std::string answer = fileAnswer(tree_.openDirectory(), files_[static_cast<std::size_t>(index)]);
  // A name that cannot be stored is refused; the picker stays open.
  if (auto problem = unstorableName(answer.substr(answer.find_last_of('\\') + 1))) {
    ui_.notice(*problem);
    return;
  }
  auswahl_ = answer;
  End(IDOK);
}

bool frmfile::OnCommand(int id, int code, HWND control) {
  if (tree_.handle(control, code)) return true;
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

// Enter chooses the selected file, as a double click would; in the tree it
// opens the selected directory, since a directory is no answer here.
void frmfile::OnOK() { chooseFile(); }

}  // namespace zorq
