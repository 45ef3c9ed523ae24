#include "ports/startparameter.h"

#include "platform/load.h"
#include "platform/save.h"
#include "text/reader.h"
#include "text/writer.h"

namespace zorq {

StartRow rowShown(std::int16_t startMode, std::int32_t alwaysShow) {
  return {startMode != kNotStarted, startMode == kStartedWithWindow, alwaysShow != 0};
}

std::int16_t startModeOf(const StartRow& row) {
  if (!row.port) return kNotStarted;
  return row.window ? kStartedWithWindow : kStarted;
}

PortStartTable startTableOf(const MainSettings& settings) {
  return {settings.portStart, settings.alwaysShow};
}

void putStartTable(MainSettings& settings, const PortStartTable& table) {
  settings.portStart = table.startMode;
  settings.alwaysShow = table.alwaysShow;
}

txt::Status parseStartFile(const std::string& bytes, PortStartTable& table) {
  txt::Reader in(bytes);
  for (std::int32_t& always : table.alwaysShow)
    if (!in.number(always)) return in.status();
  for (std::int16_t& mode : table.startMode)
    if (!in.number(mode)) return in.status();
  return in.status();
}

std::string startFileBytes(const PortStartTable& table) {
  txt::Writer out;
  for (std::int32_t always : table.alwaysShow) out.number(always);
  for (std::int16_t mode : table.startMode) out.number(mode);
  return out.bytes();
}

txt::Status StartParameters::load(plat::FileSystem& fs, const Installation& where,
                                  const PortStartTable& shared) {
  name_ = numberedName(kStartFile, where.netNumber);
  path_ = where.settingsFile(name_);
  table = shared;
  backup_ = false;
  txt::Status status = plat::loadSettingsFile(
      fs, path_, &loaded, [&](const std::string& bytes) { return parseStartFile(bytes, table); });
  if (status.ok()) return status;
  backup_ = true;
  return txt::Status::Fail("Fehler beim Laden von <" + name_ + ">");
}

txt::Status StartParameters::save(plat::FileSystem& fs) {
  if (txt::Status s = plat::saveFile(fs, path_, startFileBytes(table), {backup_, &loaded}); !s)
    return txt::Status::Fail(plat::saveErrorMessage(name_, s));
  backup_ = false;
  return txt::Status::Ok();
}

}  // namespace zorq
