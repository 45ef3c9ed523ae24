#include "core/main_settings.h"

#include <algorithm>
#include <vector>

#include "platform/load.h"
#include "platform/save.h"
#include "text/numbers.h"
#include "text/reader.h"
#include "text/writer.h"

namespace zorq {

namespace {

// The mask of position i (from 1). Beyond position 85 it no longer fits a
// byte; such passwords are refused at input, and keeping only the low byte
// keeps krypt its own inverse for anything read from an old file.
unsigned char kryptMask(std::size_t position) { return static_cast<unsigned char>((3 * position) & 0xFF); }

// A slider line of main.txt: the whole line must be a number, and its value,
// rounded, must lie in the slider's range.
bool readSlider(txt::Reader& in, int lo, int hi, int& value) {
  std::string line;
  if (!in.line(line)) return false;
  auto number = txt::parseNumber(line);
  double rounded = number ? txt::roundHalfEven(*number) : 0.0;
  if (!number || rounded < lo || rounded > hi) {
    in.fail(txt::quoted(line) + " ist kein Schieberwert (" + std::to_string(lo) + " bis " +
            std::to_string(hi) + ")");
    return false;
  }
  value = static_cast<int>(rounded);
  return true;
}

}  // namespace

std::string krypt(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<char>(static_cast<unsigned char>(out[i]) ^ kryptMask(i + 1));
  return out;
}

namespace {

std::string tooLongMessage() {
  std::string message =
      "Das Schlo\xdf darf h\xf6"
      "chstens ";
  message += std::to_string(kMaxLockPassword);
  message += " Zeichen lang sein.";
  return message;
}

// The positions (from 0) whose character scrambles into a line end, or into
// a NUL, which no settings line may hold.
std::vector<std::size_t> lineEndsOf(std::string_view password) {
  std::vector<std::size_t> positions;
  const std::string scrambled = krypt(password);
  for (std::size_t i = 0; i < scrambled.size(); ++i)
    if (scrambled[i] == '\r' || scrambled[i] == '\n' || scrambled[i] == '\0') positions.push_back(i);
  return positions;
}

std::string lineEndMessage(std::string_view password, std::size_t i) {
  std::string message = "Das Zeichen \"";
  message += password[i];
  message += "\" kann an Stelle ";
  message += std::to_string(i + 1);
  message += " des Schlosses nicht gespeichert werden.";
  return message;
}

}  // namespace

std::optional<std::string> lockPasswordProblem(std::string_view password) {
  if (password.size() > kMaxLockPassword) return tooLongMessage();
  const auto lineEnds = lineEndsOf(password);
  if (!lineEnds.empty()) return lineEndMessage(password, lineEnds.front());
  return std::nullopt;
}

std::optional<std::string> lockPasswordEditProblem(std::string_view before, std::string_view after) {
  if (!lockPasswordProblem(after)) return std::nullopt;
  const auto lineEnds = lineEndsOf(after);
  if (lineEnds.size() > lineEndsOf(before).size()) return lineEndMessage(after, lineEnds.front());
  if (after.size() > before.size()) return tooLongMessage();
  return std::nullopt;
}

std::string sliderText(int value) {
  std::string text(1, ' ');
  text += std::to_string(value);
  return text;
}

std::uint8_t netNumberFromField(std::string_view text) {
  long long value = std::clamp<long long>(txt::wholeValue(text), 0, kMaxNetNumber);
  return static_cast<std::uint8_t>(value);
}

txt::Status parseMainSettings(const std::string& bytes, MainSettings& s) {
  txt::Reader in(bytes);
  in.line(s.boxName);
  in.line(s.sysopName);
  in.line(s.organisation);
  in.line(s.chatzwang);
  readSlider(in, kRausNachMin, kRausNachMax, s.rausNach);
  readSlider(in, kKommentarMin, kKommentarMax, s.kommentar);
  in.line(s.uploadPath);
  in.line(s.downloadPath);
  in.line(s.minHdFrei);
  if (in.atEnd()) return in.status();

  in.line(s.maxBretter);
  in.line(s.maxUser);
  in.line(s.maxNetzboxen);
  in.line(s.maxEditorzeilen);
  if (in.atEnd()) return in.status();
  in.line(s.maxBriefe);
  if (in.atEnd()) return in.status();

  for (int row = 0; row < 6; ++row) in.number(s.portStart[row]);
  if (in.atEnd()) return in.status();

  if (in.line(s.netPath) && s.netPath.empty()) s.netPath = kStandardNetPath;
  if (in.atEnd()) {
    // A file that ends right after the network path predates the switch:
    // the extractor was on.
    if (!in.failed()) s.fileIdExtractor = true;
    return in.status();
  }

  std::int16_t extractorOff = 0;
  if (in.number(extractorOff)) s.fileIdExtractor = extractorOff == 0;
  if (in.atEnd()) return in.status();

  std::int16_t pms = 0;
  if (in.number(pms)) {
    if (pms < 0 || pms > 2)
      in.fail(txt::quoted(std::to_string(pms)) + " ist kein Schalterwert (0, 1 oder 2)");
    else
      s.pmsUnsichtbar = pms;
  }
  if (in.atEnd()) return in.status();

  std::string scrambled;
  if (in.line(scrambled)) s.lockPassword = krypt(scrambled);
  if (in.atEnd()) return in.status();

  for (int row = 6; row < kPortRows; ++row) in.number(s.portStart[row]);
  if (in.atEnd()) return in.status();

  for (int row = 0; row < kPortRows; ++row) in.number(s.alwaysShow[row]);
  if (in.atEnd()) return in.status();

  in.line(s.importComment);
  return in.status();
}

std::string mainSettingsBytes(const MainSettings& s) {
  txt::Writer out;
  out.line(s.boxName).line(s.sysopName).line(s.organisation).line(s.chatzwang);
  out.number(s.rausNach).number(s.kommentar);
  out.line(s.uploadPath).line(s.downloadPath).line(txt::ZeroIfEmpty(s.minHdFrei));
  out.line(s.maxBretter).line(s.maxUser).line(s.maxNetzboxen).line(s.maxEditorzeilen).line(s.maxBriefe);
  for (int row = 0; row < 6; ++row) out.number(s.portStart[row]);
  out.line(!s.netPath.empty() && s.netPath[0] == '(' ? std::string() : s.netPath);
  out.number(s.fileIdExtractor ? 0 : 1);
  out.number(s.pmsUnsichtbar);
  out.line(krypt(s.lockPassword));
  for (int row = 6; row < kPortRows; ++row) out.number(s.portStart[row]);
  for (int row = 0; row < kPortRows; ++row) out.number(s.alwaysShow[row]);
  out.line(s.importComment);
  return out.bytes();
}

ServerLock serverLockOf(const std::string& envBytes, txt::Status* why) {
  txt::Reader in(envBytes);
  std::string ignored;
  for (int line = 1; line <= 7; ++line) in.line(ignored);
  if (why != nullptr) *why = in.status();
  if (in.failed()) return ServerLock::Unreadable;
  if (in.atEnd()) return ServerLock::Off;
  std::string eighth;
  in.line(eighth);
  return eighth == "0" ? ServerLock::Off : ServerLock::Active;
}

StartState loadAtStart(plat::FileSystem& fs, const Installation& where, MainSettings& settings,
                       ui::Services& ui) {
  StartState state;
  state.loaded.note(where.iniPath(), fs.info(where.iniPath()));
  const std::string env = where.settingsFile(kEnvFile);
  std::string bytes;
  bool there = false;
  txt::Status envRead = plat::readSettingsFile(fs, env, bytes, there);
  if (there) {
    ServerLock lock = envRead.ok() ? serverLockOf(bytes) : ServerLock::Unreadable;
    if (lock == ServerLock::Active) {
      ui.notice(kLockActive);
      state.endProgram = true;
      return state;
    }
    if (lock == ServerLock::Unreadable) {
      ui.loadError(kMainLoadError);
      state.loadFailed = true;
      const plat::FileInfo main = fs.info(where.settingsFile(kMainFile));
      state.mainUnread = main.unknown || main.ordinary();
      state.loaded.note(where.settingsFile(kMainFile), main);
      return state;
    }
  }

  const std::string main = where.settingsFile(kMainFile);
  txt::Status status = plat::readSettingsFile(fs, main, bytes, there, &state.loaded);
  if (!there) return state;
  state.mainUnread = !status.ok();
  if (status.ok()) status = txt::guarded([&] { return parseMainSettings(bytes, settings); });
  if (!status.ok()) {
    ui.loadError(kMainLoadError);
    state.loadFailed = true;
  }
  return state;
}

bool saveAndSignal(plat::FileSystem& fs, plat::System& system, const Installation& where,
                   const MainSettings& settings, StartState& start, ui::Services& ui) {
  const bool writeMain = !start.mainUnread || ui.confirm(kOverwriteUnread);
  std::string failures;
  if (txt::Status s = writeIni(fs, where, &start.loaded); !s)
    failures = plat::saveErrorMessage(where.iniPath(), s);
  const std::string main = where.settingsFile(kMainFile);
  if (writeMain) {
    txt::Status s = txt::guarded([&] {
      return plat::saveFile(fs, main, mainSettingsBytes(settings), {start.loadFailed, &start.loaded});
    });
    if (s.ok()) {
      // The damaged file is in the backup now; a second "Ende" must not put
      // the new one there.
      start.loadFailed = false;
      start.mainUnread = false;
    } else {
      if (!failures.empty()) failures += "\r\n\r\n";
      failures += plat::saveErrorMessage(main, s);
    }
  }
  if (!failures.empty()) {
    ui.notice(failures);
    return false;
  }
  signalReload(system);
  return true;
}

}  // namespace zorq
