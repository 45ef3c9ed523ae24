// The two user lists cosysop.txt and userver.txt (two files split at a NUL),
// through the model's own load and save.
#include "core/main_settings.h"
#include "memory_fs.h"
#include "users/misc_lists.h"

namespace {
const std::string kBox = "C:\\BOX\\", kDaten = kBox + "daten\\";
const zorq::Installation kWhere{"C:\\WINDOWS\\", kBox, 0};
zorq::MainSettings settings;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto [cosysops, forbidden] = fuzz::twoFiles(fuzz::bytesOf(data, size));
  fuzz::modelRoundTrip<zorq::MiscLists>(
      {kDaten + "cosysop.txt", kDaten + "userver.txt"}, {cosysops, forbidden},
      [](zorq::MiscLists& m, plat::FileSystem& fs) {
        m.load(fs, kWhere, settings);
        return txt::Status::Ok();
      },
      [](zorq::MiscLists& m, plat::FileSystem& fs) { return m.save(fs, kWhere, settings); });
  return 0;
}
