#include "services/external.h"

#include <gtest/gtest.h>

#include <random>

#include "temp_dir.h"

namespace {

using testing_support::TempDir;
using zorq::ExternalPrograms;
using Field = zorq::ExternalPrograms::Field;

std::string record(const std::string& name, const std::string& options = " 0 ") {
  return name + "\r\nKommentar\r\nC:\\BOX\\" + name + ".EXE $PO\r\n\r\n" + options + "\r\n";
}

struct External : ::testing::Test {
  TempDir dir;
  zorq::Installation where{"", dir.path()};
  plat::FileSystem& fs = plat::localFileSystem();
  ExternalPrograms editor;
  External() { fs.makeDirectory(dir.path() + "daten"); }

  void file(const std::string& bytes) { dir.write("daten\\extern.dat", bytes); }
  std::string file() const { return dir.read("daten\\extern.dat"); }
  bool saved() { return editor.save(fs, where).ok(); }
  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const auto& e : editor.entries) out.push_back(e.name);
    return out;
  }
};

TEST_F(External, WithoutAFileTheTableIsEmptyAndSavesAsAnEmptyFile) {
  ASSERT_TRUE(editor.load(fs, where).ok());
  EXPECT_TRUE(editor.empty());
  EXPECT_FALSE(editor.editable());
  ASSERT_TRUE(saved());
  EXPECT_TRUE(dir.exists("daten\\extern.dat"));
  EXPECT_EQ(file(), "");
}

// Level in the low byte, bit 8 "Befehl", bit 9 "Extern", the shortcut in the
// top byte: a negative word is written with its minus and no leading blank.
TEST_F(External, TheOptionsWordIsWrittenWithItsSignAndReadBack) {
  struct Row {
    const char *level, *shortcut;
    bool befehl, extern_;
    const char *word, *levelShown, *shortcutShown;
  };
  for (const Row& r : {Row{"10", "5", true, false, " 83886346 ", " 10", " 5"},    // 5 << 24 | 256 | 10
                       Row{"0", "-1", false, true, "-16776704 ", " 0", "-1"}}) {  // 255 << 24 | 512
    SCOPED_TRACE(r.word);
    fs.remove(dir.path() + "daten\\extern.dat");
    ASSERT_TRUE(editor.load(fs, where).ok());
    ASSERT_TRUE(editor.add().ok());
    editor.fields.name = "  Schach  ";
    editor.fields.level = r.level;
    editor.fields.shortcut = r.shortcut;
    editor.fields.befehl = r.befehl;
    editor.fields.extern_ = r.extern_;
    ASSERT_TRUE(saved());
    EXPECT_EQ(file(), std::string("Schach\r\n\r\n\r\n\r\n") + r.word + "\r\n");

    ExternalPrograms again;
    ASSERT_TRUE(again.load(fs, where).ok());
    EXPECT_EQ(again.fields.name, "Schach");
    EXPECT_EQ(again.fields.level, r.levelShown);
    EXPECT_EQ(again.fields.shortcut, r.shortcutShown);
    EXPECT_EQ(again.fields.befehl, r.befehl);
    EXPECT_EQ(again.fields.extern_, r.extern_);
  }
}

TEST_F(External, BitsTenToTwentyThreeSurviveEditsOfTheOtherFields) {
  const std::int32_t kept = (1 << 10) | (1 << 17) | (1 << 23);
  file(record("Spiel", " " + std::to_string(kept | 256 | 7) + " "));
  ASSERT_TRUE(editor.load(fs, where).ok());
  editor.fields.level = "200";
  editor.fields.befehl = false;
  editor.fields.shortcut = "-128";
  ASSERT_TRUE(saved());
  EXPECT_EQ(file(),
            record("Spiel", std::to_string(static_cast<std::int32_t>(0x80000000u) | kept | 200) + " "));
}

TEST_F(External, AFileLoadsAndSavesByteForByteWithNamesTrimmed) {
  const std::string bytes =
      record("Schach", " 16777738 ") + record("Drachenh\xf6hle", " 33554954 ") +
      "Boxregeln\r\nDie Regeln\r\n#SHOW C:\\BOX\\TEXTE\\REGELN.TXT\r\n\r\n 50331904 \r\n" +
      record("Dateisuche", "-16777196 ");
  file("  " + bytes.substr(0, 6) + "   " + bytes.substr(6));  // "  Schach   "
  ASSERT_TRUE(editor.load(fs, where).ok());
  EXPECT_EQ(editor.entries.size(), 4u);
  EXPECT_EQ(editor.shown(), 0);
  EXPECT_EQ(editor.fields.name, "Schach");
  EXPECT_EQ(editor.fields.level, " 10");
  EXPECT_EQ(editor.fields.shortcut, " 1");
  EXPECT_TRUE(editor.fields.extern_);
  ASSERT_TRUE(saved());
  EXPECT_EQ(file(), bytes);
  EXPECT_FALSE(dir.exists("daten\\extern.dat.bak"));
}

TEST_F(External, ARecordCutShortKeepsWhatWasReadAndTheFileIsBackedUpOnSave) {
  const std::string bytes = record("Schach", " 10 ") + "Post\r\nPost lesen\r\n";
  file(bytes);
  txt::Status loaded = editor.load(fs, where);
  EXPECT_EQ(loaded.error, "Fehler beim Laden von <extern.dat>");
  ASSERT_EQ(editor.entries.size(), 2u);
  EXPECT_EQ(editor.entries[1].name, "Post");
  EXPECT_EQ(editor.entries[1].comment, "Post lesen");
  EXPECT_EQ(editor.entries[1].call, "");
  EXPECT_EQ(editor.entries[1].options, 0);
  // The first entry is shown, so that the fields stand for an entry in sight.
  EXPECT_EQ(editor.shown(), 0);
  EXPECT_EQ(editor.fields.name, "Schach");

  ASSERT_TRUE(saved());
  EXPECT_EQ(dir.read("daten\\extern.dat.bak"), bytes);
  EXPECT_EQ(file(), record("Schach", " 10 ") + "Post\r\nPost lesen\r\n\r\n\r\n 0 \r\n");
  // Saved once, the backup holds the damaged file still.
  ASSERT_TRUE(saved());
  EXPECT_EQ(dir.read("daten\\extern.dat.bak"), bytes);
}

TEST_F(External, OfThreeHundredAndTwoRecordsTheFirst301LoadAndTheFileIsBackedUp) {
  std::string bytes;
  for (int i = 0; i < 302; ++i) bytes += record("P" + std::to_string(i));
  file(bytes);
  EXPECT_FALSE(editor.load(fs, where).ok());
  ASSERT_EQ(editor.entries.size(), 301u);
  EXPECT_EQ(editor.entries.back().name, "P300");
  // No room for another one.
  EXPECT_FALSE(editor.add().ok());
  EXPECT_EQ(editor.entries.size(), 301u);
  ASSERT_TRUE(saved());
  EXPECT_EQ(dir.read("daten\\extern.dat.bak"), bytes);
  EXPECT_EQ(file(), bytes.substr(0, bytes.find("P301\r\n")));
}

TEST_F(External, AnOptionsWordThatIsNoNumberIsALoadError) {
  file(record("A") + "B\r\n\r\n\r\n\r\nzehn\r\n" + record("C"));
  EXPECT_FALSE(editor.load(fs, where).ok());
  ASSERT_EQ(editor.entries.size(), 2u);
  EXPECT_EQ(editor.entries[1].options, 0);
}

TEST_F(External, SortingIsStableAndPutsUpperCaseFirst) {
  file(record("beta") + record("Alpha") + record("alpha") + record("\xc4pfel") + record("beta", " 5 "));
  ASSERT_TRUE(editor.load(fs, where).ok());
  editor.fields.level = "9";  // the shown "beta": committed before the sort
  ASSERT_TRUE(editor.sort().ok());
  EXPECT_EQ(names(), (std::vector<std::string>{"Alpha", "alpha", "beta", "beta", "\xc4pfel"}));
  EXPECT_EQ(zorq::levelOf(editor.entries[2].options), 9);
  EXPECT_EQ(zorq::levelOf(editor.entries[3].options), 5);
  EXPECT_EQ(editor.shown(), 0);
  EXPECT_EQ(editor.fields.name, "Alpha");
}

// The passes as written down: adjacent names compared by character codes,
// an exchange only when the first is greater, until a pass exchanges nothing.
std::vector<zorq::ExternalProgram> plainBubbleSort(std::vector<zorq::ExternalProgram> programs) {
  auto greater = [](const std::string& a, const std::string& b) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
      if (a[i] != b[i]) return static_cast<unsigned char>(a[i]) > static_cast<unsigned char>(b[i]);
    return a.size() > b.size();
  };
  for (bool exchanged = programs.size() >= 2; exchanged;) {
    exchanged = false;
    for (std::size_t i = 0; i + 1 < programs.size(); ++i)
      if (greater(programs[i].name, programs[i + 1].name)) {
        std::swap(programs[i], programs[i + 1]);
        exchanged = true;
      }
  }
  return programs;
}

TEST_F(External, SortingGivesTheOrderOfThePlainPasses) {
  const std::vector<std::string> pool = {"beta", "Alpha", "alpha", "\xc4pfel", "\xe4pfel", "",
                                         "a",    "B",     "beta ", "Beta",     "~",        "(NEU)"};
  std::mt19937 random(301);
  for (int round = 0; round < 200; ++round) {
    std::vector<zorq::ExternalProgram> programs(random() % 12);
    for (std::size_t i = 0; i < programs.size(); ++i)
      programs[i] = {pool[random() % pool.size()], "k" + std::to_string(i), "", "", 0};
    std::vector<std::string> expected;
    for (const auto& e : plainBubbleSort(programs)) expected.push_back(e.comment);
    editor = {};
    editor.entries = programs;
    ASSERT_TRUE(editor.sort().ok());
    std::vector<std::string> comments;
    for (const auto& e : editor.entries) comments.push_back(e.comment);
    ASSERT_EQ(comments, expected) << "round " << round;
  }
}

TEST_F(External, ALevelOrShortcutOutsideItsByteIsRefusedAndTheEntryStaysShown) {
  file(record("A", " 10 ") + record("B", " 20 "));
  ASSERT_TRUE(editor.load(fs, where).ok());
  const std::string before = file();
  Field refused = Field::None;

  editor.fields.level = "300";
  txt::Status status = editor.select(1, &refused);
  EXPECT_EQ(status.error, "Der Level muss zwischen 0 und 255 liegen.");
  EXPECT_EQ(refused, Field::Level);
  EXPECT_EQ(editor.shown(), 0);
  EXPECT_EQ(editor.fields.level, "300");
  EXPECT_EQ(zorq::levelOf(editor.entries[0].options), 10);  // never stored as 44
  EXPECT_FALSE(editor.sort(&refused).ok());
  EXPECT_FALSE(editor.add(&refused).ok());
  EXPECT_EQ(editor.entries.size(), 2u);
  EXPECT_FALSE(editor.save(fs, where, &refused).ok());
  EXPECT_EQ(refused, Field::Level);
  EXPECT_EQ(file(), before);

  editor.fields.level = "-1";
  EXPECT_FALSE(editor.commit().ok());
  editor.fields.level = "255";
  editor.fields.shortcut = "128";
  status = editor.commit(&refused);
  EXPECT_EQ(status.error, "Der Shortcut muss zwischen -128 und 127 liegen.");
  EXPECT_EQ(refused, Field::Shortcut);
  editor.fields.shortcut = "-129";
  EXPECT_FALSE(editor.commit().ok());

  // Inside the range, the leading number counts as before.
  editor.fields.level = "12abc";
  editor.fields.shortcut = " -128";
  ASSERT_TRUE(editor.select(1, &refused).ok());
  EXPECT_EQ(refused, Field::None);
  EXPECT_EQ(zorq::levelOf(editor.entries[0].options), 12);
  EXPECT_EQ(zorq::shortcutOf(editor.entries[0].options), -128);
  EXPECT_EQ(editor.fields.name, "B");
}

TEST_F(External, TextsAreCutToTheirLengthsWhenStored) {
  ASSERT_TRUE(editor.load(fs, where).ok());
  ASSERT_TRUE(editor.add().ok());
  editor.fields.name = std::string(100, 'n');
  editor.fields.comment = std::string(250, 'k');
  editor.fields.call = std::string(250, 'a');
  editor.fields.group = std::string(50, 'g');
  ASSERT_TRUE(editor.commit().ok());
  const auto& e = editor.entries[0];
  EXPECT_EQ(e.name.size(), 80u);
  EXPECT_EQ(e.comment.size(), 200u);
  EXPECT_EQ(e.call.size(), 200u);
  EXPECT_EQ(e.group.size(), 40u);
}

TEST_F(External, DeletingShowsTheFirstEntryAndTheLastLeavesNothingToEdit) {
  file(record("A") + record("B"));
  ASSERT_TRUE(editor.load(fs, where).ok());
  ASSERT_TRUE(editor.select(1).ok());
  editor.fields.name = "uncommitted";
  editor.remove();
  EXPECT_EQ(names(), std::vector<std::string>{"A"});
  EXPECT_EQ(editor.fields.name, "A");
  editor.remove();
  EXPECT_TRUE(editor.empty());
  EXPECT_FALSE(editor.editable());
  EXPECT_EQ(editor.fields.name, "");
  EXPECT_EQ(editor.fields.level, "");
  editor.remove();  // nothing left to remove
  ASSERT_TRUE(editor.add().ok());
  EXPECT_EQ(editor.fields.name, "(NEU)");
  EXPECT_EQ(editor.fields.call, "");
  EXPECT_EQ(editor.fields.level, " 0");
  EXPECT_FALSE(editor.fields.befehl || editor.fields.extern_);
}

}  // namespace
