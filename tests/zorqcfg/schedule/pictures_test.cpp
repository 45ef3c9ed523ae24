// Pictures of the schedule editor, its small dialogs and the add-on tools
// manager over the demo installation, for scripts/screenshots (which names
// the folder).
#include <gtest/gtest.h>

#include <filesystem>

#include "schedule/frmsperre.h"
#include "schedule/frmwoch.h"
#include "schedule/frmzeit.h"
#include "schedule/frmzeit_ids.h"
#include "schedule/frmzusa.h"
#include "schedule/janus2.h"
#include "view_context.h"
#include "win32/modal_script.h"
#include "win32/demo_install.h"

namespace {

using namespace testing_support;

struct Screenshot : ::testing::Test, ViewContext {
  Screenshot() {
    for (const char* name : {"daten\\zeit.txt", "zusatz.dat"})
      std::filesystem::copy_file(sourcePath(std::string("examples\\demo\\") + name), dir.path() + name);
  }
  // Shows a query modally and pictures it from its own modal loop.
  template <class Query>
  void picture(Query& query, const std::string& name) {
    ModalScript script({[&](HWND w) {
      captureIfAsked(w, name);
      closeBox(w);
    }});
    query.DoModal(nullptr);
  }
};

TEST_F(Screenshot, ScheduleEditor) {
  zorq::frmzeit editor(ctx);
  ASSERT_TRUE(editor.Create(nullptr));
  choose(editor.hwnd(), IDL_FRMZEIT_ZEITEN, 4);
  captureIfAsked(editor.hwnd(), "frmzeit");
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
  captureIfAsked(manager.hwnd(), "frmzusa");
}

}  // namespace
