#include "platform/save.h"

#include <atomic>
#include <utility>
#include <vector>

#include "platform/load.h"

namespace plat {

namespace {

std::atomic<unsigned> temporaryCounter{0};

// A stale file of an ended process may hold a name this process now makes;
// the next number is tried then.
constexpr int kTemporaryAttempts = 100;

txt::Status refuseUnlessOrdinary(const FileInfo& target) {
  if (target.unknown)
    return txt::Status::Fail(
        "Es l\xe4sst sich nicht feststellen, ob die Datei vorhanden ist (kein Zugriff).");
  if (target.directory) return txt::Status::Fail("Dort steht ein Ordner gleichen Namens.");
  if (target.hidden || target.system)
    return txt::Status::Fail(
        "Die vorhandene Datei ist versteckt oder eine Systemdatei. Sie wird nicht ersetzt, denn ihr "
        "Inhalt wurde nie geladen.");
  if (target.exists && target.readOnly) return txt::Status::Fail("Die Datei ist schreibgesch\xfctzt.");
  return {};
}

// Renames that can be taken back, newest last: a rotation of the backups
// whose replace fails is undone, so that a failed save leaves every
// generation where it was.
class Moves {
 public:
  explicit Moves(FileSystem& fs) : fs_(fs) {}
  bool move(const std::string& from, const std::string& to) {
    if (!fs_.replace(from, to)) return false;
    done_.emplace_back(from, to);
    return true;
  }
  void undo() {
    for (auto it = done_.rbegin(); it != done_.rend(); ++it) fs_.replace(it->second, it->first);
    done_.clear();
  }

 private:
  FileSystem& fs_;
  std::vector<std::pair<std::string, std::string>> done_;
};

// Puts temporary in the place of path and keeps the replaced file as
// <name>.bak, moving each older backup back by one; the fifth falls away
// only once the new file is in place.
txt::Status replaceKeepingBackup(FileSystem& fs, const std::string& path, const std::string& temporary) {
  std::string copy, dropped;
  if (txt::Status s = createTemporary(fs, path, copy); !s) return s;
  auto cleanUp = [&] {
    if (!copy.empty()) fs.remove(copy);
    if (!dropped.empty()) fs.remove(dropped);
  };
  if (!fs.copy(path, copy)) {
    cleanUp();
    return txt::Status::Fail("Die Sicherungskopie l\xe4sst sich nicht anlegen.");
  }
  Moves moves(fs);
  bool moved = true;
  const std::string oldest = backupName(path, kBackupGenerations);
  if (fs.info(oldest).exists) {
    moved = createTemporary(fs, path, dropped).ok() && moves.move(oldest, dropped);
    if (!moved && !dropped.empty()) {
      fs.remove(dropped);
      dropped.clear();
    }
  }
  for (int generation = kBackupGenerations - 1; moved && generation >= 1; --generation) {
    const std::string name = backupName(path, generation);
    if (fs.info(name).exists) moved = moves.move(name, backupName(path, generation + 1));
  }
  if (moved) moved = moves.move(copy, backupName(path, 1));
  if (!moved) {
    moves.undo();
    cleanUp();
    return txt::Status::Fail("Die \xe4lteren Sicherungskopien lassen sich nicht verschieben.");
  }
  if (!fs.replace(temporary, path)) {
    moves.undo();
    cleanUp();
    return txt::Status::Fail("Die alte Datei l\xe4sst sich nicht ersetzen.");
  }
  if (!dropped.empty()) fs.remove(dropped);
  return {};
}

}  // namespace

std::string backupName(const std::string& path, int generation) {
  return path + ".bak" + (generation > 1 ? std::to_string(generation) : std::string());
}

txt::Status createTemporary(FileSystem& fs, const std::string& path, std::string& temporary) {
  const std::string stem = path + "." + std::to_string(processId()) + "-";
  for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
    temporary = stem + std::to_string(++temporaryCounter) + ".new~";
    bool taken = false;
    txt::Status s = fs.createNew(temporary, taken);
    if (s.ok()) return s;
    if (!taken) break;
  }
  temporary.clear();
  return txt::Status::Fail("Im Ordner der Datei l\xe4sst sich keine neue Datei anlegen.");
}

txt::Status saveFile(FileSystem& fs, const std::string& path, const std::string& bytes, SaveOptions options) {
  FileInfo target = fs.info(path);
  if (txt::Status refused = refuseUnlessOrdinary(target); !refused) return refused;

  std::string temporary;
  if (txt::Status s = createTemporary(fs, path, temporary); !s) return s;
  txt::Status status;
  if (!fs.writeNew(temporary, bytes))
    status = txt::Status::Fail("Die neue Datei l\xe4sst sich nicht schreiben.");
  else if (options.keepBackup && target.exists)
    status = replaceKeepingBackup(fs, path, temporary);
  else if (!fs.replace(temporary, path))
    status = txt::Status::Fail("Die alte Datei l\xe4sst sich nicht ersetzen.");
  if (!status) fs.remove(temporary);
  if (status && options.record) options.record->refresh(fs, path);
  return status;
}

namespace {

bool digitsOnly(const std::string& s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

unsigned long temporaryOwner(const std::string& name, const std::string& suffix, std::string* original) {
  if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
    return 0;
  const std::string stem = name.substr(0, name.size() - suffix.size());
  const std::size_t dot = stem.rfind('.');
  if (dot == std::string::npos) return 0;
  const std::string tail = stem.substr(dot + 1);
  const std::size_t dash = tail.find('-');
  if (dash == std::string::npos || !digitsOnly(tail.substr(0, dash)) || !digitsOnly(tail.substr(dash + 1)) ||
      dash > 9)
    return 0;
  if (original != nullptr) *original = stem.substr(0, dot);
  return std::stoul(tail.substr(0, dash));
}

int removeLeftoverTemporaries(FileSystem& fs, const std::string& folder) {
  int removed = 0;
  for (const std::string& name : fs.filesEndingWith(folder, ".new~")) {
    const unsigned long owner = temporaryOwner(name, ".new~");
    if (owner == 0 || owner == processId() || processRunning(owner)) continue;
    const FileInfo file = fs.info(folder + name);
    const std::uint64_t now = fs.now(), perSecond = fs.ticksPerSecond();
    if (!file.exists || perSecond == 0 || file.writeTime > now ||
        now - file.writeTime <= static_cast<std::uint64_t>(kLeftoverAgeSeconds) * perSecond)
      continue;
    if (fs.remove(folder + name)) ++removed;
  }
  return removed;
}

std::string saveErrorMessage(const std::string& name, const txt::Status& status) {
  std::string text = "Fehler beim Speichern von <" + name + ">";
  if (!status.error.empty()) text += "\r\n" + status.error;
  return text;
}

}  // namespace plat
