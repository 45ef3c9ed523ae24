// The modem parameters and their presets driven as a sysop would, and the
// way from the main window's port chooser to them.
#include "ports/frmmodem2.h"

#include <gtest/gtest.h>

#include <memory>

#include "ports/frmmodem2_ids.h"
#include "ports/frmport_ids.h"
#include "ports/vorein_ids.h"
#include "view_context.h"
#include "win32/view_driver.h"
#include "win32/window_checks.h"

namespace {

using namespace testing_support;

const std::string kFile =
    "COM2:\r\n38400\r\n2400\r\nATZ\r\nATH\r\nATDT\r\nATH1\r\nRING\r\nATA\r\n43\r\n"
    "ATS0=0&D0&C1S2=43\r\nCONNECT\r\n10000\r\n12000\r\n 1\r\n0\r\n0\r\n0301 777\r\n1\r\n0\r\n1\r\n";

struct ModemView : ::testing::Test, ViewContext {
  std::unique_ptr<zorq::frmmodem2> dialog;

  HWND open(int port) {
    dialog = std::make_unique<zorq::frmmodem2>(ctx, port);
    EXPECT_TRUE(dialog->Create(nullptr));
    pump();
    return dialog->hwnd();
  }
  void file(const std::string& name, const std::string& bytes) { dir.write("daten\\" + name, bytes); }
  std::string file(const std::string& name) const { return dir.read("daten\\" + name); }
  bool visible(int id) const { return IsWindowVisible(GetDlgItem(dialog->hwnd(), id)) != FALSE; }
  // The modem groups are shown and the CAPI group hidden, or the other way.
  void expectCapiShown(bool capi) const {
    for (int id :
         {IDC_FRMMODEM2_SCHNITTSTELLE, IDE_FRMMODEM2_COMPORT, IDB_FRMMODEM2_VOREIN,
          IDC_FRMMODEM2_MODEMBEFEHLE, IDX_FRMMODEM2_DTRDROP, IDC_FRMMODEM2_INIT, IDE_FRMMODEM2_CONNECT})
      EXPECT_EQ(visible(id), !capi) << id;
    for (int id : {IDC_FRMMODEM2_CAPIGROUP, IDT_FRMMODEM2_RUFNUMMER, IDE_FRMMODEM2_RUFNUMMER,
                   IDT_FRMMODEM2_ERKLAERUNG, IDX_FRMMODEM2_USERNAME, IDX_FRMMODEM2_UNBEKANNT})
      EXPECT_EQ(visible(id), capi) << id;
    EXPECT_TRUE(visible(IDX_FRMMODEM2_CAPI));
  }
};

TEST_F(ModemView, ShowsThePortsFileAndSwitchesTheGroupsWithTheCapiBox) {
  file("modem3.txt", kFile);
  HWND d = open(3);
  EXPECT_EQ(textOf(fieldOf(d, "COM&Port")), "COM2:");
  EXPECT_EQ(textOf(fieldOf(d, "Outputbu&ffer")), "12000");
  EXPECT_EQ(textOf(fieldOf(d, "&Modeminit")), "ATS0=0&D0&C1S2=43");
  EXPECT_TRUE(dialog->IsChecked(IDX_FRMMODEM2_RTSCTS));
  EXPECT_TRUE(dialog->IsChecked(IDX_FRMMODEM2_DTRDROP));
  expectCapiShown(false);
  expectTidy(d);

  click(d, IDX_FRMMODEM2_CAPI);
  expectCapiShown(true);
  EXPECT_EQ(textOf(fieldOf(d, "Rufnummer, auf die der Port antworten soll")), "0301 777");
  EXPECT_TRUE(dialog->IsChecked(IDX_FRMMODEM2_UNBEKANNT));
  expectEverythingFits(d);
  click(d, IDX_FRMMODEM2_CAPI);
  expectCapiShown(false);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ModemView, OkWritesTheFieldsAndWarnsAboutHugeBuffersButStillSaves) {
  HWND d = open(0);  // no file: empty
  EXPECT_EQ(textOf(d, IDE_FRMMODEM2_COMPORT), "");
  expectCapiShown(false);
  choose(d, IDE_FRMMODEM2_COMPORT, 3);
  type(d, IDE_FRMMODEM2_RING, "ring");
  type(d, IDE_FRMMODEM2_RESET, "atz");
  type(d, IDE_FRMMODEM2_INPUTBUFFER, "65001");
  setCheck(d, IDX_FRMMODEM2_RTSCTS, true);
  click(d, IDB_FRMMODEM2_OK);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Mehr als 64 KB ist bei den Buffern sinnlos");
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(file("modem.txt"),
            "COM4:\r\n0\r\n0\r\natz\r\n\r\n\r\n\r\nRING\r\n\r\n0\r\n\r\n\r\n65001\r\n0\r\n "
            "1\r\n0\r\n0\r\n\r\n0\r\n0\r\n0\r\n");
}

TEST_F(ModemView, AfterALoadErrorTheGroupsFitTheSwitchAndOkWritesTheFullFormKeepingTheOldFile) {
  const std::string broken = kFile.substr(0, kFile.find("0301"));  // line 17 (CAPI on) without 18
  file("modem5.txt", broken.substr(0, broken.size() - 3) + "1\r\n");
  HWND d = open(5);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Laden von <modem5.txt>");
  EXPECT_TRUE(dialog->IsChecked(IDX_FRMMODEM2_CAPI));
  expectCapiShown(true);
  click(d, IDB_FRMMODEM2_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(file("modem5.txt"), kFile.substr(0, kFile.find("0\r\n0301")) + "1\r\n\r\n0\r\n0\r\n0\r\n");
  EXPECT_EQ(file("modem5.txt.bak"), broken.substr(0, broken.size() - 3) + "1\r\n");
}

// Plays the presets dialog: picks an option (0 for "Abbruch") and closes.
BoxAnswerer presets(int option, HWND* seen = nullptr) {
  return BoxAnswerer({}, [option, seen](HWND p) {
    if (seen != nullptr) *seen = p;
    if (option == 0) {
      click(p, IDB_VOREIN_ABBRUCH);
      return;
    }
    click(p, IDO_VOREIN_HAYES + option - 1);
    click(p, IDB_VOREIN_OK);
  });
}

TEST_F(ModemView, PresetsFillTheCommandSetAndAskForTheNumberOnlyForCfosAndTeles) {
  file("modem2.txt", kFile);
  HWND d = open(2);
  {
    HWND p = nullptr;
    BoxAnswerer answer({}, [&](HWND shown) {
      p = shown;
      EXPECT_EQ(ui::WindowText(shown), "Modemparameter");
      EXPECT_EQ(IsDlgButtonChecked(shown, IDO_VOREIN_HAYES), BST_CHECKED);
      expectTidy(shown);
      click(shown, IDO_VOREIN_CFOS);
      click(shown, IDB_VOREIN_OK);
    });
    ui.inputs = {std::string("0301 4711")};
    click(d, IDB_FRMMODEM2_VOREIN);
    EXPECT_NE(p, nullptr);
  }
  ASSERT_EQ(ui.prompts.size(), 1u);
  EXPECT_EQ(ui.prompts[0],
            "Welche Telefonnummer soll \xfc"
            "berwacht werden?");
  EXPECT_EQ(textOf(d, IDE_FRMMODEM2_MODEMINIT), "AT X7 &A0=0301 4711 &L0");
  EXPECT_EQ(textOf(d, IDE_FRMMODEM2_BAUD), "128000");
  EXPECT_EQ(textOf(d, IDE_FRMMODEM2_RUFNUMMER), "0301 777");  // the CAPI fields stay
  EXPECT_TRUE(dialog->IsChecked(IDX_FRMMODEM2_DTRDROP));

  {
    auto answer = presets(3);
    ui.inputs = {std::nullopt};  // the input box cancelled: the preset with no number
    click(d, IDB_FRMMODEM2_VOREIN);
  }
  EXPECT_EQ(textOf(d, IDE_FRMMODEM2_MODEMINIT), "ATB4&D%P ");

  type(d, IDE_FRMMODEM2_RESET, "AT&F");
  {
    auto answer = presets(0);
    click(d, IDB_FRMMODEM2_VOREIN);
  }
  EXPECT_EQ(textOf(d, IDE_FRMMODEM2_RESET), "AT&F");
  {
    auto answer = presets(1);
    click(d, IDB_FRMMODEM2_VOREIN);
  }
  EXPECT_EQ(ui.prompts.size(), 2u);  // neither "Abbruch" nor Hayes asked
  EXPECT_EQ(textOf(d, IDE_FRMMODEM2_MODEMINIT), "ATS0=0&D0&C1S2=43");
  EXPECT_EQ(textOf(d, IDE_FRMMODEM2_RESET), "ATZ");
  EXPECT_EQ(file("modem2.txt"), kFile);  // nothing written before "OK"
}

TEST_F(ModemView, TheMainWindowsChooserGoesOnToThePortsModemParameters) {
  std::vector<std::string> captions;
  {
    BoxAnswerer answer({}, [&](HWND shown) {
      captions.push_back(ui::WindowText(shown));
      if (captions.size() == 1) {
        click(shown, IDB_FRMPORT_PORT + 3);
      } else {
        type(shown, IDE_FRMMODEM2_RESET, "ATZ0");
        click(shown, IDB_FRMMODEM2_OK);
      }
    });
    zorq::makeModemParameters(ctx)->DoModal(nullptr);
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"Portwahl", "Modemparameter"}));
  EXPECT_EQ(file("modem3.txt").substr(0, 20), "\r\n0\r\n0\r\nATZ0\r\n\r\n\r\n\r\n");

  captions.clear();
  {
    BoxAnswerer answer({}, [&](HWND shown) {
      captions.push_back(ui::WindowText(shown));
      click(shown, IDB_FRMPORT_ABBRUCH);
    });
    zorq::makeModemParameters(ctx)->DoModal(nullptr);
  }
  EXPECT_EQ(captions, std::vector<std::string>{"Portwahl"});
}

}  // namespace
