#include "network/netzpar.h"

#include "core/picker_lists.h"
#include "platform/load.h"
#include "platform/save.h"
#include "text/numbers.h"
#include "text/reader.h"
#include "text/writer.h"

namespace zorq {

namespace {

constexpr char kFlagSet[] = "1";

std::string flag(bool set) { return set ? "1" : "0"; }

// The boards path as stored: a text that starts with "(" stands for the
// server's own path and is stored empty.
std::string storedPath(const std::string& shown) { return !shown.empty() && shown[0] == '(' ? "" : shown; }

// A flag line: set only by exactly "1"; anything else leaves the flag as
// it was.
bool readFlag(txt::Reader& in, bool& flagValue) {
  std::string line;
  if (!in.line(line)) return false;
  if (line == kFlagSet) flagValue = true;
  return true;
}

}  // namespace

std::string netParameterBytes(const NetParameters& p) {
  using txt::ZeroIfEmpty;
  txt::Writer out;
  out.line(p.boxName).line(storedPath(p.boardsPath));
  out.line(p.summerZone).line(p.summerStart).line(p.winterZone).line(p.winterStart);
  out.line(ZeroIfEmpty(p.maxLetterKb)).line(ZeroIfEmpty(p.netLevel));
  for (int i = 0; i < kDomains; ++i) out.line(p.domain[i]).line(flag(p.domainServer[i]));
  for (const std::string* number :
       {&p.dialAttempts, &p.dialPause, &p.bufferCopies, &p.packTimeout, &p.msgIdHold, &p.maxAge})
    out.line(ZeroIfEmpty(*number));
  out.line(flag(p.noDupeSort)).line(ZeroIfEmpty(p.releaseText)).line(p.group);
  return out.bytes();
}

namespace {

// What the fields show after a good load: an empty boards path as
// "(Standard)", the bar's value with a leading blank (" 7").
void showLoaded(NetParameters& p) {
  if (p.boardsPath.empty()) p.boardsPath = kStandardPath;
  p.releaseText = " " + std::to_string(p.releaseTime);
}

}  // namespace

txt::Status readNetParameters(const std::string& bytes, NetParameters& p) {
  txt::Reader in(bytes);
  in.line(p.boxName);
  in.line(p.boardsPath);
  in.line(p.summerZone);
  in.line(p.summerStart);
  in.line(p.winterZone);
  in.line(p.winterStart);
  in.line(p.maxLetterKb);
  in.line(p.netLevel);
  for (int i = 0; i < kDomains; ++i) {
    in.line(p.domain[i]);
    readFlag(in, p.domainServer[i]);
  }
  for (std::string* number :
       {&p.dialAttempts, &p.dialPause, &p.bufferCopies, &p.packTimeout, &p.msgIdHold, &p.maxAge})
    in.line(*number);
  if (in.more()) readFlag(in, p.noDupeSort);
  if (in.more()) {
    std::string line;
    in.line(line);
    // A line without a number is 0; a value the bar cannot take is an
    // error.
    long long value = txt::wholeValue(line);
    if (value < 0 || value > kMaxReleaseTime)
      in.fail(txt::quoted(line) + " ist keine Rechenzeit (0 bis " + std::to_string(kMaxReleaseTime) + ")");
    else
      p.setReleaseTime(static_cast<int>(value));
  }
  if (in.more()) in.line(p.group);
  if (in.failed()) return in.status();
  showLoaded(p);
  return txt::Status::Ok();
}

txt::Status NetParameters::load(plat::FileSystem& fs, const Installation& where) {
  const std::string path = where.settingsFile(kNetParameterFile);
  bool there = false;
  txt::Status status = plat::loadSettingsFile(
      fs, path, &loaded, [&](const std::string& bytes) { return readNetParameters(bytes, *this); }, &there);
  if (!there) showLoaded(*this);
  backup_ = !status.ok();
  if (backup_) return txt::Status::Fail(kNetParameterLoadError);
  return txt::Status::Ok();
}

txt::Status NetParameters::save(plat::FileSystem& fs, const Installation& where) {
  if (txt::Status s = plat::saveFile(fs, where.settingsFile(kNetParameterFile), netParameterBytes(*this),
                                     {backup_, &loaded});
      !s)
    return txt::Status::Fail(plat::saveErrorMessage(kNetParameterFile, s));
  backup_ = false;
  return txt::Status::Ok();
}

void NetParameters::setReleaseTime(int value) {
  releaseTime = value;
  releaseText = std::to_string(value);
}

void NetParameters::chooseBoardsPath(const std::string& answer) {
  boardsPath = answer.empty() ? std::string(kStandardPath) : answer;
}

void NetParameters::chooseGroup(const std::string& answer) {
  if (answer != kGroupCancelled) group = answer;
}

}  // namespace zorq
