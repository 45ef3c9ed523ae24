// One timed round of setup's copy phase: every file of the distribution's
// inst.dat copied into an installation folder through the real CopyPhase
// (each file staged beside its target, then all put in place), with a window
// that shows nothing and questions answered at once. Prints the
// milliseconds of the copy phase alone; scripts/bench sets up the
// distribution, takes turns with cp and compares the medians.
//
//   setup_copy_bench <distribution folder> <empty installation folder>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "fake_ui.h"
#include "install.h"
#include "platform/filesystem.h"
#include "setupmod.h"

namespace {

struct NoView : setup::CopyView {
  void showFile(const std::string&, const std::string&) override {}
  void showProgress(double) override {}
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: setup_copy_bench <distribution folder> <empty installation folder>\n");
    return 2;
  }
  plat::FileSystem& fs = plat::localFileSystem();
  const std::string setupDir = setup::WithBackslash(argv[1]);
  const std::string installPath = setup::CutBackslash(std::string(argv[2]));

  std::string list;
  std::vector<setup::InstRecord> records;
  if (!fs.readAll(setupDir + "inst.dat", list) || !setup::parseInstDat(list, records) || records.empty()) {
    std::fprintf(stderr, "%sinst.dat: no file list\n", setupDir.c_str());
    return 1;
  }

  setup::CopyPlan plan{setupDir,           installPath, installPath + "\\",
                       installPath + "\\", false,       static_cast<std::int32_t>(records.size())};
  NoView view;
  testing_support::FakeUi ui;  // answers at once: no message box stops the clock
  setup::CopyPhase phase(fs, ui, view, plan);
  auto start = std::chrono::steady_clock::now();
  const bool installed = phase.run("inst.dat");
  if (installed) phase.keep();
  double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

  if (!installed || phase.copied() != static_cast<std::int32_t>(records.size())) {
    for (const std::string& f : phase.failures()) std::fprintf(stderr, "failed: %s\n", f.c_str());
    std::fprintf(stderr, "%d of %zu files copied\n", phase.copied(), records.size());
    return 1;
  }
  std::printf("%.1f\n", ms);
  return 0;
}
