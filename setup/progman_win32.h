// Program Manager through DDEML, and the Start menu through IShellLink.
#pragma once

#include <windows.h>
#include <ddeml.h>

#include "progman.h"

namespace setup {

class DdemlLink final : public DdeLink {
 public:
  DdemlLink();
  ~DdemlLink() override;
  DdemlLink(const DdemlLink&) = delete;
  DdemlLink& operator=(const DdemlLink&) = delete;

  bool connect() override;
  void pumpEvents() override;
  bool execute(const std::string& command) override;
  void disconnect() override;

 private:
  DWORD instance_ = 0;
  HSZ progman_ = nullptr;
  HCONV conversation_ = nullptr;
};

class ShellStartMenu final : public StartMenu {
 public:
  // folder: where the group folders go; empty for the user's Start-menu
  // programs folder.
  explicit ShellStartMenu(std::wstring folder = {}) : folder_(std::move(folder)) {}
  bool addShortcut(const std::string& group, const std::string& item, const std::string& program) override;

 private:
  std::wstring folder_;
};

}  // namespace setup
