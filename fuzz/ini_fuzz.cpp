// zorq.ini, as the editor reads it and as the editor and setup write it.
#include "core/installation.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zorq::IniValues values = zorq::parseIni(fuzz::bytesOf(data, size));
  fuzz::expect(values.netNumber <= zorq::kMaxNetNumber, "network number out of range");
  if (values.installDir.find_first_of("\r\n") != std::string::npos) return 0;  // no line could hold it
  const std::string saved = zorq::iniBytes(values);
  zorq::IniValues back = zorq::parseIni(saved);
  fuzz::expect(back.installDir == values.installDir && back.netNumber == values.netNumber,
               "zorq.ini loads back to other values");
  return 0;
}
