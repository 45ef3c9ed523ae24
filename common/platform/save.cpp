#include "platform/save.h"

#include <atomic>

namespace plat {

namespace {

std::atomic<unsigned> temporaryCounter{0};

// A stale file of an ended process may hold a name this process now makes;
// the next number is tried then.
constexpr int kTemporaryAttempts = 100;

txt::Status refuseUnlessOrdinary(const FileInfo& target) {
  if (target.directory) return txt::Status::Fail("Dort steht ein Ordner gleichen Namens.");
  if (target.hidden || target.system)
    return txt::Status::Fail(
        "Die vorhandene Datei ist versteckt oder eine Systemdatei. Sie wird nicht ersetzt, denn ihr "
        "Inhalt wurde nie geladen.");
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

txt::Status keepBackupOf(FileSystem& fs, const std::string& path) {
  // The copy comes first: should it fail, the backups stay as they were.
  std::string copy;
  txt::Status s = createTemporary(fs, path, copy);
  if (!s) return s;
  if (!fs.copy(path, copy)) {
    fs.remove(copy);
    return txt::Status::Fail("Die Sicherungskopie l\xe4sst sich nicht anlegen.");
  }
  for (int generation = kBackupGenerations; generation > 1 && s; --generation) {
    const std::string newer = backupName(path, generation - 1);
    if (fs.info(newer).exists) s = fs.replace(newer, backupName(path, generation));
  }
  if (s) s = fs.replace(copy, backupName(path, 1));
  if (!s) {
    fs.remove(copy);
    return txt::Status::Fail("Die \xe4lteren Sicherungskopien lassen sich nicht verschieben.");
  }
  return {};
}

txt::Status saveFile(FileSystem& fs, const std::string& path, const std::string& bytes, SaveOptions options) {
  FileInfo target = fs.info(path);
  if (txt::Status refused = refuseUnlessOrdinary(target); !refused) return refused;

  std::string temporary;
  if (txt::Status s = createTemporary(fs, path, temporary); !s) return s;
  txt::Status status;
  if (!fs.writeNew(temporary, bytes))
    status = txt::Status::Fail("Die neue Datei l\xe4sst sich nicht schreiben.");
  if (status && options.keepBackup && target.exists) status = keepBackupOf(fs, path);
  if (status && !fs.replace(temporary, path))
    status = txt::Status::Fail("Die alte Datei l\xe4sst sich nicht ersetzen.");
  if (!status) fs.remove(temporary);
  return status;
}

txt::Status copyFile(FileSystem& fs, const std::string& from, const std::string& to) {
  std::string temporary;
  if (txt::Status s = createTemporary(fs, to, temporary); !s) return s;
  txt::Status status = fs.copy(from, temporary);
  if (status) status = fs.replace(temporary, to);
  if (!status) fs.remove(temporary);
  return status;
}

std::string saveErrorMessage(const std::string& name, const txt::Status& status) {
  std::string text = "Fehler beim Speichern von <" + name + ">";
  if (!status.error.empty()) text += "\r\n" + status.error;
  return text;
}

}  // namespace plat
