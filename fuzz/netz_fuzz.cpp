// netz.dat, written by the server and only read here.
#include "network/netzboxen.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zorq::NetBoxes boxes = zorq::parseNetBoxes(fuzz::bytesOf(data, size));
  fuzz::expect(boxes.names.size() <= zorq::kMaxNetBoxes, "more boxes than the server keeps");
  fuzz::expect(boxes.types.size() == boxes.names.size(), "a box without its type");
  return 0;
}
