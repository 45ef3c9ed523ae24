// start.dat to start9.dat.
#include "ports/startparameter.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::roundTrip<zorq::PortStartTable>(fuzz::bytesOf(data, size), zorq::parseStartFile,
                                        zorq::startFileBytes);
  return 0;
}
