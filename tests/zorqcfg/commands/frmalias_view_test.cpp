// The command picker: the words of deutsch.lng, "Text anzeigen", and the
// answers.
#include "commands/frmalias.h"

#include <gtest/gtest.h>

#include "commands/frmalias_ids.h"
#include "view_context.h"
#include "win32/view_driver.h"

namespace {

using namespace testing_support;

struct AliasView : ::testing::Test, ViewContext {
  zorq::frmalias picker{ctx};

  // Opened beside the test rather than modally, so that the test can drive it.
  HWND open() {
    EXPECT_TRUE(picker.Create(nullptr));
    pump();
    return picker.hwnd();
  }
  void language(const std::string& bytes) { dir.write("texte\\deutsch.lng", bytes); }
};

std::string languageFile(int pairs) {
  std::string out = "Sprachdatei deutsch\r\nZeilenfolge nicht ver\xe4ndern!\r\n";
  out += "\"Lesen\",\"Nachrichten lesen\"\r\nL\xf6schen\r\nNachricht l\xf6schen\r\n";
  for (int i = 2; i < pairs; ++i) out.append("\"W").append(std::to_string(i)).append("\",\"\"\r\n");
  return out;
}

TEST_F(AliasView, ListsTheCommandWordsAndTextAnzeigenAndAnswersTheDoubleClickedOneOrNothing) {
  language(languageFile(43));
  HWND d = open();
  auto items = listItems(d, IDL_FRMALIAS_LIST);
  ASSERT_EQ(items.size(), 44u);
  EXPECT_EQ(items[43], "Text anzeigen");
  doubleClick(d, IDL_FRMALIAS_LIST, 1);
  EXPECT_FALSE(picker.IsOpen());
  EXPECT_EQ(picker.auswahl(), "L\xf6schen");
  EXPECT_TRUE(ui.shown.empty());

  d = open();
  choose(d, IDL_FRMALIAS_LIST, 0);
  click(d, IDB_FRMALIAS_ABBRUCH);
  EXPECT_FALSE(picker.IsOpen());
  EXPECT_EQ(picker.auswahl(), "");
}

TEST(AliasPicker, ShownModallyItAnswersWhatWasChosen) {
  ViewContext view;
  BoxAnswerer answerer({}, [](HWND picker) { doubleClick(picker, IDL_FRMALIAS_LIST, 0); });
  EXPECT_EQ(zorq::showAliasPicker(view.ctx), "SHOW");
}

}  // namespace
