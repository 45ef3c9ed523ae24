// setup's windows, driven in-process as a user would.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "copy.h"
#include "copy_ids.h"
#include "getpfad.h"
#include "getpfad_ids.h"
#include "path.h"
#include "path_ids.h"
#include "platform/win32/wide.h"
#include "progman_win32.h"
#include "setup_fixture.h"
#include "setupview.h"
#include "text/cp1252.h"
#include "theend.h"
#include "theend_ids.h"
#include "welcome.h"
#include "welcome_ids.h"
#include "win32/view_driver.h"

namespace {

using namespace testing_support;

TEST(Welcome, ShowsTheGreetingAndWeiterConfirms) {
  for (int button : {IDB_WELCOME_WEITER, IDB_WELCOME_ABBRUCH}) {
    std::string caption, text;
    BoxAnswerer driver({}, [&](HWND w) {
      caption = ui::WindowText(w);
      text = textOf(w, IDT_WELCOME_LABEL1);
      click(w, button);
    });
    setup::welcome dialog("Willkommen zur Installation von Valmorin PC2.1\r\n\r\n\r\n");
    dialog.DoModal(nullptr);
    EXPECT_EQ(caption, "Installation");
    EXPECT_EQ(text, "Willkommen zur Installation von Valmorin PC2.1\r\n\r\n\r\n");
    EXPECT_EQ(dialog.confirmed(), button == IDB_WELCOME_WEITER);
  }
}

TEST(Path, AuswahlCancelledKeepsTheTextAndAnsweredFillsIt) {
  SetupFixture f;
  f.distribution("", "");
  setup::Setup s(f.env());
  ASSERT_TRUE(s.start());
  const std::string picked = f.drive() + "\\Programme\\Valmorin Box";
  std::string shown, kept, pickerText;
  int pickers = 0;
  BoxAnswerer driver({}, [&](HWND w) {
    if (GetDlgItem(w, IDE_PATH_TEXT1) != nullptr) {
      shown = textOf(w, IDE_PATH_TEXT1);
      EXPECT_EQ(ui::WindowText(w), "Installationsdirectory");
      EXPECT_EQ(findByText(w, "Installationsdirectory"), GetDlgItem(w, IDT_PATH_LABEL1));
      click(w, IDB_PATH_AUSWAHL);  // cancelled
      kept = textOf(w, IDE_PATH_TEXT1);
      EXPECT_EQ(s.state().pickedPath, "");
      click(w, IDB_PATH_AUSWAHL);  // its Ok fills Text1
      EXPECT_EQ(textOf(w, IDE_PATH_TEXT1), picked);
      click(w, IDB_PATH_WEITER);
    } else if (++pickers == 1) {
      click(w, IDB_GETPFAD_ABBRUCH);
    } else {
      pickerText = textOf(w, IDE_GETPFAD_TEXT1);
      EXPECT_EQ(findByText(w, "Installationspfad"), GetDlgItem(w, IDT_GETPFAD_LABEL1));
      type(w, IDE_GETPFAD_TEXT1, picked + "\\");
      click(w, IDB_GETPFAD_OK);
    }
  });
  setup::path dialog(s, nullptr);
  dialog.DoModal(nullptr);
  EXPECT_EQ(pickers, 2);
  EXPECT_EQ(shown, "c:\\programme\\zorq");
  EXPECT_EQ(kept, shown);
  EXPECT_EQ(pickerText, setup::CutBackslash(f.sys.programDir));
  EXPECT_EQ(s.state().pickedPath, picked);
  EXPECT_TRUE(dialog.confirmed());  // the fake answered Yes to creating it
  EXPECT_TRUE(std::filesystem::is_directory(picked));
}

// A double click or Enter on a folder opens it; Enter on the open folder is
// "Ok".
TEST(GetPfad, ADoubleClickOrEnterOpensAFolderAndEnterOnTheOpenOneAnswers) {
  TempDir tmp;
  tmp.write("Programme\\Valmorin Box\\x", "");
  setup::getpfad picker(tmp.path(), nullptr);
  std::string row;
  BoxAnswerer driver({}, [&](HWND w) {
    HWND list = GetDlgItem(w, IDL_GETPFAD_DIR1);
    // The last row: the only sub-folder of the open folder.
    auto last = [&] { return static_cast<int>(listItems(w, IDL_GETPFAD_DIR1).size()) - 1; };
    auto enter = [&] {
      // Another test's window may have taken the activation, and with it the
      // focus that Enter depends on.
      focus(w, IDL_GETPFAD_DIR1);
      focusedIn(w);
      MSG key{list, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
      IsDialogMessageW(w, &key);
      pump();
    };
    doubleClick(w, IDL_GETPFAD_DIR1, last());
    EXPECT_EQ(textOf(w, IDE_GETPFAD_TEXT1), tmp.path() + "Programme");
    row = listItems(w, IDL_GETPFAD_DIR1).back();
    choose(w, IDL_GETPFAD_DIR1, last());
    enter();
    EXPECT_EQ(textOf(w, IDE_GETPFAD_TEXT1), tmp.path() + "Programme\\Valmorin Box");
    EXPECT_TRUE(picker.picked().empty());  // still open
    enter();                               // on the open folder: Ok
    if (picker.picked().empty()) click(w, IDB_GETPFAD_ABBRUCH);
  });
  EXPECT_EQ(picker.DoModal(nullptr), IDOK);
  EXPECT_EQ(picker.picked(), tmp.path() + "Programme\\Valmorin Box");
  ASSERT_FALSE(row.empty());
  EXPECT_EQ(row.substr(row.find_first_not_of(' ')), "Valmorin Box");
}

// Another drive opens on its current folder, which becomes the path that
// "Ok" answers.
TEST(GetPfad, ADriveOpensOnItsCurrentFolder) {
  // The picker opens on the working folder; the temporary folder's drive is
  // the other one, whose current folder is set as a command prompt leaves it.
  TempDir tmp;
  tmp.write("Programme\\x", "");
  const std::string current = tmp.path() + "Programme";
  char here[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, here);
  const std::string start = here;
  const char drive = static_cast<char>(toupper(static_cast<unsigned char>(current[0])));
  if (toupper(static_cast<unsigned char>(start[0])) == drive)
    GTEST_SKIP() << "needs the temporary folder on another drive than the working folder, as Wine has";
  const std::string variable = std::string("=") + drive + ":";
  SetEnvironmentVariableA(variable.c_str(), current.c_str());

  std::string shown;
  BoxAnswerer driver({}, [&](HWND w) {
    std::string name = txt::lower1252(std::string(1, drive) + ":");
    LRESULT index = SendMessageA(GetDlgItem(w, IDC_GETPFAD_DRIVE1), CB_FINDSTRINGEXACT,
                                 static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
    if (index == CB_ERR) {
      ADD_FAILURE() << "no drive z:";
      click(w, IDB_GETPFAD_ABBRUCH);
      return;
    }
    choose(w, IDC_GETPFAD_DRIVE1, static_cast<int>(index));
    shown = textOf(w, IDE_GETPFAD_TEXT1);
    std::vector<std::string> rows = listItems(w, IDL_GETPFAD_DIR1);
    EXPECT_GT(rows.size(), 1u);  // the levels down to the current folder
    click(w, IDB_GETPFAD_OK);
  });
  setup::getpfad picker(start, nullptr);
  picker.DoModal(nullptr);
  SetEnvironmentVariableA(variable.c_str(), nullptr);
  EXPECT_EQ(txt::lower1252(shown), txt::lower1252(current));
  EXPECT_EQ(txt::lower1252(picker.picked()), txt::lower1252(current));
}

TEST(TheEnd, EachButtonClosesWithItsChoice) {
  const std::pair<int, setup::FinalChoice> buttons[] = {
      {IDB_THEEND_VALMORIN, setup::FinalChoice::Valmorin},
      {IDB_THEEND_EINSTELLUNGEN, setup::FinalChoice::Einstellungen},
      {IDB_THEEND_ENDE, setup::FinalChoice::Ende}};
  for (auto [button, choice] : buttons) {
    std::string caption;
    BoxAnswerer driver({}, [&](HWND w) {
      caption = ui::WindowText(w);
      EXPECT_EQ(textOf(w, IDT_THEEND_LABEL1), setup::Setup::finalText());
      click(w, button);
    });
    setup::theend dialog(setup::Setup::finalText());
    dialog.DoModal(nullptr);
    EXPECT_EQ(caption, "Installation beendet");
    EXPECT_EQ(dialog.choice(), choice);
  }
}

// Colours of a progress bar drawn at a fraction.
struct Bar {
  static constexpr int W = 200, H = 20;
  int blue = 0, white = 0;          // pixels
  int blueLeft = 0, whiteLeft = 0;  // in the left tenth, away from the text
  int whiteRight = 0;               // in the right tenth
  explicit Bar(double fraction) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, W, H);
    HGDIOBJ old = SelectObject(dc, bmp);
    // Without smoothing every pixel is either colour.
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma");
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT box{0, 0, W, H};
    setup::ShowProgress(dc, box, fraction);
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) {
        COLORREF c = GetPixel(dc, x, y);
        bool isBlue = c == RGB(0, 0, 128), isWhite = c == RGB(255, 255, 255);
        blue += isBlue;
        white += isWhite;
        if (x < W / 10) {
          blueLeft += isBlue;
          whiteLeft += isWhite;
        }
        if (x >= W - W / 10) whiteRight += isWhite;
      }
    SelectObject(dc, oldFont);
    DeleteObject(font);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
  }
};

TEST(ShowProgress, TextAndBarInvertWhereTheyOverlap) {
  Bar empty(0.0), half(0.5), almost(0.994), full(1.0), beyond(3.0);
  const int tenth = Bar::H * Bar::W / 10;
  EXPECT_GT(empty.blue, 0);  // "1%" in dark blue on white, no bar
  EXPECT_EQ(empty.whiteLeft, tenth);
  EXPECT_EQ(empty.blue + empty.white, Bar::W * Bar::H);
  EXPECT_EQ(half.blueLeft, tenth);
  EXPECT_EQ(half.whiteRight, tenth);
  EXPECT_EQ(full.blueLeft, tenth);
  EXPECT_GT(full.white, 0);  // "99%" turned white under the bar
  EXPECT_EQ(full.blue + full.white, Bar::W * Bar::H);
  // Both read "99%": the bar of 0.994 leaves two columns white.
  EXPECT_EQ(almost.white, full.white + 2 * Bar::H);
  EXPECT_EQ(beyond.blue, full.blue);  // clamped
}

TEST(Copy, ShowsTheFileAndTheTarget) {
  setup::copy window;
  ASSERT_TRUE(window.Create(nullptr));
  EXPECT_EQ(window.Caption(), "Installiere Dateien...");
  window.showFile("deutsch.ln_", "C:\\Programme\\Valmorin Box\\texte\\deutsch.lng");
  window.showProgress(0.37);
  EXPECT_EQ(textOf(window.hwnd(), IDE_COPY_TEXT1), "deutsch.ln_");
  EXPECT_EQ(textOf(fieldOf(window.hwnd(), "Ziel:")), "C:\\Programme\\Valmorin Box\\texte\\deutsch.lng");
  EXPECT_EQ(textOf(window.hwnd(), IDT_COPY_LABEL3), "Gesamt:");
  click(window.hwnd(), IDB_COPY_ABBRUCH);  // has no effect
  EXPECT_TRUE(window.IsOpen());
}

TEST(StartMenu, ShortcutsWhereNoProgramManagerAnswers) {
  TempDir tmp;
  CoInitialize(nullptr);
  setup::ShellStartMenu menu(plat::wide(setup::CutBackslash(tmp.path())));
  RecordingDde none;
  none.refusals = -1;
  setup::createProgramGroup(none, menu, "Valmorin", "C:\\Programme\\Valmorin Box");
  for (const char* item : {"Valmorin", "Einstellungen", "Anleitung", "Cruncher"})
    EXPECT_TRUE(tmp.exists(std::string("Valmorin\\") + item + ".lnk")) << item;

  IShellLinkW* link = nullptr;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                         reinterpret_cast<void**>(&link))));
  IPersistFile* file = nullptr;
  link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  ASSERT_TRUE(SUCCEEDED(file->Load(plat::wide(tmp.file("Valmorin\\Einstellungen.lnk")).c_str(), STGM_READ)));
  wchar_t target[MAX_PATH] = {};
  link->GetPath(target, MAX_PATH, nullptr, 0);
  EXPECT_EQ(plat::narrow(target), "C:\\Programme\\Valmorin Box\\zorqcfg.exe");
  file->Release();
  link->Release();
  CoUninitialize();
}

}  // namespace

namespace {

TEST(ProgramManager, DdeConversationCreatesTheGroup) {
  // Wine's desktop answers PROGMAN once the program has a window.
  setup::copy anyWindow;
  ASSERT_TRUE(anyWindow.Create(nullptr));
  wchar_t programs[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
  const std::filesystem::path group = std::filesystem::path(programs) / L"Valmorin DDE-Test";
  std::error_code ec;
  std::filesystem::remove_all(group, ec);

  setup::DdemlLink link;
  // The desktop process may still be starting when the suite runs.
  bool answered = false;
  for (int round = 0; round < 25 && !answered; ++round) {
    answered = setup::ProgmanExecute(link, "Valmorin DDE-Test", "", "", 2);
    if (!answered) {
      pump();
      Sleep(200);
    }
  }
  ASSERT_TRUE(answered);
  EXPECT_TRUE(std::filesystem::is_directory(group));
  ASSERT_TRUE(link.connect());
  EXPECT_TRUE(link.execute("[DeleteGroup(Valmorin DDE-Test)]"));
  link.disconnect();
  EXPECT_FALSE(std::filesystem::exists(group));
  std::filesystem::remove_all(group, ec);
}

}  // namespace
