// A fresh folder for one test, removed afterwards. path() ends with the
// platform's separator, so file names can be appended.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace testing_support {

class TempDir {
 public:
  TempDir() {
    std::random_device random;
    root_ = std::filesystem::temp_directory_path() /
            ("valmorin-" + std::to_string(random()) + "-" + std::to_string(counter()++));
    std::filesystem::create_directories(root_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(root_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder with a trailing separator ("\" on Windows).
  std::string path() const { return root_.string() + sep(); }
  std::string file(const std::string& name) const { return path() + name; }

  void write(const std::string& name, const std::string& bytes) const {
    std::filesystem::path p = root_ / local(name);
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(root_ / local(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(root_ / local(name)); }
  std::size_t count() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(root_), {}));
  }

 private:
  static std::atomic<int>& counter() {
    static std::atomic<int> n{0};
    return n;
  }
  static std::string sep() {
    return std::string(1, static_cast<char>(std::filesystem::path::preferred_separator));
  }
  // Names in tests use "\" as the settings files do.
  static std::string local(std::string name) {
    for (char& c : name)
      if (c == '\\') c = static_cast<char>(std::filesystem::path::preferred_separator);
    return name;
  }
  std::filesystem::path root_;
};

}  // namespace testing_support
