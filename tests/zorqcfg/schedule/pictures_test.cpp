// Pictures of the schedule editor, its small dialogs and the add-on tools
// manager over the demo installation, for a person to look at. Written only
// when VALMORIN_SCREENSHOTS names a folder (a Windows path).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "schedule/frmsperre.h"
#include "schedule/frmwoch.h"
#include "schedule/frmzeit.h"
#include "schedule/frmzeit_ids.h"
#include "schedule/frmzusa.h"
#include "schedule/janus2.h"
#include "schedule_context.h"
#include "win32/demo_install.h"

namespace {

using namespace testing_support;

struct Screenshot : ::testing::Test, ScheduleContext {
  std::string folder;

  void SetUp() override {
    const char* target = std::getenv("VALMORIN_SCREENSHOTS");
    if (target == nullptr || *target == '\0') GTEST_SKIP() << "VALMORIN_SCREENSHOTS is not set";
    folder = std::string(target) + "\\";
    std::filesystem::create_directories(folder);
    for (const char* name : {"daten\\zeit.txt", "zusatz.dat"})
      std::filesystem::copy_file(sourcePath(std::string("examples\\demo\\") + name), dir.path() + name);
  }

  // Shows a query modally and pictures it from its own modal loop.
  template <class Query>
  void picture(Query& query, const std::string& name) {
    ModalScript script({[&](HWND w) {
      EXPECT_TRUE(saveScreenshot(w, folder + name + ".bmp"));
      closeBox(w);
    }});
    query.DoModal(nullptr);
  }
};

TEST_F(Screenshot, ScheduleEditor) {
  zorq::frmzeit editor(ctx);
  ASSERT_TRUE(editor.Create(nullptr));
  choose(editor.hwnd(), IDL_FRMZEIT_ZEITEN, 4);
  EXPECT_TRUE(saveScreenshot(editor.hwnd(), folder + "frmzeit.bmp"));
}

TEST_F(Screenshot, OnOffQuery) {
  zorq::frmsperre query("Port");
  picture(query, "frmsperre");
}

TEST_F(Screenshot, Janus2Query) {
  std::int16_t janusmodus = 0;
  zorq::janus2 query(janusmodus);
  picture(query, "janus2");
}

TEST_F(Screenshot, WeekdayChooser) {
  zorq::frmwoch chooser("Mon,Mit,Fri");
  picture(chooser, "frmwoch");
}

TEST_F(Screenshot, ToolsManager) {
  zorq::frmzusa manager(ctx);
  ASSERT_TRUE(manager.Create(nullptr));
  EXPECT_TRUE(saveScreenshot(manager.hwnd(), folder + "frmzusa.bmp"));
}

}  // namespace
