// chat.dat.
#include "services/chat.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::roundTrip<zorq::ChatSettings>(fuzz::bytesOf(data, size), zorq::readChat, zorq::chatBytes);
  return 0;
}
