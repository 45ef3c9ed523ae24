// sprachen.txt, through the languages model's own load and save.
#include "memory_fs.h"
#include "users/languages.h"

namespace {
const std::string kBox = "C:\\BOX\\", kDaten = kBox + "daten\\";
const zorq::Installation kWhere{"C:\\WINDOWS\\", kBox, 0};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::modelRoundTrip<zorq::Languages>(
      {kDaten + "sprachen.txt"}, {fuzz::bytesOf(data, size)},
      [](zorq::Languages& m, plat::FileSystem& fs) { return m.load(fs, kWhere); },
      [](zorq::Languages& m, plat::FileSystem& fs) { return m.save(fs, kWhere); });
  return 0;
}
