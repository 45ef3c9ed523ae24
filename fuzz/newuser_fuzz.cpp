// gruppen.dat and newuser.dat (two files split at a NUL), through the
// new-user model's own load and save.
#include "memory_fs.h"
#include "users/newuser.h"

namespace {
const std::string kBox = "C:\\BOX\\", kDaten = kBox + "daten\\";
const zorq::Installation kWhere{"C:\\WINDOWS\\", kBox, 0};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto [groups, newUser] = fuzz::twoFiles(fuzz::bytesOf(data, size));
  // The save writes newuser.dat alone; gruppen.dat is the server's and may
  // stay broken, so the second load reads newuser.dat beside no group list.
  fuzz::MemoryFileSystem fs;
  fs.files[kDaten + "gruppen.dat"] = groups;
  fs.files[kDaten + "newuser.dat"] = newUser;
  zorq::NewUserDefaults first;
  (void)first.load(fs, kWhere);
  fuzz::expect(first.save(fs, kWhere).ok(), "the save failed");
  const std::string saved = fs.files[kDaten + "newuser.dat"];
  fs.files.erase(kDaten + "gruppen.dat");
  zorq::NewUserDefaults back;
  fuzz::expect(back.load(fs, kWhere).ok(), "what was saved does not load");
  fuzz::expect(back.save(fs, kWhere).ok(), "the second save failed");
  fuzz::expect(fuzz::sameValues(fs.files[kDaten + "newuser.dat"], saved),
               "what was saved loads back to other values");
  return 0;
}
