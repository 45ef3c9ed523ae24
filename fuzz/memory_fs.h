// A file system in memory for the fuzz targets that go through a model's
// own load and save, and the round trip over it: load what the input holds,
// save, load what was saved (without an error), save again, and the files
// are the same bytes.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "round_trip.h"

namespace fuzz {

class MemoryFileSystem final : public plat::FileSystem {
 public:
  std::map<std::string, std::string> files;

  plat::FileInfo info(const std::string& path) override {
    plat::FileInfo i;
    i.exists = files.count(path) > 0;
    return i;
  }
  bool anyOrdinaryFile(const std::string&) override { return false; }
  txt::Status readAll(const std::string& path, std::string& bytes) override {
    auto it = files.find(path);
    if (it == files.end()) return txt::Status::Fail("missing " + path);
    bytes = it->second;
    return {};
  }
  txt::Status writeNew(const std::string& path, const std::string& bytes) override {
    files[path] = bytes;
    return {};
  }
  txt::Status replace(const std::string& from, const std::string& to) override {
    auto it = files.find(from);
    if (it == files.end()) return txt::Status::Fail("missing " + from);
    files[to] = it->second;
    files.erase(from);
    return {};
  }
  txt::Status copy(const std::string& from, const std::string& to) override {
    auto it = files.find(from);
    if (it == files.end()) return txt::Status::Fail("missing " + from);
    files[to] = it->second;
    return {};
  }
  txt::Status remove(const std::string& path) override {
    return files.erase(path) ? txt::Status::Ok() : txt::Status::Fail("missing " + path);
  }
  txt::Status makeDirectory(const std::string&) override { return {}; }

  std::vector<std::string> of(const std::vector<std::string>& paths) const {
    std::vector<std::string> bytes;
    for (const std::string& p : paths) {
      auto it = files.find(p);
      bytes.push_back(it == files.end() ? std::string("<missing>") : it->second);
    }
    return bytes;
  }
};

// Model: default-constructible; load(model, fs) and save(model, fs) give a
// txt::Status. paths: the files the model reads and writes, filled from
// inputs in the same order.
template <class Model, class Load, class Save>
void modelRoundTrip(const std::vector<std::string>& paths, const std::vector<std::string>& inputs, Load load,
                    Save save) {
  MemoryFileSystem fs;
  for (std::size_t i = 0; i < paths.size() && i < inputs.size(); ++i) fs.files[paths[i]] = inputs[i];
  Model first{};
  (void)load(first, fs);
  expect(save(first, fs).ok(), "the save failed");
  const std::vector<std::string> saved = fs.of(paths);
  Model back{};
  expect(load(back, fs).ok(), "what was saved does not load");
  expect(save(back, fs).ok(), "the second save failed");
  const std::vector<std::string> again = fs.of(paths);
  for (std::size_t i = 0; i < paths.size(); ++i)
    expect(sameValues(again[i], saved[i]), "what was saved loads back to other values");
}

}  // namespace fuzz
