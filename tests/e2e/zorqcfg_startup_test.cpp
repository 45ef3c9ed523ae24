// The real zorqcfg.exe at start.
#include <gtest/gtest.h>

#include <filesystem>

#include "win32/demo_install.h"
#include "win32/exe_driver.h"

namespace {

using testing_support::DemoInstallation;
using testing_support::ExeRun;

TEST(ZorqcfgStart, WithoutZorqIniShowsTheMessageAndEndsWritingNothing) {
  DemoInstallation box(/*withIni=*/false);
  const std::string before = box.snapshot();
  ExeRun editor(testing_support::zorqcfgExe());
  ASSERT_TRUE(editor.started());
  auto shown = editor.waitMessageBox();
  ASSERT_TRUE(shown.has_value());
  EXPECT_EQ(shown->title, "Valmorin Config");
  EXPECT_EQ(shown->text, "ZORQ.INI fehlt, Installation fehlerhaft");
  editor.answer(*shown, IDOK);
  EXPECT_TRUE(editor.waitExit().has_value());
  EXPECT_FALSE(std::filesystem::exists(box.iniPath()));
  EXPECT_EQ(box.snapshot(), before);
}

}  // namespace
