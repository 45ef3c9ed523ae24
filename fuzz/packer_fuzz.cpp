// packer.txt and pack2.txt (two files split at a NUL), through the model's
// own load and save.
#include "memory_fs.h"
#include "network/packer.h"

namespace {
const std::string kBox = "C:\\BOX\\", kDaten = kBox + "daten\\";
const zorq::Installation kWhere{"C:\\WINDOWS\\", kBox, 0};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto [packers, lists] = fuzz::twoFiles(fuzz::bytesOf(data, size));
  fuzz::modelRoundTrip<zorq::PackerEditor>(
      {kDaten + "packer.txt", kDaten + "pack2.txt"}, {packers, lists},
      [](zorq::PackerEditor& m, plat::FileSystem& fs) { return m.load(fs, kWhere); },
      [](zorq::PackerEditor& m, plat::FileSystem& fs) { return m.save(fs, kWhere); });
  return 0;
}
