#include "win32/demo_install.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>

#include "win32/exe_driver.h"

namespace testing_support {

namespace fs = std::filesystem;

namespace {

std::string windowsDirectory() {
  char buffer[MAX_PATH] = {};
  GetWindowsDirectoryA(buffer, MAX_PATH);
  return std::string(buffer) + "\\";
}

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

std::string sourcePath(const std::string& relative) {
  return windowsPath(std::string(VALMORIN_SOURCE_DIR) + "/" + relative);
}

std::string zorqcfgExe() { return windowsPath(VALMORIN_ZORQCFG_EXE); }

DemoInstallation::DemoInstallation(bool withIni, int netNumber, bool blankInPath) {
  std::random_device random;
  const std::string name = blankInPath ? "Valmorin Box " : "valmorin-box-";
  root_ = (fs::temp_directory_path() / (name + std::to_string(random()))).string();
  dir_ = root_ + "\\";
  fs::create_directories(root_);
  fs::copy(sourcePath("examples\\demo"), root_, fs::copy_options::recursive);
  if (fs::exists(iniPath())) savedIni_ = slurp(iniPath());
  fs::remove(iniPath());
  if (withIni) std::ofstream(iniPath(), std::ios::binary) << dir_ << "\r\n " << netNumber << " \r\n";
}

DemoInstallation::~DemoInstallation() {
  std::error_code ec;
  fs::remove(iniPath(), ec);
  if (savedIni_) std::ofstream(iniPath(), std::ios::binary) << *savedIni_;
  fs::remove_all(root_, ec);
}

std::string DemoInstallation::iniPath() const { return windowsDirectory() + "zorq.ini"; }

std::string DemoInstallation::read(const std::string& name) const { return slurp(dir_ + name); }

void DemoInstallation::write(const std::string& name, const std::string& bytes) const {
  std::ofstream(dir_ + name, std::ios::binary) << bytes;
}

bool DemoInstallation::exists(const std::string& name) const { return fs::exists(dir_ + name); }

std::string DemoInstallation::snapshot() const {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(root_))
    if (e.is_regular_file()) files[e.path().string()] = slurp(e.path());
  std::string all;
  for (const auto& [name, bytes] : files) all += name + "\n" + bytes + "\n";
  return all;
}

}  // namespace testing_support
