// netzpar.dat, through the model's own load and save.
#include "network/netzpar.h"
#include "memory_fs.h"

namespace {
const std::string kBox = "C:\\BOX\\", kDaten = kBox + "daten\\";
const zorq::Installation kWhere{"C:\\WINDOWS\\", kBox, 0};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::modelRoundTrip<zorq::NetParameters>(
      {kDaten + "netzpar.dat"}, {fuzz::bytesOf(data, size)},
      [](zorq::NetParameters& m, plat::FileSystem& fs) { return m.load(fs, kWhere); },
      [](zorq::NetParameters& m, plat::FileSystem& fs) { return m.save(fs, kWhere); });
  return 0;
}
