// The copy phase: the runtime libraries and the file list inst.dat, with the
// progress shown in the copy window.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "text/status.h"
#include "ui/services.h"

namespace setup {

// One record of inst.dat.
struct InstRecord {
  std::int16_t flag = 0;  // -1: always copy; 0: only when missing; else skipped
  std::string source;     // relative to the setup folder
  std::string target;     // relative to the installation directory, or "@WIN"/"@SYS" + name
};

// Records of three lines each until the end of the file; blank lines after
// the last record are ignored. A record that is cut short or whose flag is
// no number ends the list; the records before it are kept and the status
// names the line.
txt::Status parseInstDat(const std::string& bytes, std::vector<InstRecord>& out);

// Where the window of the copy phase shows what happens.
class CopyView {
 public:
  virtual ~CopyView() = default;
  // The current copy: source name and destination path.
  virtual void showFile(const std::string& source, const std::string& destination) = 0;
  // The overall progress, 0.0 to 1.0.
  virtual void showProgress(double fraction) = 0;
};

// copied / total, kept within 0..1; a total of 0 or less shows no progress.
double progressFraction(std::int32_t copied, std::int32_t total);
// The percentage the bar prints: rounded, never 0 % nor 100 %.
int progressPercent(double fraction);

// The runtime library rule: oleaut32.dll below this size is replaced.
inline constexpr std::int64_t kOleautMinimum = 490000;

// A name of the file list, a source or a target, that stays within its
// folder: relative, without a drive, without a ".." part. Fails with the
// reason in German.
txt::Status checkRelativeName(const std::string& name);

// The directories and counters the copy phase works with.
struct CopyPlan {
  std::string setupDir;     // the distribution, with "\"
  std::string installPath;  // without "\"
  std::string windowsDir;   // with "\"
  std::string systemDir;    // with "\"
  bool update = false;
  std::int32_t fileTotal = 0;
};

// The copy phase installs all or nothing. Every file it would install is
// first copied to a temporary file beside its destination (staged); only
// when every one is staged are the destinations replaced, one after the
// other, each old file kept aside under a temporary name. When a file
// cannot be staged or replaced, undo() puts the box back as it was.
class CopyPhase {
 public:
  CopyPhase(plat::FileSystem& fs, ui::Services& ui, CopyView& view, CopyPlan plan)
      : fs_(fs), ui_(ui), view_(view), plan_(std::move(plan)) {}

  // The whole phase: progress 0, staging the runtime libraries and the file
  // list, replacing the destinations, the full bar at the end. True when
  // every file is in place; the old files then wait for keep() or undo().
  // On false the phase has undone itself already.
  bool run(const std::string& fileListName);
  // The installation stands: the old files kept aside are removed.
  void keep();
  // Puts back every file replaced, removes the staged copies and the
  // folders the phase made that are empty again.
  void undo();

  // The destination of a record's target.
  std::string destination(const std::string& target) const;

  void ensureRuntimeLibraries();
  void processFileList(const std::string& fileListName);
  // Stages one file beside its destination and advances the progress.
  void InstallFile(const std::string& source, const std::string& destination);
  // Puts the staged files in place; false (and the failure listed) at the
  // first that cannot be.
  bool replaceAll();

  std::int32_t copied() const { return copied_; }
  // "source -> destination: reason" of every file that stops the
  // installation, and any fault of the file list itself.
  const std::vector<std::string>& failures() const { return failures_; }

 private:
  struct Staged {
    std::string source;
    std::string destination;
    std::string temporary;  // the staged copy
    std::string aside;      // the old file until the installation is done; "" for none
    bool placed = false;
  };

  bool languageFileReplaced();
  // Whether a file is (or will be, by an earlier record) at the destination.
  bool present(const std::string& destination, const plat::FileInfo& now) const;
  // A destination that must not be replaced: the reason, or "".
  std::string refusal(const plat::FileInfo& now) const;
  void fail(const std::string& source, const std::string& destination, const std::string& reason);
  void makeFolders(const std::string& folder);
  void removeLeftovers(const std::string& destination);
  // Moves the file at destination to a new name beside it.
  txt::Status putAside(const std::string& destination, std::string& aside);

  plat::FileSystem& fs_;
  ui::Services& ui_;
  CopyView& view_;
  CopyPlan plan_;
  std::int32_t copied_ = 0;
  std::vector<std::string> failures_;
  std::vector<Staged> staged_;
  std::set<std::string> planned_;             // destinations in lower case
  std::vector<std::string> foldersMade_;      // outermost first
  std::set<std::string> foldersMadeOrFound_;  // by makeFolders, in lower case
  std::set<std::string> foldersSwept_;        // folders cleared of leftover copies, in lower case
};

}  // namespace setup
