// befehle.txt and befgrup.txt (two files split at a NUL).
#include "commands/befehle.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto [levels, groups] = fuzz::twoFiles(fuzz::bytesOf(data, size));
  fuzz::roundTrip<zorq::CommandLevels>(levels, zorq::readLevels, zorq::levelBytes);
  fuzz::roundTrip<zorq::CommandGroups>(groups, zorq::readGroups, zorq::groupBytes);
  return 0;
}
