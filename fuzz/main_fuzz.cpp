// main.txt and the server's lock in env.dat (two files split at a NUL).
#include "core/main_settings.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto [main, env] = fuzz::twoFiles(fuzz::bytesOf(data, size));
  fuzz::roundTrip<zorq::MainSettings>(main, zorq::parseMainSettings, zorq::mainSettingsBytes);
  zorq::ServerLock lock = zorq::serverLockOf(env);
  fuzz::expect(lock == zorq::ServerLock::Off || lock == zorq::ServerLock::Active ||
                   lock == zorq::ServerLock::Unreadable,
               "lock state");
  return 0;
}
