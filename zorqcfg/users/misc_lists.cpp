#include "users/misc_lists.h"

#include "platform/load.h"
#include "platform/save.h"
#include "text/cp1252.h"
#include "text/reader.h"
#include "text/writer.h"
#include "users/collation.h"

namespace zorq {

namespace {

// Reads a list file; false when it is there but cannot be read whole.
bool readList(plat::FileSystem& fs, const std::string& path, std::vector<std::string>& names,
              plat::LoadRecord& record) {
  names.clear();
  return plat::loadSettingsFile(fs, path, &record,
                                [&](const std::string& bytes) {
                                  txt::Status status;
                                  names = readNameList(bytes, &status);
                                  return status;
                                })
      .ok();
}

void removeAt(std::vector<std::string>& names, int index) {
  if (index >= 0 && static_cast<std::size_t>(index) < names.size()) names.erase(names.begin() + index);
}

txt::Status saveList(plat::FileSystem& fs, const Installation& where, const char* name,
                     const std::vector<std::string>& names, bool& backup, plat::LoadRecord& record) {
  if (txt::Status s = plat::saveFile(fs, where.settingsFile(name), nameListBytes(names), {backup, &record});
      !s)
    return txt::Status::Fail(plat::saveErrorMessage(name, s));
  backup = false;
  return txt::Status::Ok();
}

}  // namespace

std::vector<std::string> readNameList(const std::string& bytes, txt::Status* status) {
  std::vector<std::string> names;
  txt::Reader in(bytes);
  std::string line;
  while (in.more() && in.line(line)) names.push_back(line);
  if (status != nullptr) *status = in.status();
  return names;
}

std::string nameListBytes(const std::vector<std::string>& names) {
  txt::Writer out;
  for (const std::string& name : names) out.line(name);
  return out.bytes();
}

void MiscLists::load(plat::FileSystem& fs, const Installation& where, const MainSettings& settings) {
  std::vector<std::string> read;
  backupCosysops_ = !readList(fs, where.settingsFile(kCosysopFile), read, loaded);
  cosysops.clear();
  for (std::string& name : read) insertSorted(cosysops, std::move(name));
  backupForbidden_ = !readList(fs, where.settingsFile(kForbiddenFile), forbidden, loaded);
  importComment = settings.importComment;
}

bool MiscLists::addCosysop(const std::string& answer) {
  if (answer.empty() || holdsExactly(cosysops, answer)) return false;
  insertSorted(cosysops, answer);
  return true;
}

bool MiscLists::addForbidden(const std::string& typed) {
  const std::string name = txt::upper1252(typed);
  if (name.empty() || holdsExactly(forbidden, name)) return false;
  forbidden.push_back(name);
  return true;
}

void MiscLists::removeCosysop(int index) { removeAt(cosysops, index); }
void MiscLists::removeForbidden(int index) { removeAt(forbidden, index); }

txt::Status MiscLists::save(plat::FileSystem& fs, const Installation& where, MainSettings& settings) {
  if (txt::Status s = saveList(fs, where, kCosysopFile, cosysops, backupCosysops_, loaded); !s.ok()) return s;
  if (txt::Status s = saveList(fs, where, kForbiddenFile, forbidden, backupForbidden_, loaded); !s.ok())
    return s;
  settings.importComment = importComment;
  return txt::Status::Ok();
}

}  // namespace zorq
