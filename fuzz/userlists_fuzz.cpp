// user.dat and gruppen.dat as the pickers read them (two files split at a
// NUL); the server writes both.
#include "core/picker_lists.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto [users, groups] = fuzz::twoFiles(fuzz::bytesOf(data, size));
  zorq::PickerList u = zorq::parseUsers(users);
  for (const std::string& name : u.entries)
    fuzz::expect(name.find('\n') == std::string::npos, "a user name with a line end");
  zorq::parseGroups(groups);  // the picker lists every group
  zorq::PickerList g = zorq::parseGroups(groups, zorq::kMaxGroups);
  fuzz::expect(g.entries.size() <= zorq::kMaxGroups, "more groups than the limit");
  return 0;
}
