// routing.txt, through the model's own load and save.
#include "network/routing.h"
#include "memory_fs.h"

namespace {
const std::string kBox = "C:\\BOX\\", kDaten = kBox + "daten\\";
const zorq::Installation kWhere{"C:\\WINDOWS\\", kBox, 0};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::modelRoundTrip<zorq::DomainRouting>(
      {kDaten + "routing.txt"}, {fuzz::bytesOf(data, size)},
      [](zorq::DomainRouting& m, plat::FileSystem& fs) { return m.load(fs, kWhere); },
      [](zorq::DomainRouting& m, plat::FileSystem& fs) { return m.save(fs, kWhere); });
  return 0;
}
