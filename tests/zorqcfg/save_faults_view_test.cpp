// Every dialog's save against every fault a disk, a file or another program
// can cause: one row per dialog, run against each step of its save failing
// in turn (creating the temporary file, each piece written, the flush, the
// backup copy, the replace, a target held by another program), and then
// against real faults of the file system (a read-only target, a target held
// open without sharing by another process, a missing daten\ folder).
//
// After each fault the old files are whole (each file the old or, for the
// file saved before the failing one, the new content), no temporary file is
// left, the user is told in German which file failed, the dialog is still
// open with the user's edit, nothing told the server to reload, and a second
// "OK" after the fault has gone saves.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/dialog_buttons.h"
#include "commands/frmprbefehle.h"
#include "view_context.h"
#include "core/haupt.h"
#include "core/main_settings.h"
#include "faulty_fs.h"
#include "network/frmdomain.h"
#include "network/frmnetz.h"
#include "network/frmprpacker.h"
#include "ports/frmfenst.h"
#include "ports/frmmodem2.h"
#include "ports/frmstart.h"
#include "services/frmchat.h"
#include "schedule/frmzeit.h"
#include "schedule/frmzusa.h"
#include "services/frmextern.h"
#include "users/frmneuuser.h"
#include "users/frmsonst.h"
#include "users/sprachen.h"
#include "win32/demo_install.h"
#include "win32/view_driver.h"

namespace {

using namespace testing_support;
using Fault = FaultyFileSystem::Fault;
using Files = std::map<std::string, std::optional<std::string>>;

// The edit a sysop makes before "OK": a text typed into the field right of
// a label, or a check box (found by its caption) turned over.
struct Edit {
  const char* control;
  const char* text = nullptr;  // nullptr: the check box is turned over
};

struct SaveCase {
  const char* name;
  // What the save writes, in the order it writes them: names relative to the
  // installation ("daten\\befehle.txt"), or "zorq.ini" in the Windows directory.
  std::vector<std::string> files;
  std::function<std::unique_ptr<ui::Dialog>(zorq::Context&)> open;
  Edit edit;
  const char* confirm = "OK";
};

template <class D>
std::function<std::unique_ptr<ui::Dialog>(zorq::Context&)> dialogOf() {
  return [](zorq::Context& ctx) { return std::make_unique<D>(ctx); };
}

// One row per dialog that writes a file. A dialog that lands joins here.
const std::vector<SaveCase>& saveCases() {
  static const std::vector<SaveCase> cases = {
      {"Befehle",
       {"daten\\befehle.txt", "daten\\befgrup.txt"},
       dialogOf<zorq::frmprbefehle>(),
       {"Lesen", "77"}},
      {"Modem",
       {"daten\\modem.txt"},
       [](zorq::Context& ctx) { return std::make_unique<zorq::frmmodem2>(ctx, 0); },
       {"Baud", "19200"}},
      {"Startparameter", {"daten\\start.dat"}, dialogOf<zorq::frmstart>(), {"Port 3"}},
      {"Fenster",
       {"daten\\winds.txt"},
       dialogOf<zorq::frmfenst>(),
       {"Sorterfenster nicht \xf6"
        "ffnen"}},
      {"Extern", {"daten\\extern.dat"}, dialogOf<zorq::frmextern>(), {"Name", "Spiel"}},
      {"Chat", {"daten\\chat.dat"}, dialogOf<zorq::frmchat>(), {"nach Chatgrund fragen"}},
      {"Netzparameter", {"daten\\netzpar.dat"}, dialogOf<zorq::frmnetz>(), {"Netzboxname", "SUEDLICHT"}},
      {"Routing", {"daten\\routing.txt"}, dialogOf<zorq::frmdomain>(), {"Domain", "neu.de"}},
      {"Packer", {"daten\\packer.txt", "daten\\pack2.txt"}, dialogOf<zorq::frmprpacker>(), {"Name", "ARJ"}},
      {"Zeitplan", {"daten\\zeit.txt"}, dialogOf<zorq::frmzeit>(), {"Zeit", "04:30"}},
      {"Zusatzprogramme", {"zusatz.dat"}, dialogOf<zorq::frmzusa>(), {"Name", "Statistik"}},
      {"NeueUser", {"daten\\newuser.dat"}, dialogOf<zorq::frmneuuser>(), {"Freiraum", "999"}},
      {"Sprachen", {"daten\\sprachen.txt"}, dialogOf<zorq::sprachen>(), {"Hauptsprache", "Englisch"}},
      {"Sonstiges",
       {"daten\\cosysop.txt", "daten\\userver.txt"},
       dialogOf<zorq::frmsonst>(),
       {"Kommentar bei CD-Import und BIN\xc4R-Import, wenn kein Kommentar gefunden werden kann",
        "Kein Kommentar"}},
      {"Ende",
       {"zorq.ini", "daten\\main.txt"},
       [](zorq::Context& ctx) {
         return std::make_unique<zorq::haupt>(ctx, zorq::loadAtStart(ctx.fs, ctx.where, ctx.settings, ctx.ui),
                                              zorq::dialogButtons());
       },
       {"Boxname", "Neue Box"},
       "Ende"},
  };
  return cases;
}

void PrintTo(const SaveCase& row, std::ostream* out) { *out << row.name; }

std::string caseName(const ::testing::TestParamInfo<SaveCase>& info) { return info.param.name; }

std::string readFile(const std::string& path) {
  std::string bytes;
  plat::localFileSystem().readAll(path, bytes);
  return bytes;
}

// The names in a folder.
std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((folder + "*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(h, &found));
  FindClose(h);
  return names;
}

// A copy of the demo installation, its zorq.ini beside it, and one dialog
// of the table opened on it.
struct SaveRun {
  const SaveCase& row;
  TempDir box;
  zorq::Installation where{box.path(), box.path(), 0};
  zorq::MainSettings settings{};
  FakeSystem system;
  FakeUi ui;
  FakePickers pickers;
  FaultyFileSystem fs{plat::localFileSystem()};
  zorq::Context ctx{where, settings, fs, system, ui, pickers};
  std::unique_ptr<ui::Dialog> dialog;

  explicit SaveRun(const SaveCase& r) : row(r) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    const std::string demo = sourcePath("examples/demo/daten/");
    for (const std::string& name : namesIn(demo)) box.write("daten\\" + name, readFile(demo + name));
    box.write("zusatz.dat", readFile(sourcePath("examples/demo/zusatz.dat")));
    box.write("zorq.ini", box.path() + "\r\n 0 \r\n");
    where.windowsDir = box.path();
    zorq::loadAtStart(fs, where, settings, ui);
  }
  ~SaveRun() {
    dialog.reset();
    pump();
  }

  std::string path(const std::string& file) const { return box.path() + file; }
  // zorq.ini names the folder, which differs from run to run.
  std::string withoutBox(std::string bytes) const {
    for (std::size_t at; (at = bytes.find(box.path())) != std::string::npos;)
      bytes.replace(at, box.path().size(), "<box>");
    return bytes;
  }
  Files files() const {
    Files now;
    for (const std::string& f : row.files) {
      if (plat::localFileSystem().info(path(f)).exists)
        now[f] = withoutBox(readFile(path(f)));
      else
        now[f] = std::nullopt;
    }
    return now;
  }
  std::vector<std::string> allNames() const {
    std::vector<std::string> names = namesIn(box.path());
    for (const std::string& n : namesIn(box.path() + "daten\\")) names.push_back("daten\\" + n);
    return names;
  }

  HWND open() {
    dialog = row.open(ctx);
    EXPECT_TRUE(dialog->Create(nullptr));
    pump();
    return dialog->hwnd();
  }
  HWND control() const {
    HWND d = dialog->hwnd();
    return row.edit.text != nullptr ? fieldOf(d, row.edit.control) : findByText(d, row.edit.control);
  }
  bool checked() const { return SendMessageW(control(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  // Makes the row's edit and remembers what the control shows after it.
  std::string edit() {
    HWND c = control();
    EXPECT_NE(c, nullptr) << row.edit.control;
    if (c == nullptr) return {};
    if (row.edit.text != nullptr) {
      type(dialog->hwnd(), GetDlgCtrlID(c), row.edit.text);
      return textOf(c);
    }
    bool was = checked();
    setCheck(dialog->hwnd(), GetDlgCtrlID(c), !was);
    return was ? "off" : "on";
  }
  std::string shown() const {
    if (row.edit.text != nullptr) return textOf(control());
    return checked() ? "on" : "off";
  }
  void confirm() {
    HWND button = findByText(dialog->hwnd(), row.confirm);
    ASSERT_NE(button, nullptr) << row.confirm;
    click(button);
    pump();
  }
};

std::string baseName(const std::string& file) { return file.substr(file.rfind('\\') + 1); }

// A run set up for a fault: the files and names as before the save, the
// dialog open with the row's edit made.
struct FaultRun : SaveRun {
  Files before;
  std::vector<std::string> names;
  std::string edited;
  explicit FaultRun(const SaveCase& r, const std::function<void(SaveRun&)>& prepare = {}) : SaveRun(r) {
    if (prepare) prepare(*this);
    before = files();
    names = allNames();
    open();
    ui.shown.clear();
    edited = edit();
  }
  // What must hold after a save failed: the files whole, the failing one
  // untouched, no temporary file, the German message naming it, the dialog
  // open with the edit, no reload signal.
  void expectFailedSafely(const Files& after, const std::string& what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(ui.shown.size(), 1u);
    const std::string& message = ui.shown.back().text;
    EXPECT_NE(message.find("Fehler beim Speichern von <"), std::string::npos) << message;
    const std::string* failed = nullptr;
    for (const std::string& f : row.files)
      if (message.find(baseName(f) + ">") != std::string::npos) failed = &f;
    ASSERT_NE(failed, nullptr) << "the message names no file: " << message;

    const Files now = files();
    for (const std::string& f : row.files) {
      if (f == *failed)
        EXPECT_EQ(now.at(f), before.at(f)) << f << " changed although its save failed";
      else
        EXPECT_TRUE(now.at(f) == before.at(f) || now.at(f) == after.at(f)) << f << " is neither old nor new";
    }
    for (const std::string& n : allNames()) {
      bool known = std::find(names.begin(), names.end(), n) != names.end();
      EXPECT_TRUE(known || n.find(".bak") != std::string::npos) << "left behind: " << n;
    }
    EXPECT_TRUE(dialog->IsOpen() && IsWindowVisible(dialog->hwnd()));
    EXPECT_EQ(shown(), edited);
    EXPECT_TRUE(system.atoms.empty());
  }
};

class SaveFaults : public ::testing::TestWithParam<SaveCase> {
 protected:
  // The files as a save without faults leaves them.
  Files savedCleanly() {
    SaveRun run(GetParam());
    run.open();
    run.edit();
    run.confirm();
    EXPECT_FALSE(run.dialog->IsOpen());
    EXPECT_TRUE(run.ui.shown.empty());
    return run.files();
  }
};

TEST_P(SaveFaults, EveryStepOfTheSaveFailingKeepsTheFilesWholeAndTheDialogOpen) {
  const Files after = savedCleanly();
  int faults = 0;
  for (Fault kind :
       {Fault::Create, Fault::Write, Fault::Flush, Fault::Backup, Fault::Replace, Fault::Sharing}) {
    for (int n = 1;; ++n) {
      FaultRun run(GetParam());
      run.fs.arm(kind, n);
      run.confirm();
      if (!run.fs.fired()) {
        // No such step left: the save went through.
        EXPECT_FALSE(run.dialog->IsOpen());
        EXPECT_EQ(run.files(), after);
        break;
      }
      ++faults;
      run.expectFailedSafely(
          after, "fault " + std::to_string(static_cast<int>(kind)) + " at step " + std::to_string(n));
      // The fault has gone: "OK" again saves what the user typed.
      run.fs.arm(Fault::None, 0);
      run.confirm();
      EXPECT_FALSE(run.dialog->IsOpen());
      EXPECT_EQ(run.files(), after);
      if (HasFailure()) return;
    }
  }
  EXPECT_GE(faults, 5);  // at least one of each kind but the backup copy
}

// A file held open without sharing by another process, as an editor or a
// virus scanner might hold it.
class Holder {
 public:
  explicit Holder(const std::string& path) {
    std::string command = "\"" + helperExe() + "\" \"" + path + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &process_))
      return;
    // Wait until the file is really held; a loaded machine starts programs slowly.
    for (int i = 0; i < 2400 && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; ++i) {
      HANDLE h =
          CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
      if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION) {
        held_ = true;
        return;
      }
      if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
      Sleep(25);
    }
  }
  ~Holder() {
    if (process_.hProcess == nullptr) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
  bool held() const { return held_; }

 private:
  static std::string helperExe() { return VALMORIN_HOLDER_EXE; }
  PROCESS_INFORMATION process_{};
  bool held_ = false;
};

TEST_P(SaveFaults, RealFaultsOfTheFileSystemAreToldAndKeepTheDialogOpen) {
  const Files after = savedCleanly();
  const std::string last = GetParam().files.back();
  {
    FaultRun run(GetParam(),
                 [&](SaveRun& r) { SetFileAttributesA(r.path(last).c_str(), FILE_ATTRIBUTE_READONLY); });
    run.confirm();
    run.expectFailedSafely(after, "read-only " + last);
    SetFileAttributesA(run.path(last).c_str(), FILE_ATTRIBUTE_NORMAL);
    run.confirm();
    EXPECT_EQ(run.files(), after);
  }
  {
    FaultRun run(GetParam());
    {
      Holder holder(run.path(last));
      ASSERT_TRUE(holder.held());
      run.confirm();
    }
    run.expectFailedSafely(after, "held " + last);
    run.confirm();
    EXPECT_EQ(run.files(), after);
  }
  if (last.rfind("daten\\", 0) == 0) {  // zusatz.dat lies beside the folder
    FaultRun run(GetParam());
    for (const std::string& n : namesIn(run.box.path() + "daten\\")) run.fs.remove(run.path("daten\\" + n));
    RemoveDirectoryA(run.path("daten").c_str());
    run.before = run.files();
    run.names = run.allNames();
    run.confirm();
    // The files are gone behind the dialog's back: it asked before each.
    std::erase_if(run.ui.shown, [](const ShownBox& box) { return box.title == "Frage"; });
    run.expectFailedSafely(after, "no daten folder");
  }
}

// Another program wrote the first file after the dialog had loaded it:
// "OK" asks before it overwrites. "Nein" keeps the other program's file and
// the dialog open with the edit; "Ja" saves.
TEST_P(SaveFaults, AFileChangedBehindTheDialogIsOverwrittenOnlyWhenConfirmed) {
  const Files after = savedCleanly();
  const std::string first = GetParam().files.front();
  for (bool overwrite : {false, true}) {
    SCOPED_TRACE(overwrite ? "Ja" : "Nein");
    FaultRun run(GetParam());
    run.box.write(first, "von einem anderen Programm\r\n");
    run.ui.answers = {overwrite ? ui::Answer::Yes : ui::Answer::No};
    run.confirm();
    ASSERT_FALSE(run.ui.shown.empty());
    EXPECT_EQ(run.ui.shown[0].text,
              "Die Datei " + baseName(first) +
                  " wurde inzwischen von einem anderen Programm ge\xe4ndert. Trotzdem \xfc"
                  "berschreiben?");
    EXPECT_EQ(run.ui.shown[0].title, "Frage");
    EXPECT_EQ(run.ui.shown[0].icon, ui::Icon::Question);
    if (overwrite) {
      EXPECT_FALSE(run.dialog->IsOpen());
      EXPECT_EQ(run.files(), after);
    } else {
      EXPECT_TRUE(run.dialog->IsOpen());
      EXPECT_EQ(readFile(run.path(first)), "von einem anderen Programm\r\n");
      EXPECT_EQ(run.shown(), run.edited);
    }
  }
}

// "\u0141\u00f3d\u017a" cannot be stored in Windows-1252: "OK" names the
// field and the characters, writes nothing and keeps the dialog open.
TEST_P(SaveFaults, TextTheFilesCannotHoldIsRefused) {
  if (GetParam().edit.text == nullptr) return;  // a check box holds no text
  FaultRun run(GetParam());
  SetWindowTextW(run.control(), L"\u0141\u00f3d\u017a");
  pump();
  run.confirm();
  ASSERT_EQ(run.ui.shown.size(), 1u);
  const std::string& text = run.ui.shown[0].text;
  EXPECT_NE(text.find(GetParam().edit.control), std::string::npos) << text;
  EXPECT_NE(text.find("U+0141 U+017A"), std::string::npos) << text;
  EXPECT_TRUE(run.dialog->IsOpen());
  EXPECT_EQ(run.files(), run.before);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, SaveFaults, ::testing::ValuesIn(saveCases()), caseName);

}  // namespace
