#include "ports/fenster.h"

#include <cstdint>

#include "platform/load.h"
#include "platform/save.h"
#include "text/reader.h"
#include "text/writer.h"

namespace zorq {

namespace {

bool readCheck(txt::Reader& in, int& value) {
  std::int16_t state = 0;
  if (!in.number(state)) return false;
  if (state < 0 || state > 2) {
    in.fail(txt::quoted(std::to_string(state)) + " ist kein Schalterwert (0, 1 oder 2)");
    return false;
  }
  value = state;
  return true;
}

int written(int value) { return value != 0 ? 1 : 0; }

}  // namespace

txt::Status parseWinds(const std::string& bytes, ModuleWindows& w) {
  txt::Reader in(bytes);
  std::int16_t reserved = 0;
  if (!readCheck(in, w.cruncher) || !readCheck(in, w.sorter) || !in.number(reserved)) return in.status();
  if (in.atEnd()) return in.status();
  if (readCheck(in, w.netReceive)) readCheck(in, w.netSend);
  return in.status();
}

std::string windsBytes(const ModuleWindows& w) {
  txt::Writer out;
  out.number(written(w.cruncher)).number(written(w.sorter)).number(0);
  out.number(written(w.netReceive)).number(written(w.netSend));
  return out.bytes();
}

txt::Status ModuleWindowsEditor::load(plat::FileSystem& fs, const Installation& where) {
  values = {};
  backup_ = false;
  const std::string path = where.settingsFile(kWindsFile);
  txt::Status status = plat::loadSettingsFile(
      fs, path, &loaded, [&](const std::string& bytes) { return parseWinds(bytes, values); });
  if (status.ok()) return status;
  backup_ = true;
  return txt::Status::Fail(std::string("Fehler beim Laden von <") + kWindsFile + ">");
}

txt::Status ModuleWindowsEditor::save(plat::FileSystem& fs, const Installation& where) {
  if (txt::Status s =
          plat::saveFile(fs, where.settingsFile(kWindsFile), windsBytes(values), {backup_, &loaded});
      !s)
    return txt::Status::Fail(plat::saveErrorMessage(kWindsFile, s));
  backup_ = false;
  return txt::Status::Ok();
}

}  // namespace zorq
