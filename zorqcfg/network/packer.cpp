#include "network/packer.h"

#include "platform/load.h"
#include "platform/save.h"
#include "text/numbers.h"
#include "text/reader.h"
#include "text/writer.h"

namespace zorq {

namespace {

std::string trim(std::string_view value) { return std::string(txt::trimBlanks(value)); }

txt::Status saveError(const char* file, const txt::Status& why) {
  return txt::Status::Fail(plat::saveErrorMessage(file, why));
}

}  // namespace

std::string cutTo(std::string_view value, std::size_t width) { return std::string(value.substr(0, width)); }

Packer stored(const Packer& typed) {
  return {cutTo(typed.name, kNameWidth),     cutTo(typed.pack, kPackWidth), cutTo(typed.unpack, kUnpackWidth),
          cutTo(typed.suffix, kSuffixWidth), cutTo(typed.id, kIdWidth),     cutTo(typed.list, kListWidth)};
}

Packer trimmed(const Packer& r) {
  return {trim(r.name), trim(r.pack), trim(r.unpack), trim(r.suffix), trim(r.id), trim(r.list)};
}

std::string packerBytes(const std::array<Packer, kPackers>& records) {
  txt::Writer out;
  for (const Packer& record : records) {
    const Packer r = trimmed(record);
    out.line(r.name).line(r.pack).line(r.unpack).line(r.suffix).line(r.id);
  }
  return out.bytes();
}

std::string packerListBytes(const std::array<Packer, kPackers>& records) {
  txt::Writer out;
  for (const Packer& r : records) out.line(trim(r.list));
  return out.bytes();
}

txt::Status readPackers(const std::string& bytes, std::array<Packer, kPackers>& records,
                        std::vector<std::string>& listNames) {
  txt::Reader in(bytes);
  for (Packer& r : records) {
    std::string line;
    if (!in.line(line)) break;
    r.name = cutTo(line, kNameWidth);
    listNames.push_back(trim(r.name));
    for (auto [value, width] : {std::pair{&r.pack, kPackWidth},
                                {&r.unpack, kUnpackWidth},
                                {&r.suffix, kSuffixWidth},
                                {&r.id, kIdWidth}})
      if (in.line(line)) *value = cutTo(line, width);
  }
  return in.status();
}

txt::Status readPackerLists(const std::string& bytes, std::array<Packer, kPackers>& records) {
  txt::Reader in(bytes);
  for (Packer& r : records) {
    std::string line;
    if (!in.line(line)) break;
    r.list = cutTo(line, kListWidth);
  }
  return in.status();
}

txt::Status PackerEditor::load(plat::FileSystem& fs, const Installation& where) {
  records = {};
  current = 0;
  listNames.clear();
  backupPackers_ = backupLists_ = false;

  bool there = false;
  txt::Status packers = plat::loadSettingsFile(
      fs, where.settingsFile(kPackerFile), &loaded,
      [&](const std::string& bytes) { return readPackers(bytes, records, listNames); }, &there);
  if (!there) {
    listNames.assign(kPackers, std::string());
    return txt::Status::Ok();
  }
  backupPackers_ = !packers.ok();

  txt::Status lists =
      plat::loadSettingsFile(fs, where.settingsFile(kPackerListFile), &loaded,
                             [&](const std::string& bytes) { return readPackerLists(bytes, records); });
  backupLists_ = !lists.ok();
  return backupPackers_ || backupLists_ ? txt::Status::Fail(kPackerLoadError) : txt::Status::Ok();
}

txt::Status PackerEditor::save(plat::FileSystem& fs, const Installation& where) {
  if (txt::Status s = plat::saveFile(fs, where.settingsFile(kPackerFile), packerBytes(records),
                                     {backupPackers_, &loaded});
      !s)
    return saveError(kPackerFile, s);
  // Saved once, the damaged file is in the backup; a second try after a
  // failure below must not put the new file there.
  backupPackers_ = false;
  if (txt::Status s = plat::saveFile(fs, where.settingsFile(kPackerListFile), packerListBytes(records),
                                     {backupLists_, &loaded});
      !s)
    return saveError(kPackerListFile, s);
  backupLists_ = false;
  return txt::Status::Ok();
}

void PackerEditor::getdata(const Packer& fields) {
  records[static_cast<std::size_t>(current)] = stored(fields);
}

Packer PackerEditor::setdata() const { return trimmed(records[static_cast<std::size_t>(current)]); }

void PackerEditor::select(int row) {
  if (row >= 0 && row < kPackers) current = row;
}

void PackerEditor::next() {
  if (current < kPackers - 1) ++current;
}

void PackerEditor::previous() {
  if (current > 0) --current;
}

}  // namespace zorq
