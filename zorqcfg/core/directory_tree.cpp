#include "core/directory_tree.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/wide.h"
#include "ui/win32/lists.h"
#include "text/cp1252.h"
#include "ui/win32/subclass.h"

namespace zorq {

namespace {

bool isDirectory(const std::string& path) {
  DWORD attributes = GetFileAttributesW(plat::wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Directory names compare as the user reads them: without regard to case.
bool byName(const std::string& a, const std::string& b) { return txt::lower1252(a) < txt::lower1252(b); }

std::vector<std::string> entriesOf(const std::string& directory, const std::string& mask,
                                   bool wantDirectories) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(plat::wide(withBackslash(directory) + mask).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const bool directoryEntry = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const bool hidden = (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
    std::string name = plat::narrow(found.cFileName);
    if (directoryEntry != wantDirectories || name == "." || name == "..") continue;
    if (hidden && !wantDirectories) continue;
    if (!wantDirectories && !matchesMask(name, mask)) continue;
    names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end(), byName);
  return names;
}

std::string fullPath(const std::string& path) {
  wchar_t buffer[MAX_PATH * 2];
  DWORD n = GetFullPathNameW(plat::wide(path).c_str(), MAX_PATH * 2, buffer, nullptr);
  if (n == 0 || n >= MAX_PATH * 2) return path;
  std::string full = plat::narrow(std::wstring(buffer, n));
  // Below a root the tree names directories without a trailing "\".
  if (full.size() > 3 && full.back() == '\\') full.pop_back();
  return full;
}

void addRow(HWND tree, const std::string& text) {
  SendMessageW(tree, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(plat::wide(text).c_str()));
}

}  // namespace

std::vector<std::string> filesIn(const std::string& directory, const std::string& mask) {
  return entriesOf(directory, mask, false);
}

void DirectoryTree::attach(HWND drives, HWND tree, const std::string& start) {
  drives_ = drives;
  tree_ = tree;
  ui::Subclass(tree_, Keys, 1, reinterpret_cast<DWORD_PTR>(this));
  fillDrives();
  if (!open(start)) open(fullPath("."));
}

void DirectoryTree::fillDrives() {
  SendMessageW(drives_, CB_RESETCONTENT, 0, 0);
  wchar_t buffer[512] = {};
  DWORD n = GetLogicalDriveStringsW(511, buffer);
  for (const wchar_t* d = buffer; d < buffer + n && *d != L'\0'; d += wcslen(d) + 1) {
    std::string drive = txt::lower1252(plat::narrow(d).substr(0, 2));  // "c:"
    SendMessageW(drives_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(plat::wide(drive).c_str()));
  }
}

void DirectoryTree::showDrive() {
  std::string drive = txt::lower1252(open_.substr(0, 2));
  LRESULT index = SendMessageW(drives_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(plat::wide(drive).c_str()));
  SendMessageW(drives_, CB_SETCURSEL, index == CB_ERR ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(index),
               0);
}

bool DirectoryTree::open(const std::string& directory) {
  if (directory.empty() || !isDirectory(directory)) return false;
  open_ = fullPath(directory);
  std::vector<DirectoryRow> rows = openDirectoryRows(open_);
  std::vector<std::string> subdirectories = entriesOf(open_, "*", true);

  SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(tree_, LB_RESETCONTENT, 0, 0);
  rowPaths_.clear();
  for (const DirectoryRow& row : rows) {
    addRow(tree_, std::string(static_cast<std::size_t>(row.depth) * 3, ' ') + row.label);
    rowPaths_.push_back(row.path);
  }
  const std::size_t openRow = rowPaths_.size() - 1;
  const std::string indent(static_cast<std::size_t>(rows.back().depth + 1) * 3, ' ');
  for (const std::string& name : subdirectories) {
    addRow(tree_, indent + name);
    rowPaths_.push_back(subdirectoryPath(open_, name));
  }
  SendMessageW(tree_, LB_SETCURSEL, openRow, 0);
  SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(tree_, nullptr, TRUE);
  showDrive();
  if (changed_) changed_();
  return true;
}

void DirectoryTree::driveChosen() {
  LRESULT index = SendMessageW(drives_, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return;
  LRESULT length = SendMessageW(drives_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(drives_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  const std::string drive = plat::narrow(text);
  if (txt::lower1252(drive) == txt::lower1252(open_.substr(0, 2))) return;
  // The drive's current directory; a drive that is not ready stays unchosen.
  if (!open(fullPath(drive + "."))) showDrive();
}

bool DirectoryTree::handle(HWND control, int code) {
  if (control == drives_ && code == CBN_SELCHANGE) {
    driveChosen();
    return true;
  }
  if (control == tree_ && code == LBN_DBLCLK) {
    openSelected();
    return true;
  }
  return false;
}

bool DirectoryTree::openParent() {
  for (std::size_t row = 1; row < rowPaths_.size(); ++row)
    if (rowPaths_[row] == open_) return open(rowPaths_[row - 1]);
  return false;
}

LRESULT CALLBACK DirectoryTree::Keys(HWND tree, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
  auto* directories = reinterpret_cast<DirectoryTree*>(self);
  const auto* key = reinterpret_cast<const MSG*>(lp);
  if (msg == WM_GETDLGCODE && directories->entered_ && key != nullptr && key->message == WM_KEYDOWN &&
      key->wParam == VK_RETURN)
    return ui::CallNextHook(tree, msg, wp, lp) | DLGC_WANTMESSAGE;
  if (msg == WM_KEYDOWN && wp == VK_RETURN && directories->entered_) {
    directories->entered_();
    return 0;
  }
  if (msg == WM_KEYDOWN && (wp == VK_RIGHT || wp == VK_LEFT)) {
    if (wp == VK_RIGHT)
      directories->openSelected();
    else
      directories->openParent();
    return 0;
  }
  return ui::CallNextHook(tree, msg, wp, lp);
}

bool DirectoryTree::openSelected() {
  int index = ui::selectedIndex(tree_);
  if (index < 0 || static_cast<std::size_t>(index) >= rowPaths_.size()) return false;
  const std::string& path = rowPaths_[static_cast<std::size_t>(index)];
  if (path == open_) return false;
  if (auto problem = unstorableName(path.substr(path.find_last_of('\\', path.size() - 2) + 1))) {
    if (refused_) refused_(*problem);
    return true;
  }
  return open(path);
}

}  // namespace zorq
