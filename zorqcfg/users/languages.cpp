#include "users/languages.h"

#include "platform/load.h"
#include "platform/save.h"
#include "platform/system.h"
#include "text/reader.h"
#include "text/writer.h"

namespace zorq {

txt::Status readLanguages(const std::string& bytes, LanguageNames& names) {
  txt::Reader in(bytes);
  for (std::string& name : names)
    if (!in.line(name)) break;
  return in.status();
}

std::optional<std::string> languageEditCommand(const Installation& where, const std::string& name) {
  if (name.empty()) return std::nullopt;
  return plat::notepadCommand(where.windowsDir, where.textFile(name + ".lng"));
}

txt::Status Languages::load(plat::FileSystem& fs, const Installation& where) {
  names = {};
  backup_ = false;
  const std::string path = where.settingsFile(kLanguageFile);
  txt::Status status = plat::loadSettingsFile(
      fs, path, &loaded, [&](const std::string& bytes) { return readLanguages(bytes, names); });
  backup_ = !status.ok();
  return backup_ ? txt::Status::Fail(kLanguageLoadError) : txt::Status::Ok();
}

std::string languageBytes(const LanguageNames& names) {
  txt::Writer out;
  for (const std::string& name : names) out.line(name);
  return out.bytes();
}

txt::Status Languages::save(plat::FileSystem& fs, const Installation& where) {
  if (txt::Status s =
          plat::saveFile(fs, where.settingsFile(kLanguageFile), languageBytes(names), {backup_, &loaded});
      !s)
    return txt::Status::Fail(plat::saveErrorMessage(kLanguageFile, s));
  backup_ = false;
  return txt::Status::Ok();
}

}  // namespace zorq
