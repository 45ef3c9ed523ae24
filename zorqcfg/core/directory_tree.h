// The drive list and directory tree shared by the directory and file
// pickers: a drop-down list of drives and a list box that shows the open
// directory's path from the root down, followed by its subdirectories.
// A double click on a row opens that directory; so do the Right key (the
// selected row) and the Left key (the parent of the open directory).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/picker_lists.h"

namespace zorq {

class DirectoryTree {
 public:
  // Fills both controls and opens start (or the current directory when
  // start cannot be opened).
  void attach(HWND drives, HWND tree, const std::string& start);
  // Called after the open directory changed.
  void onChange(std::function<void()> changed) { changed_ = std::move(changed); }
  // Called for Enter in the tree, instead of the dialog's default button.
  void onEnter(std::function<void()> entered) { entered_ = std::move(entered); }
  // Called instead of opening a row whose name the settings files cannot
  // hold, with the message that says so.
  void onRefused(std::function<void(const std::string&)> refused) { refused_ = std::move(refused); }

  // The directory open in the tree, as the platform names it ("C:\" for a
  // root, "C:\BOX" below it).
  const std::string& openDirectory() const { return open_; }
  bool open(const std::string& directory);
  // The drive list's selection changed: open that drive's current
  // directory. A drive that is not ready leaves everything as it was.
  void driveChosen();
  // Opens the directory of the tree's selected row; false when it is the
  // open one already. A row whose name cannot be stored is refused through
  // onRefused instead (and counts as handled).
  bool openSelected();
  // Opens the parent of the open directory; false at a root.
  bool openParent();
  // A notification from one of the two controls: a drive chosen, or a row
  // of the tree double-clicked. True when it was one.
  bool handle(HWND control, int code);

 private:
  void fillDrives();
  void showDrive();
  static LRESULT CALLBACK Keys(HWND tree, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self);

  HWND drives_ = nullptr, tree_ = nullptr;
  std::string open_;
  std::vector<std::string> rowPaths_;
  std::function<void()> changed_, entered_;
  std::function<void(const std::string&)> refused_;
};

// The ordinary files of a directory that match a mask, sorted.
std::vector<std::string> filesIn(const std::string& directory, const std::string& mask);

}  // namespace zorq
