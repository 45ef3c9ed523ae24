#include "services/chat.h"

#include "platform/load.h"
#include "platform/save.h"
#include "text/reader.h"
#include "text/writer.h"

namespace zorq {

namespace {
constexpr const char* kChatFile = "chat.dat";
}  // namespace

txt::Status readChat(const std::string& bytes, ChatSettings& settings) {
  txt::Reader in(bytes);
  std::string switches;
  if (in.line(switches))
    for (std::size_t k = 0; k < kChatSwitches; ++k)
      settings.on[k] = k >= switches.size() || switches[k] != '0';
  for (ChatWave& wave : settings.waves)
    if (!in.line(wave.path) || !in.line(wave.comment)) break;
  return in.status();
}

std::string chatBytes(const ChatSettings& settings) {
  std::string switches;
  for (bool on : settings.on) switches += on ? '1' : '0';
  txt::Writer out;
  out.line(switches);
  for (const ChatWave& wave : settings.waves) out.line(wave.path).line(wave.comment);
  return out.bytes();
}

txt::Status ChatCall::load(plat::FileSystem& fs, const Installation& where) {
  settings = {};
  const std::string path = where.settingsFile(kChatFile);
  txt::Status status = plat::loadSettingsFile(
      fs, path, &loaded, [&](const std::string& bytes) { return readChat(bytes, settings); });
  keepBackup_ = !status.ok();
  return keepBackup_ ? txt::Status::Fail(kChatLoadError) : txt::Status::Ok();
}

txt::Status ChatCall::save(plat::FileSystem& fs, const Installation& where) {
  if (txt::Status s =
          plat::saveFile(fs, where.settingsFile(kChatFile), chatBytes(settings), {keepBackup_, &loaded});
      !s)
    return txt::Status::Fail(plat::saveErrorMessage(kChatFile, s));
  keepBackup_ = false;
  return txt::Status::Ok();
}

void ChatCall::chooseWave(std::size_t row, const std::string& answer) {
  if (row < kChatWaves && !answer.empty()) settings.waves[row].path = answer;
}

}  // namespace zorq
