// A private copy of the demo installation for one end-to-end test, with a
// zorq.ini in the Windows directory that points at it. The previous
// zorq.ini comes back afterwards. Tests using it are SERIAL.
#pragma once

#include <optional>
#include <string>

namespace testing_support {

class DemoInstallation {
 public:
  // Without an ini when withIni is false (zorq.ini is then removed). With
  // blankInPath the installation folder's name holds a blank.
  explicit DemoInstallation(bool withIni = true, int netNumber = 0, bool blankInPath = false);
  ~DemoInstallation();
  DemoInstallation(const DemoInstallation&) = delete;
  DemoInstallation& operator=(const DemoInstallation&) = delete;

  // The installation directory, ending with "\".
  const std::string& dir() const { return dir_; }
  std::string iniPath() const;
  // Files relative to the installation directory ("daten\\main.txt").
  std::string read(const std::string& name) const;
  void write(const std::string& name, const std::string& bytes) const;
  bool exists(const std::string& name) const;
  // Every file of the installation with its bytes, to compare before and after.
  std::string snapshot() const;

 private:
  std::string root_, dir_;
  std::optional<std::string> savedIni_;
};

// The programs and sources of this build, as Windows paths.
std::string zorqcfgExe();
std::string sourcePath(const std::string& relative);

}  // namespace testing_support
