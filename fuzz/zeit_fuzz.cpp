// The schedule file zeit.txt, through the model's own load and save.
#include "memory_fs.h"
#include "schedule/zeit.h"

namespace {
const std::string kBox = "C:\\BOX\\", kDaten = kBox + "daten\\";
const zorq::Installation kWhere{"C:\\WINDOWS\\", kBox, 0};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::modelRoundTrip<zorq::ScheduleEditor>(
      {kDaten + "zeit.txt"}, {fuzz::bytesOf(data, size)},
      [](zorq::ScheduleEditor& m, plat::FileSystem& fs) { return m.open(fs, kWhere, 0); },
      [](zorq::ScheduleEditor& m, plat::FileSystem& fs) { return m.save(fs, kWhere); });
  return 0;
}
