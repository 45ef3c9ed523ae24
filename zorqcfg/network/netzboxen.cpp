#include "network/netzboxen.h"

#include <cstdint>

#include "platform/load.h"
#include "text/numbers.h"
#include "text/reader.h"

namespace zorq {

namespace {

// A type line holds a 16-bit number and nothing else but blanks; an empty
// line is 0. Anything else means the records are out of step.
bool typeOf(std::string_view line, std::int16_t& type) {
  if (txt::trimBlanks(line).empty()) {
    type = 0;
    return true;
  }
  auto value = txt::parseNumber(line);
  if (!value) return false;
  double whole = txt::roundHalfEven(*value);
  if (whole < INT16_MIN || whole > INT16_MAX) return false;
  type = static_cast<std::int16_t>(whole);
  return true;
}

}  // namespace

NetBoxes parseNetBoxes(const std::string& bytes) {
  NetBoxes boxes;
  txt::Reader in(bytes);
  std::string line;
  if (in.more()) in.line(line);  // not ours; an empty file holds no boxes
  while (in.more()) {
    if (boxes.names.size() == kMaxNetBoxes) {
      in.failAtNextLine("mehr als " + std::to_string(kMaxNetBoxes) + " Netzboxen");
      break;
    }
    if (!in.line(line)) break;
    boxes.names.push_back(line);
    boxes.types.push_back(0);
    for (int n = 2; n <= kNetBoxRecordLines && in.line(line); ++n) {
      if (n != kNetBoxTypeLine) continue;
      if (!typeOf(line, boxes.types.back())) {
        in.fail(txt::quoted(line) + " ist kein Netzboxtyp (eine Zahl von -32768 bis 32767)");
        break;
      }
    }
    if (in.failed()) break;
  }
  boxes.status = in.status();
  return boxes;
}

NetBoxes loadNetBoxes(plat::FileSystem& fs, const Installation& where) {
  const std::string path = where.settingsFile(kNetBoxFile);
  NetBoxes boxes;
  txt::Status status = plat::loadSettingsFile(fs, path, nullptr, [&](const std::string& bytes) {
    boxes = parseNetBoxes(bytes);
    return boxes.status;
  });
  if (!status.ok()) boxes.status = txt::Status::Fail(kNetBoxLoadError);
  return boxes;
}

}  // namespace zorq
