#include "commands/aliases.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace {

using testing_support::TempDir;

struct Aliases : ::testing::Test {
  TempDir dir;
  zorq::Installation where{"", dir.path()};
  txt::Status status;

  zorq::AliasChoices load() { return zorq::loadAliasChoices(plat::localFileSystem(), where, status); }
  void language(const std::string& bytes) { dir.write("texte\\deutsch.lng", bytes); }
};

// The head of a language file: two lines, then pairs of text fields.
std::string head(int pairs) {
  std::string out = "Sprachdatei deutsch\r\nZeilenfolge nicht ver\xe4ndern!\r\n";
  out += "\"Lesen\",\"Nachrichten lesen\"\r\n";
  out += "  L\xf6schen\r\nNachricht l\xf6schen\r\n";
  out += "\"Hilfe, ausf\xfchrlich\", Hilfe\r\n";
  for (int i = 3; i < pairs; ++i) {
    const std::string n = std::to_string(i);
    out.append("W").append(n).append("\r\n\"Text ").append(n).append("\"\r\n");
  }
  return out;
}

TEST_F(Aliases, WithoutTheLanguageFileOnlyShowTextIsListedAndAnswersShow) {
  auto choices = load();
  EXPECT_TRUE(status.ok());
  ASSERT_EQ(choices.entries, std::vector<std::string>{"Text anzeigen"});
  EXPECT_EQ(choices.answerFor(0), "SHOW");
  EXPECT_EQ(choices.answerFor(1), "");
}

TEST_F(Aliases, ListsTheFirstFieldOfEachPairQuotedOrNotOnOneLineOrTwo) {
  language(head(43) + "\"Rest\",\"der Datei\"\r\nwird nicht gelesen\r\n");
  auto choices = load();
  EXPECT_TRUE(status.ok());
  ASSERT_EQ(choices.entries.size(), 44u);
  EXPECT_EQ(choices.entries[0], "Lesen");
  EXPECT_EQ(choices.entries[1], "L\xf6schen");
  EXPECT_EQ(choices.entries[2], "Hilfe, ausf\xfchrlich");
  EXPECT_EQ(choices.entries[42], "W42");
  EXPECT_EQ(choices.entries[43], "Text anzeigen");
  EXPECT_EQ(choices.answerFor(0), "Lesen");
  EXPECT_EQ(choices.answerFor(43), "SHOW");
}

TEST_F(Aliases, AFileEndingBeforeTheLastPairKeepsTheWordsReadAndNoShowText) {
  language(head(42) + "W42\r\n");  // the last word lacks its text
  auto choices = load();
  EXPECT_EQ(status.error, "Fehler beim Laden von <deutsch.lng>");
  ASSERT_EQ(choices.entries.size(), 42u);
  EXPECT_EQ(choices.entries.back(), "W41");
  EXPECT_EQ(choices.answerFor(41), "W41");
}

// An empty file, or one without its two head lines, is damaged, not missing.
TEST_F(Aliases, AFileShorterThanItsHeadListsNothing) {
  for (const char* bytes : {"", "Sprachdatei deutsch\r\n"}) {
    language(bytes);
    auto choices = load();
    EXPECT_EQ(status.error, "Fehler beim Laden von <deutsch.lng>") << bytes;
    EXPECT_TRUE(choices.entries.empty()) << bytes;
    EXPECT_EQ(choices.answerFor(0), "") << bytes;
  }
}

TEST_F(Aliases, AVeryLongWordIsListedWhole) {
  const std::string word(100000, 'x');
  std::string file = head(43);
  language(file.replace(file.find("\"Lesen\""), 7, word));
  auto choices = load();
  EXPECT_TRUE(status.ok());
  EXPECT_EQ(choices.answerFor(0), word);
  EXPECT_EQ(choices.entries.size(), 44u);
}

TEST_F(Aliases, AWordThatReadsTextAnzeigenIsStillACommandWord) {
  std::string file = head(43);
  language(file.replace(file.find("\"Lesen\""), 7, "\"Text anzeigen\""));
  auto choices = load();
  EXPECT_EQ(choices.answerFor(0), "Text anzeigen");
  EXPECT_EQ(choices.answerFor(43), "SHOW");
}

}  // namespace
