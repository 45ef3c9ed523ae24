// modem.txt to modem8.txt.
#include "ports/modem.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::roundTrip<zorq::ModemParameters>(fuzz::bytesOf(data, size), zorq::parseModem, zorq::modemBytes);
  return 0;
}
