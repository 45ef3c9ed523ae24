// extern.dat.
#include "services/external.h"
#include "round_trip.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::roundTrip<std::vector<zorq::ExternalProgram>>(fuzz::bytesOf(data, size), zorq::readPrograms,
                                                      zorq::programBytes);
  return 0;
}
