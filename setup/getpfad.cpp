#include "getpfad.h"

#include <algorithm>
#include <utility>

#include "getpfad_ids.h"
#include "platform/win32/wide.h"
#include "setupmod.h"
#include "setupview.h"
#include "text/cp1252.h"

namespace setup {

namespace {

std::vector<std::string> subFolders(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW(plat::wide(WithBackslash(folder) + "*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;  // a drive without medium shows no folders
  do {
    std::wstring name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..")
      names.push_back(plat::narrow(name));
  } while (FindNextFileW(h, &found));
  FindClose(h);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
  return names;
}

}  // namespace

getpfad::getpfad(std::string start, HWND main) : Dialog(IDD_GETPFAD), start_(std::move(start)), main_(main) {}

bool getpfad::OnInit() {
  CentreOn(hwnd(), main_);
  fillDrives();
  showFolder(start_);
  SetItemText(IDE_GETPFAD_TEXT1, CutBackslash(start_));
  return true;
}

void getpfad::fillDrives() {
  HWND drives = Item(IDC_GETPFAD_DRIVE1);
  wchar_t buffer[512] = {};
  GetLogicalDriveStringsW(511, buffer);
  for (const wchar_t* d = buffer; *d != 0; d += lstrlenW(d) + 1) {
    std::wstring name(d, 2);  // "c:"
    CharLowerW(name.data());
    SendMessageW(drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
}

void getpfad::showFolder(const std::string& folder) {
  current_ = WithBackslash(folder);
  HWND list = Item(IDL_GETPFAD_DIR1);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  entries_.clear();
  // The levels from the drive down to the folder, each indented one more.
  std::string indent;
  int selected = 0;
  for (std::size_t at = current_.find('\\'); at != std::string::npos; at = current_.find('\\', at + 1)) {
    std::string level = current_.substr(0, at + 1);
    std::string name = level.substr(0, level.size() - 1);
    name = name.substr(name.find_last_of('\\') + 1);
    if (entries_.empty()) name += "\\";
    selected = static_cast<int>(entries_.size());
    entries_.push_back(level);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(plat::wide(indent + name).c_str()));
    indent += "  ";
  }
  for (const std::string& sub : subFolders(current_)) {
    entries_.push_back(current_ + sub + "\\");
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(plat::wide(indent + sub).c_str()));
  }
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  std::wstring drive = plat::wide(current_.substr(0, 2));
  CharLowerW(drive.data());
  SendMessageW(Item(IDC_GETPFAD_DRIVE1), CB_SELECTSTRING, static_cast<WPARAM>(-1),
               reinterpret_cast<LPARAM>(drive.c_str()));
}

// The drive's current folder, as the system keeps one per drive; a drive
// that cannot be read (no medium) leaves everything as it was.
void getpfad::DriveChanged() {
  HWND drives = Item(IDC_GETPFAD_DRIVE1);
  LRESULT index = SendMessageW(drives, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return;
  wchar_t name[8] = {};
  SendMessageW(drives, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(name));
  if (txt::lower1252(plat::narrow(name)) == txt::lower1252(current_.substr(0, 2))) return;
  wchar_t full[MAX_PATH * 2] = {};
  DWORD n = GetFullPathNameW((std::wstring(name) + L".").c_str(), MAX_PATH * 2, full, nullptr);
  DWORD attributes = n > 0 && n < MAX_PATH * 2 ? GetFileAttributesW(full) : INVALID_FILE_ATTRIBUTES;
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    showFolder(current_);
    return;
  }
  showFolder(plat::narrow(full));
  // A copy: CutBackslash of a non-const string would cut current_ itself.
  SetItemText(IDE_GETPFAD_TEXT1, CutBackslash(std::as_const(current_)));
}

// Opens the folder of the selected row; false when it is the open one.
bool getpfad::DirChanged() {
  LRESULT index = SendMessageW(Item(IDL_GETPFAD_DIR1), LB_GETCURSEL, 0, 0);
  if (index == LB_ERR || static_cast<std::size_t>(index) >= entries_.size()) return false;
  const std::string folder = entries_[static_cast<std::size_t>(index)];
  if (folder == current_) return false;
  showFolder(folder);
  SetItemText(IDE_GETPFAD_TEXT1, CutBackslash(std::as_const(current_)));
  return true;
}

// Enter on a folder of the list opens it, as a double click does;
// otherwise, and on the button, it is "Ok".
void getpfad::OnOK() {
  if (GetFocus() == Item(IDL_GETPFAD_DIR1) && DirChanged()) return;
  picked_ = CutBackslash(ItemText(IDE_GETPFAD_TEXT1));
  End(IDOK);
}

bool getpfad::OnCommand(int id, int code, HWND) {
  switch (id) {
    case IDC_GETPFAD_DRIVE1:
      if (code == CBN_SELCHANGE) DriveChanged();
      return true;
    case IDL_GETPFAD_DIR1:
      if (code == LBN_DBLCLK) DirChanged();
      return true;
    case IDOK:
    case IDB_GETPFAD_OK:  // Command1
      OnOK();
      return true;
    case IDB_GETPFAD_ABBRUCH:  // Command2
    case IDCANCEL:
      SetItemText(IDE_GETPFAD_TEXT1, "");
      picked_.clear();
      End(IDCANCEL);
      return true;
    default: return false;
  }
}

}  // namespace setup
