// The real setup.exe under Wine: a full installation of the demo
// distribution into C:\Programme\Valmorin Box, an update over it, updates
// that install nothing, and a run while the server stand-in runs.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <random>

#include "platform/win32/wide.h"
#include "win32/demo_install.h"
#include "win32/exe_driver.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ExeRun;

const std::string kTarget = "C:\\Programme\\Valmorin Box";

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string windowsDirectory() {
  char buffer[MAX_PATH] = {};
  GetWindowsDirectoryA(buffer, MAX_PATH);
  return std::string(buffer) + "\\";
}

std::string programsFolder() {
  wchar_t buffer[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, buffer);
  return plat::narrow(buffer) + "\\Valmorin\\";
}

std::string linkTarget(const std::string& lnk) {
  std::string target;
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link))))
    return target;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    if (SUCCEEDED(file->Load(plat::wide(lnk).c_str(), STGM_READ))) {
      wchar_t path[MAX_PATH] = {};
      link->GetPath(path, MAX_PATH, nullptr, 0);
      target = plat::narrow(path);
    }
    file->Release();
  }
  link->Release();
  return target;
}

// Closes every top-level window of a class (notepad, the stand-in) and
// waits until they are gone.
int closeAll(const wchar_t* windowClass, int waitMs = 5000) {
  int closed = 0;
  for (HWND w = FindWindowW(windowClass, nullptr); w != nullptr; w = FindWindowW(windowClass, nullptr)) {
    PostMessageW(w, WM_CLOSE, 0, 0);
    ++closed;
    for (int waited = 0; IsWindow(w) && waited < waitMs; waited += 50) Sleep(50);
    if (IsWindow(w)) break;
  }
  return closed;
}

HWND waitFor(const wchar_t* windowClass, int timeoutMs = 10000) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    if (HWND w = FindWindowW(windowClass, nullptr)) return w;
    Sleep(50);
  }
  return nullptr;
}

bool waitAtom(const char* name, bool present, int timeoutMs = 10000) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    if ((GlobalFindAtomA(name) != 0) == present) return true;
    Sleep(50);
  }
  return false;
}

// Answers a message box and waits until it has gone, so that the next wait
// finds the next box.
void answer(ExeRun& run, const testing_support::MessageBoxSeen& box, int id) {
  run.answer(box, id);
  for (int waited = 0; IsWindow(box.hwnd) && waited < 5000; waited += 20) Sleep(20);
}

class SetupRun : public ::testing::Test {
 protected:
  std::string stageRoot;
  std::optional<std::string> savedIni;

  void SetUp() override {
    CoInitialize(nullptr);
    std::random_device random;
    stageRoot = (fs::temp_directory_path() / ("valmorin-dist-" + std::to_string(random()))).string() + "\\";
    if (fs::exists(ini())) savedIni = slurp(ini());
    clean();
  }
  void TearDown() override {
    if (getenv("VALMORIN_KEEP")) return;
    closeAll(L"Notepad");
    closeAll(L"ValmorinServerStandIn");
    clean();
    if (savedIni) std::ofstream(ini(), std::ios::binary) << *savedIni;
    std::error_code ec;
    fs::remove_all(stageRoot, ec);
    CoUninitialize();
  }
  void clean() {
    std::error_code ec;
    fs::remove_all(kTarget, ec);
    fs::remove("C:\\Programme\\Valmorin.exe", ec);
    fs::remove("C:\\Programme\\ausserhalb.txt", ec);
    fs::remove("C:\\Programme\\zorq-standin.log", ec);
    fs::remove(ini(), ec);
    fs::remove(windowsDirectory() + "zorq.hlp", ec);
    fs::remove_all(programsFolder(), ec);
  }
  static std::string ini() { return windowsDirectory() + "zorq.ini"; }
  static std::string installed(const std::string& name) { return slurp(kTarget + "\\" + name); }

  // A copy of examples/distribution/<kind> with the programs of the build.
  std::string stage(const std::string& kind) {
    std::string dir = stageRoot + kind + "\\";
    fs::create_directories(stageRoot + kind);
    fs::copy(testing_support::sourcePath("examples\\distribution\\" + kind), stageRoot + kind,
             fs::copy_options::recursive);
    fs::copy_file(testing_support::windowsPath(VALMORIN_SETUP_EXE), dir + "setup.exe");
    fs::copy_file(testing_support::windowsPath(VALMORIN_STANDIN_EXE), dir + "zorq.exe");
    fs::copy_file(testing_support::zorqcfgExe(), dir + "zorqcfg.exe");
    fs::copy_file(testing_support::windowsPath(VALMORIN_ZORQCHECK_EXE), dir + "zorqcheck.exe");
    return dir;
  }

  // Welcome and path, up to the copy phase. typed: the folder to type, or
  // "" to keep the one shown. Returns what the path field showed.
  std::string throughPath(ExeRun& run, const std::string& typed) {
    HWND welcome = run.waitWindow("Installation");
    if (welcome == nullptr) {
      ADD_FAILURE() << "no welcome window";
      return {};
    }
    run.press(welcome, "Weiter>");
    HWND path = run.waitWindow("Installationsdirectory");
    if (path == nullptr) {
      ADD_FAILURE() << "no path window";
      return {};
    }
    std::string shown = run.fieldText(path, "Installationsdirectory");
    if (!typed.empty()) run.typeInto(path, "Installationsdirectory", typed);
    run.press(path, "Weiter>");
    return shown;
  }

  // theend: presses button, then the readme opens in notepad and setup ends.
  void finish(ExeRun& run, const std::string& button) {
    HWND end = run.waitWindow("Installation beendet", 30000);
    if (end == nullptr) {
      auto box = run.waitMessageBox(100);
      ADD_FAILURE() << "no final dialog" << (box ? ", a box says: " + box->text : std::string());
      return;
    }
    run.press(end, button);
    EXPECT_TRUE(run.waitExit().has_value());
    HWND notepad = waitFor(L"Notepad");
    ASSERT_NE(notepad, nullptr) << "the readme was not shown";
    for (int waited = 0; ui_text(notepad).find("readme") == std::string::npos && waited < 5000; waited += 50)
      Sleep(50);
    EXPECT_NE(ui_text(notepad).find("readme"), std::string::npos) << ui_text(notepad);
    closeAll(L"Notepad");
  }
  static std::string ui_text(HWND w) {
    wchar_t buffer[512] = {};
    GetWindowTextW(w, buffer, 512);
    return plat::narrow(buffer);
  }

  void fullInstallation() {
    ExeRun run(stage("full") + "setup.exe", stageRoot + "full");
    ASSERT_TRUE(run.started());
    EXPECT_EQ(throughPath(run, kTarget), "c:\\programme\\zorq");
    auto create = run.waitMessageBox();
    ASSERT_TRUE(create.has_value());
    EXPECT_EQ(create->text, "Pfad '" + kTarget + "' existiert nicht, anlegen?");
    answer(run, *create, IDYES);
    // Program Manager's group windows appear a moment after the final
    // window and take the focus; the final window comes back to the front.
    HWND end = run.waitWindow("Installation beendet", 30000);
    ASSERT_NE(end, nullptr);
    EXPECT_TRUE(endsInFront(end));
    finish(run, "Ende");
  }

  // True when, once the group windows have had time to appear, the window
  // stands in front of every window of the program group "Valmorin" and
  // keeps that place for a second. Other tests share the display and may
  // hold the foreground themselves, so the place among the group's windows
  // is what counts.
  static bool endsInFront(HWND window) {
    int held = 0;
    for (int waited = 0; waited < 25000; waited += 100) {
      held = inFrontOfTheGroup(window) ? held + 100 : 0;
      if (waited >= 3000 && held >= 1000) return true;
      Sleep(100);
    }
    return false;
  }
  static bool inFrontOfTheGroup(HWND window) {
    if (GetForegroundWindow() == window) return true;
    DWORD setup = 0;
    GetWindowThreadProcessId(window, &setup);
    for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
      if (w == window) return true;
      DWORD owner = 0;
      GetWindowThreadProcessId(w, &owner);
      if (!IsWindowVisible(w) || owner == setup || owner == GetCurrentProcessId()) continue;
      if (ui_text(w).find("Valmorin") != std::string::npos) return false;
    }
    return false;
  }
};

TEST_F(SetupRun, FullInstallationThenUpdate) {
  fullInstallation();

  // Files, folders and the target in the Windows directory; flag 1 is never copied.
  EXPECT_TRUE(installed("zorq.exe") == slurp(testing_support::windowsPath(VALMORIN_STANDIN_EXE)));
  EXPECT_TRUE(installed("daten\\main.txt") ==
              slurp(testing_support::sourcePath("examples\\demo\\daten\\main.txt")));
  EXPECT_TRUE(installed("texte\\deutsch.lng") ==
              slurp(testing_support::sourcePath("examples\\demo\\texte\\deutsch.lng")));
  EXPECT_TRUE(fs::exists(kTarget + "\\texte\\menue\\haupt.txt"));
  EXPECT_TRUE(fs::exists(kTarget + "\\zorqcfg.exe"));
  EXPECT_TRUE(fs::exists(kTarget + "\\zorqcheck.exe"));
  EXPECT_TRUE(fs::exists(windowsDirectory() + "zorq.hlp"));
  EXPECT_FALSE(fs::exists(kTarget + "\\alt.txt"));

  // zorq.ini: the 8.3 path and "\", one line.
  char shortForm[MAX_PATH] = {};
  GetShortPathNameA(kTarget.c_str(), shortForm, MAX_PATH);
  const std::string iniBytes = slurp(ini());
  EXPECT_EQ(iniBytes, std::string(shortForm) + "\\\r\n");
  EXPECT_EQ(iniBytes.find(' '), std::string::npos);

  // The program group.
  for (const char* item : {"Valmorin", "Einstellungen", "Anleitung", "Cruncher"})
    EXPECT_TRUE(fs::exists(programsFolder() + item + ".lnk")) << item;
  EXPECT_EQ(linkTarget(programsFolder() + "Einstellungen.lnk"), kTarget + "\\zorqcfg.exe");

  // The update: the folder from zorq.ini in its long form, the language
  // question answered No, and "Valmorin" starts the server. A decoy where an
  // unquoted path would lead must not start.
  fs::copy_file(testing_support::windowsPath(VALMORIN_STANDIN_EXE), "C:\\Programme\\Valmorin.exe");
  const std::string language = installed("texte\\deutsch.lng");
  ExeRun update(stage("update") + "setup.exe", stageRoot + "update");
  ASSERT_TRUE(update.started());
  EXPECT_EQ(throughPath(update, ""), kTarget);
  auto question = update.waitMessageBox();
  ASSERT_TRUE(question.has_value());
  EXPECT_EQ(question->text,
            "Das Update enth\xe4lt ein neues Sprachfile!\r\nSoll das alte \xfc"
            "berschrieben werden?\r\nWenn nicht, m\xfcssen Sie das alte unbedingt anpassen!");
  answer(update, *question, IDNO);
  finish(update, "Valmorin");

  EXPECT_EQ(slurp(ini()), iniBytes);
  EXPECT_EQ(installed("texte\\deutsch.lng"), language);
  EXPECT_TRUE(fs::exists(kTarget + "\\texte\\neu.txt"));
  EXPECT_TRUE(waitAtom("ZORQISRUNNING", true));
  EXPECT_NE(installed("zorq-standin.log").find("start"), std::string::npos);
  EXPECT_FALSE(fs::exists("C:\\Programme\\zorq-standin.log"));
  // The stand-in holds the atom a moment before its window exists.
  EXPECT_NE(waitFor(L"ValmorinServerStandIn"), nullptr);
  const int closed = closeAll(L"ValmorinServerStandIn");
  EXPECT_TRUE(waitAtom("ZORQISRUNNING", false)) << closed << " stand-in window(s) closed; its log:\n"
                                                << installed("zorq-standin.log");
}

// zorq.ini names the folder in capitals; the path dialog of the update
// shows each folder as the file system stores it.
TEST_F(SetupRun, AnUpdateShowsTheFolderAsItIsStored) {
  fs::create_directories(kTarget);
  const std::string iniBytes = "C:\\PROGRAMME\\VALMORIN BOX\\\r\n";
  std::ofstream(ini(), std::ios::binary) << iniBytes;
  ExeRun run(stage("update") + "setup.exe", stageRoot + "update");
  ASSERT_TRUE(run.started());
  HWND welcome = run.waitWindow("Installation");
  ASSERT_NE(welcome, nullptr);
  run.press(welcome, "Weiter>");
  HWND path = run.waitWindow("Installationsdirectory");
  ASSERT_NE(path, nullptr);
  EXPECT_EQ(run.fieldText(path, "Installationsdirectory"), kTarget);
  run.press(path, "Abbruch");
  EXPECT_TRUE(run.waitExit().has_value());
  EXPECT_EQ(slurp(ini()), iniBytes);
}

// Every file below root with its bytes and attributes.
std::map<std::string, std::string> boxFiles(const std::string& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    files[entry.path().string()] = std::to_string(GetFileAttributesW(entry.path().c_str())) + ":" +
                                   (entry.is_directory() ? "" : slurp(entry.path()));
  return files;
}

// An update that cannot install every file installs none: a hidden
// settings file it would replace, a target outside the installation, a
// source missing from the distribution. Setup says why and ends without
// its final window.
TEST_F(SetupRun, AnUpdateThatCannotInstallEveryFileInstallsNone) {
  const struct {
    const char* record;
    const char* reason;
  } cases[] = {
      {"-1\r\nmain.txt\r\ndaten\\main.txt\r\n",
       "daten\\main.txt: Die vorhandene Datei ist versteckt oder eine Systemdatei."},
      {"-1\r\nneu.txt\r\n..\\ausserhalb.txt\r\n",
       "..\\ausserhalb.txt: \"..\" f\xfchrt aus dem Ordner hinaus."},
      {"-1\r\nfehlt.exe\r\nfehlt.exe\r\n", "fehlt.exe: Die Datei fehlt im Setup-Ordner."},
  };
  fs::create_directories(kTarget + "\\daten");
  std::ofstream(kTarget + "\\zorq.exe", std::ios::binary) << "alter Server";
  std::ofstream(kTarget + "\\daten\\main.txt", std::ios::binary) << "des Sysops main.txt";
  ASSERT_TRUE(SetFileAttributesA((kTarget + "\\daten\\main.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
  const std::string iniBytes = kTarget + "\\\r\n";
  std::ofstream(ini(), std::ios::binary) << iniBytes;
  const auto before = boxFiles(kTarget);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.record);
    const std::string dir = stage("update");
    fs::copy_file(testing_support::sourcePath("examples\\distribution\\full\\main.txt"), dir + "main.txt",
                  fs::copy_options::overwrite_existing);
    const std::string list = slurp(dir + "inst.dat");
    std::ofstream(dir + "inst.dat", std::ios::binary)
        << c.record << list;  // before the language file: no question
    ExeRun run(dir + "setup.exe", dir);
    ASSERT_TRUE(run.started());
    EXPECT_EQ(throughPath(run, ""), kTarget);
    auto box = run.waitMessageBox(30000);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text.rfind("Die Installation wurde nicht durchgef\xfchrt.\r\nDie vorhandenen Dateien sind "
                              "unver\xe4ndert.\r\n",
                              0),
              0u)
        << box->text;
    EXPECT_NE(box->text.find(c.reason), std::string::npos) << box->text;
    answer(run, *box, IDOK);
    EXPECT_TRUE(run.waitExit().has_value());
    EXPECT_EQ(FindWindowW(nullptr, L"Installation beendet"), nullptr);
    EXPECT_EQ(boxFiles(kTarget), before);
    EXPECT_FALSE(fs::exists("C:\\Programme\\ausserhalb.txt"));
    EXPECT_EQ(slurp(ini()), iniBytes);
    fs::remove_all(stageRoot + "update");
  }
}

TEST_F(SetupRun, RefusedWhileTheServerRuns) {
  const std::string dir = stage("full");
  ExeRun server(dir + "zorq.exe");
  ASSERT_TRUE(waitAtom("ZORQISRUNNING", true));

  // The stand-in answers the reload signal.
  GlobalAddAtomA("ZORQRELOAD");
  EXPECT_TRUE(waitAtom("ZORQRELOAD", false));
  for (int waited = 0; slurp(dir + "zorq-standin.log").find("reload") == std::string::npos && waited < 5000;
       waited += 50)
    Sleep(50);
  EXPECT_NE(slurp(dir + "zorq-standin.log").find("reload: daten\\main.txt"), std::string::npos);

  ExeRun run(dir + "setup.exe", stageRoot + "full");
  auto refusal = run.waitMessageBox();
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->text, "Bitte vor jeder Installation\r\nValmorin beenden");
  answer(run, *refusal, IDOK);
  EXPECT_TRUE(run.waitExit().has_value());
  EXPECT_FALSE(fs::exists(kTarget));
  EXPECT_FALSE(fs::exists(ini()));
  closeAll(L"ValmorinServerStandIn");
  EXPECT_TRUE(waitAtom("ZORQISRUNNING", false));
}

}  // namespace
