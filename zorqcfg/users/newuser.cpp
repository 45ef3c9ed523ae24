#include "users/newuser.h"

#include "core/picker_lists.h"
#include "platform/load.h"
#include "platform/save.h"
#include "text/numbers.h"
#include "text/reader.h"
#include "text/writer.h"
#include "users/collation.h"

namespace zorq {

namespace {

bool move(std::vector<std::string>& from, std::vector<std::string>& to, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= from.size()) return false;
  auto at = from.begin() + index;
  insertSorted(to, std::move(*at));
  from.erase(at);
  return true;
}

}  // namespace

txt::Status readNewUser(const std::string& bytes, std::array<std::string, kNewUserValues>& values,
                        std::vector<std::string>& groups) {
  txt::Reader in(bytes);
  for (std::string& value : values)
    if (!in.line(value)) return in.status();
  std::string group;
  while (in.more() && in.line(group)) insertSorted(groups, group);
  return in.status();
}

txt::Status NewUserDefaults::load(plat::FileSystem& fs, const Installation& where) {
  values = {};
  forNewUsers.clear();
  remaining.clear();

  // The group list is the server's: read, never written here.
  PickerList groups;
  groups.status =
      plat::loadSettingsFile(fs, where.settingsFile(kGroupFile), nullptr, [&](const std::string& bytes) {
        groups = parseGroups(bytes, kMaxGroups);
        return groups.status;
      });

  txt::Status own = plat::loadSettingsFile(
      fs, where.settingsFile(kNewUserFile), &loaded,
      [&](const std::string& bytes) { return readNewUser(bytes, values, forNewUsers); });
  backup_ = !own.ok();

  if (own.ok())
    for (const std::string& group : groups.entries)
      if (!holdsExactly(forNewUsers, group)) insertSorted(remaining, group);

  return groups.status.ok() && own.ok() ? txt::Status::Ok() : txt::Status::Fail(kNewUserLoadError);
}

std::string NewUserDefaults::bytes() const {
  txt::Writer out;
  for (const std::string& value : values) out.line(txt::ZeroIfEmpty(value));
  for (const std::string& group : forNewUsers) out.line(group);
  return out.bytes();
}

txt::Status NewUserDefaults::save(plat::FileSystem& fs, const Installation& where) {
  if (txt::Status s = plat::saveFile(fs, where.settingsFile(kNewUserFile), bytes(), {backup_, &loaded}); !s)
    return txt::Status::Fail(plat::saveErrorMessage(kNewUserFile, s));
  backup_ = false;
  return txt::Status::Ok();
}

bool NewUserDefaults::toRemaining(int index) { return move(forNewUsers, remaining, index); }
bool NewUserDefaults::toNewUsers(int index) { return move(remaining, forNewUsers, index); }

}  // namespace zorq
