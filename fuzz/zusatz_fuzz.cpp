// zusatz.dat in the installation folder, through the model's own load and save.
#include "schedule/zusatz.h"
#include "memory_fs.h"

namespace {
const std::string kBox = "C:\\BOX\\", kDaten = kBox + "daten\\";
const zorq::Installation kWhere{"C:\\WINDOWS\\", kBox, 0};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::modelRoundTrip<zorq::ToolsEditor>(
      {kBox + "zusatz.dat"}, {fuzz::bytesOf(data, size)},
      [](zorq::ToolsEditor& m, plat::FileSystem& fs) { return m.open(fs, kWhere); },
      [](zorq::ToolsEditor& m, plat::FileSystem& fs) { return m.save(fs, kWhere); });
  return 0;
}
