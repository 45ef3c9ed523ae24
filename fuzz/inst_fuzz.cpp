// A distribution's inst.dat and inst2.dat (two files split at a NUL). Setup
// only reads them; what it reads, written out again in their format, reads
// back the same.
#include "inst2.h"
#include "install.h"
#include "round_trip.h"
#include "text/writer.h"

namespace {

txt::Status loadInst2(const std::string& bytes, setup::Inst2& out) { return setup::parseInst2(bytes, out); }
std::string inst2Bytes(const setup::Inst2& in) {
  return std::to_string(in.fileTotal) + "," + std::to_string(in.updateFlag) + "\r\n" + in.newVersion +
         "\r\n" + in.oldVersion + "\r\n";
}

std::string instBytes(const std::vector<setup::InstRecord>& records) {
  txt::Writer out;
  for (const setup::InstRecord& r : records) out.number(r.flag).line(r.source).line(r.target);
  return out.bytes();
}

bool oneLine(const std::string& s) { return s.find_first_of("\r\n") == std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto [inst, inst2] = fuzz::twoFiles(fuzz::bytesOf(data, size));
  std::vector<setup::InstRecord> records;
  setup::parseInstDat(inst, records);
  bool lines = true;
  for (const setup::InstRecord& r : records) lines = lines && oneLine(r.source) && oneLine(r.target);
  // Blank lines at the end are no record: a last record with a blank
  // target cannot be written so that it reads back.
  if (!records.empty() && records.back().target.find_first_not_of(' ') == std::string::npos) lines = false;
  if (lines)
    fuzz::roundTrip<std::vector<setup::InstRecord>>(instBytes(records), setup::parseInstDat, instBytes);

  setup::Inst2 header;
  setup::parseInst2(inst2, header);
  if (oneLine(header.newVersion) && oneLine(header.oldVersion))
    fuzz::roundTrip<setup::Inst2>(inst2Bytes(header), loadInst2, inst2Bytes);
  return 0;
}
