// The copy phase: the runtime libraries and the file list inst.dat, with the
// progress shown in the copy window.
#pragma once

#include <cstdint>
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

// The directories and counters the copy phase works with.
struct CopyPlan {
  std::string setupDir;     // the distribution, with "\"
  std::string installPath;  // without "\"
  std::string windowsDir;   // with "\"
  std::string systemDir;    // with "\"
  bool update = false;
  std::int32_t fileTotal = 0;
};

class CopyPhase {
 public:
  CopyPhase(plat::FileSystem& fs, ui::Services& ui, CopyView& view, CopyPlan plan)
      : fs_(fs), ui_(ui), view_(view), plan_(std::move(plan)) {}

  // The whole phase: progress 0, the runtime libraries, the file list, the
  // full bar at the end.
  void run(const std::string& fileListName);

  // The destination of a record's target.
  std::string destination(const std::string& target) const;

  void ensureRuntimeLibraries();
  void processFileList(const std::string& fileListName);
  // Copies one file, replacing an existing one in one step, and advances
  // the progress.
  void InstallFile(const std::string& source, const std::string& destination);

  std::int32_t copied() const { return copied_; }
  // "source -> destination" of every copy that failed, and any fault of the
  // file list itself.
  const std::vector<std::string>& failures() const { return failures_; }

 private:
  bool languageFileReplaced();

  plat::FileSystem& fs_;
  ui::Services& ui_;
  CopyView& view_;
  CopyPlan plan_;
  std::int32_t copied_ = 0;
  std::vector<std::string> failures_;
};

}  // namespace setup
