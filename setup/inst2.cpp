#include "inst2.h"

#include "setupmod.h"
#include "text/reader.h"

namespace setup {

txt::Status parseInst2(const std::string& bytes, Inst2& out) {
  txt::Reader in(bytes);
  Inst2 read;
  std::size_t line = in.lineNumber();
  if (in.more()) in.number(read.fileTotal);
  if (!in.failed()) line = in.lineNumber();
  if (in.more()) in.number(read.updateFlag);
  // Both version lines must be there: a header cut short may have lost the
  // update flag as well, and a full installation in place of an update
  // would write zorq.ini anew.
  for (std::string* version : {&read.newVersion, &read.oldVersion}) {
    if (in.failed()) break;
    line = in.lineNumber();
    if (!in.more()) {
      out = read;
      return txt::Status::Fail("Zeile " + std::to_string(line) + " fehlt");
    }
    in.line(*version);
  }
  // Items read before a failure stay; the failing one keeps its default.
  out = read;
  // Only the two numbers can fail: the sysop is told their line.
  if (in.failed()) return txt::Status::Fail("Zeile " + std::to_string(line));
  return {};
}

txt::Status loadInst2(plat::FileSystem& fs, const std::string& path, Inst2& out) {
  out = Inst2{};
  if (!setup::FileExists(fs, path)) return {};
  std::string bytes;
  if (!fs.readAll(path, bytes)) return txt::Status::Fail("nicht lesbar");
  return parseInst2(bytes, out);
}

std::string welcomeText(const Inst2& inst2) {
  std::string text;
  if (!inst2.update()) {
    text = "Willkommen zur Installation von Valmorin PC" + inst2.newVersion + kLineEnd;
  } else {
    text = "Willkommen zum Update von Valmorin Version " + inst2.oldVersion + " auf Version " +
           inst2.newVersion + "!" + kLineEnd + kLineEnd + "Sollten Sie momentan eine \xe4ltere Version als " +
           inst2.oldVersion + " benutzen, sollten Sie erst die vorigen Updates installieren";
  }
  return text + kLineEnd + kLineEnd;
}

}  // namespace setup
