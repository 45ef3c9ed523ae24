// winds.txt.
#include "ports/fenster.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::roundTrip<zorq::ModuleWindows>(fuzz::bytesOf(data, size), zorq::parseWinds, zorq::windsBytes);
  return 0;
}
