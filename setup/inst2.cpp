#include "inst2.h"

#include "setupmod.h"
#include "text/reader.h"

namespace setup {

txt::Status parseInst2(const std::string& bytes, Inst2& out) {
  txt::Reader in(bytes);
  Inst2 read;
  if (in.more()) in.number(read.fileTotal);
  if (in.more()) in.number(read.updateFlag);
  if (in.more()) in.line(read.newVersion);
  if (in.more()) in.line(read.oldVersion);
  // Items read before a failure stay; the failing one keeps its default.
  out = read;
  return in.status();
}

txt::Status loadInst2(plat::FileSystem& fs, const std::string& path, Inst2& out) {
  out = Inst2{};
  if (!setup::FileExists(fs, path)) return {};
  std::string bytes;
  if (txt::Status s = fs.readAll(path, bytes); !s) return s;
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
