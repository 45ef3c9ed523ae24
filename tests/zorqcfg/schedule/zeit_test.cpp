#include "schedule/zeit.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "fake_ui.h"
#include "faulty_fs.h"
#include "temp_dir.h"

namespace {

using testing_support::FakeUi;
using testing_support::FaultyFileSystem;
using testing_support::TempDir;
using zorq::ScheduleEntry;

struct Schedule : ::testing::Test {
  TempDir dir;
  zorq::Installation where{"", dir.path()};
  plat::FileSystem& fs = plat::localFileSystem();
  zorq::ScheduleEditor editor;
  FakeUi ui;
  Schedule() { fs.makeDirectory(dir.path() + "daten"); }

  void file(const std::string& name, const std::string& bytes) { dir.write("daten\\" + name, bytes); }
  std::string file(const std::string& name) const { return dir.read("daten\\" + name); }
  std::vector<std::string> times() const {
    std::vector<std::string> out;
    for (const ScheduleEntry& e : editor.entries) out.push_back(e.time);
    return out;
  }
  void entries(std::vector<ScheduleEntry> list) {
    editor.entries = std::move(list);
    editor.select(0);
  }
};

TEST_F(Schedule, AMissingFileIsAnEmptyScheduleSavedAsBlankAndZero) {
  ASSERT_TRUE(editor.open(fs, where, 0).ok());
  EXPECT_TRUE(editor.entries.empty());
  EXPECT_EQ(editor.selected, -1);
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(file("zeit.txt"), " 0\r\n");
}

TEST_F(Schedule, TheCountLineIsIgnoredAndWrittenAnewAndTheFileFollowsTheNetworkNumber) {
  const std::string pairs = "02:00\r\nCRCH\r\n\r\nPORT 1 OFF *(Son)\r\n03:05\r\n\r\n";
  file("zeit7.txt", " 99 \r\n" + pairs);
  ASSERT_TRUE(editor.open(fs, where, 7).ok());
  EXPECT_EQ(editor.fileName(), "zeit7.txt");
  // Empty time and event lines are entries like any other.
  EXPECT_EQ(editor.entries,
            (std::vector<ScheduleEntry>{{"02:00", "CRCH"}, {"", "PORT 1 OFF *(Son)"}, {"03:05", ""}}));
  EXPECT_EQ(editor.selected, 0);
  EXPECT_EQ(editor.timeField, "02:00");
  EXPECT_EQ(editor.eventField, "CRCH");
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(file("zeit7.txt"), " 3\r\n" + pairs);
  EXPECT_FALSE(dir.exists("daten\\zeit.txt"));
  EXPECT_FALSE(dir.exists("daten\\zeit7.txt.bak"));
}

TEST_F(Schedule, ALoadErrorKeepsTheCompletePairsSelectsNoneAndKeepsTheFileAsBackup) {
  const std::string broken = " 2\r\n02:00\r\nCRCH\r\n03:00\r\n";
  file("zeit3.txt", broken);
  txt::Status loaded = editor.open(fs, where, 3);
  EXPECT_EQ(loaded.error, "Fehler beim Laden von <zeit.txt>");  // for every network number
  EXPECT_EQ(editor.entries, (std::vector<ScheduleEntry>{{"02:00", "CRCH"}}));
  EXPECT_EQ(editor.selected, -1);
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(file("zeit3.txt"), " 1\r\n02:00\r\nCRCH\r\n");
  EXPECT_EQ(file("zeit3.txt.bak"), broken);

  file("zeit.txt", "");  // zero bytes: no count line
  EXPECT_EQ(editor.open(fs, where, 0).error, zorq::kScheduleLoadError);
  EXPECT_TRUE(editor.entries.empty());
}

TEST_F(Schedule, AFailedSaveIsToldAndLeavesTheOldFile) {
  file("zeit.txt", " 0\r\n");
  FaultyFileSystem faulty(fs);
  faulty.failReplace = true;
  ASSERT_TRUE(editor.open(faulty, where, 0).ok());
  editor.neu();
  EXPECT_EQ(editor.save(faulty, where).error,
            "Fehler beim Speichern von <zeit.txt>\r\nDie alte Datei l\xe4sst sich nicht ersetzen.");
  EXPECT_EQ(file("zeit.txt"), " 0\r\n");
  EXPECT_EQ(dir.count(), 1u);  // only daten
}

// The editor opened for network 0; "Netzwerk #" is 4 by the time of "OK".
TEST_F(Schedule, OkWritesTheFileThatWasOpenedNotThatOfTheNewNetworkNumber) {
  file("zeit4.txt", " 1\r\n01:00\r\nCALL 0 FIDOGATE\r\n");
  ASSERT_TRUE(editor.open(fs, where, 0).ok());
  where.netNumber = 4;
  editor.neu();
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(file("zeit.txt"), " 1\r\n23:59\r\n\r\n");
  EXPECT_EQ(file("zeit4.txt"), " 1\r\n01:00\r\nCALL 0 FIDOGATE\r\n");
}

TEST(ScheduleRules, TimesGetALeadingZeroOnlyWhenTheSecondCharacterIsAColon) {
  EXPECT_EQ(zorq::normaliseTime("9:15"), "09:15");
  EXPECT_EQ(zorq::normaliseTime("7:5"), "07:5");
  EXPECT_EQ(zorq::normaliseTime("7:"), "07:");
  for (const char* same : {"09:15", "23:59", "abc", "", "9", "1230", " 9:30", "9::"})
    EXPECT_EQ(zorq::normaliseTime(same), same) << same;
}

TEST_F(Schedule, SavingNormalisesTheTimesButDoesNotSort) {
  entries({{"23:59", "CRCH"}, {"9:15", ""}, {"abc", "x"}});
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(file("zeit.txt"), " 3\r\n23:59\r\nCRCH\r\n09:15\r\n\r\nabc\r\nx\r\n");
}

TEST_F(Schedule, ListEditingKeepsTheFieldsAndTheSelectedEntryTogether) {
  editor.setEventField("ohne Eintrag");  // nothing selected: nothing stored
  EXPECT_TRUE(editor.entries.empty());
  editor.loeschen();
  editor.neu();
  EXPECT_EQ(editor.entries, (std::vector<ScheduleEntry>{{"23:59", ""}}));
  EXPECT_EQ(editor.timeField, "23:59");
  EXPECT_EQ(editor.eventField, "");

  entries({{"08:00", "a"}, {"09:00", "b"}, {"10:00", "c"}});
  editor.select(1);
  editor.setTimeField("09:30");
  editor.setEventField("CRCH\r\nzweite Zeile");  // a line end never reaches the file
  EXPECT_EQ(editor.entries[1], (ScheduleEntry{"09:30", "CRCH"}));
  editor.loeschen();  // no question
  EXPECT_EQ(editor.entries, (std::vector<ScheduleEntry>{{"08:00", "a"}, {"10:00", "c"}}));
  EXPECT_EQ(editor.selected, 0);
  EXPECT_EQ(editor.eventField, "a");
  editor.loeschen();
  editor.loeschen();
  EXPECT_EQ(editor.selected, -1);
  EXPECT_EQ(editor.timeField, "");
}

TEST_F(Schedule, SortingIsStableByMinutesAfterNormalising) {
  entries({{"23:59", "a"}, {"7:30", "b"}, {"12:00", "c"}, {"1230", "d"}, {" 9:30", "e"}, {"12:00", "f"}});
  editor.select(2);
  editor.sortieren(ui);
  // "1230" is 12 hours and 0 minutes; " 9:30" is 9:30.
  EXPECT_EQ(times(), (std::vector<std::string>{"07:30", " 9:30", "12:00", "1230", "12:00", "23:59"}));
  std::string events;
  for (const ScheduleEntry& e : editor.entries) events += e.event;
  EXPECT_EQ(events, "becdfa");
  EXPECT_EQ(editor.selected, 0);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Schedule, AMalformedTimeSortsAsZeroAndIsToldEachTimeItIsConverted) {
  entries({{"00:01", "a"}, {"abc", "b"}});
  editor.sortieren(ui);
  EXPECT_EQ(times(), (std::vector<std::string>{"abc", "00:01"}));
  // Pass 1 compares (00:01, abc) and exchanges, pass 2 compares (abc, 00:01).
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, "abc hat das falsche Format (SS:MM)");
  EXPECT_EQ(ui.shown[0].title, "Fehler");

  ui.shown.clear();
  entries({{"abc", "b"}});
  editor.sortieren(ui);  // one entry: nothing converted
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(editor.selected, 0);

  entries({{"5:00", "x"}, {"", "y"}, {"04:00", "z"}});
  editor.sortieren(ui);
  EXPECT_EQ(times(), (std::vector<std::string>{"", "04:00", "05:00"}));
  EXPECT_EQ(ui.shown.size(), 2u);  // "" in pass 1 and in pass 2
}

// The sort as its passes are written down: both times of every pair
// converted at each comparison, each malformed one telling its message.
std::vector<ScheduleEntry> plainBubbleSort(std::vector<ScheduleEntry> entries, FakeUi& ui) {
  for (ScheduleEntry& entry : entries) entry.time = zorq::normaliseTime(entry.time);
  for (bool exchanged = entries.size() >= 2; exchanged;) {
    exchanged = false;
    for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
      int first = zorq::TimeToMinutes(entries[i].time, ui);
      int second = zorq::TimeToMinutes(entries[i + 1].time, ui);
      if (first > second) {
        std::swap(entries[i], entries[i + 1]);
        exchanged = true;
      }
    }
  }
  return entries;
}

TEST_F(Schedule, SortingGivesTheOrderAndTheMessagesOfThePlainPasses) {
  // Malformed ones among them ("abc", "", "9:3x", "ab:cd"), a negative one,
  // equal minutes written differently, and times the sort first normalises.
  const std::vector<std::string> pool = {"abc",   "",      "9:3x",  "ab:cd", "-1:30", "00:00", "0:00",
                                         "00:01", "7:30",  "07:30", " 9:30", "12:00", "1230",  "23:59",
                                         "25:99", "12:3x", "5:00",  "04:00", "00:0",  "23:5"};
  std::mt19937 random(20261209);
  for (int round = 0; round < 400; ++round) {
    std::vector<ScheduleEntry> schedule(random() % 13);
    for (std::size_t i = 0; i < schedule.size(); ++i)
      schedule[i] = {pool[random() % pool.size()], "e" + std::to_string(i)};
    FakeUi plainUi;
    const std::vector<ScheduleEntry> expected = plainBubbleSort(schedule, plainUi);
    ui.shown.clear();
    entries(schedule);
    editor.sortieren(ui);
    ASSERT_EQ(editor.entries, expected) << "round " << round;
    ASSERT_EQ(ui.shown.size(), plainUi.shown.size()) << "round " << round;
    for (std::size_t k = 0; k < ui.shown.size(); ++k) {
      ASSERT_EQ(ui.shown[k].text, plainUi.shown[k].text) << "round " << round << ", message " << k;
      ASSERT_EQ(ui.shown[k].title, "Fehler");
      ASSERT_EQ(ui.shown[k].icon, ui::Icon::None);
    }
  }
}

TEST(ScheduleRules, WeekdayMarkersBothWays) {
  using zorq::Weekdays;
  EXPECT_EQ(zorq::weekdayMarker(Weekdays{false, true, false, true, false, true, false}), " *(Mon,Mit,Fri)");
  EXPECT_EQ(zorq::weekdayMarker(Weekdays{true, true, true, true, true, true, true}), "");
  EXPECT_EQ(zorq::weekdayMarker(Weekdays{}), " *()");
  EXPECT_EQ(zorq::weekdayMarker(Weekdays{true, false, false, false, false, false, true}), " *(Son,Sam)");

  EXPECT_EQ(zorq::daysOf("ALL"), (Weekdays{true, true, true, true, true, true, true}));
  EXPECT_EQ(zorq::daysOf("Mon,Fri"), (Weekdays{false, true, false, false, false, true, false}));
  EXPECT_EQ(zorq::daysOf(""), Weekdays{});
  EXPECT_EQ(zorq::daysOf("MonFreSamstag"), (Weekdays{false, true, false, false, false, false, true}));
  EXPECT_EQ(zorq::daysOf("mon,fri"), Weekdays{});  // case counts

  auto split = zorq::splitWeekdays("CALL 2 K\xdcSTENFUNK|P *(Son,Sam)");
  EXPECT_EQ(split.proper, "CALL 2 K\xdcSTENFUNK|P");
  EXPECT_EQ(split.days, "Son,Sam");
  EXPECT_EQ(zorq::splitWeekdays("CRCH *()").days, "");
  EXPECT_EQ(zorq::splitWeekdays("CRCH *(").days, "");
  EXPECT_EQ(zorq::splitWeekdays("CRCH").days, std::nullopt);
  // The first " *(" begins the marker.
  split = zorq::splitWeekdays("DOSC A *(B).BAT *(Mon)");
  EXPECT_EQ(split.proper, "DOSC A");
  EXPECT_EQ(split.days, "B).BAT *(Mon");
}

// The picker's answer for the box at position 0 of that type.
std::optional<zorq::NetBoxChoice> box(const std::string& name, std::int16_t type) {
  return zorq::NetBoxChoice{name, 0, type, {type}};
}

// Answers the editor's questions from queues and records what was asked.
struct ScriptedQuestions : zorq::ScheduleQuestions {
  std::deque<int> ports, modes;
  std::deque<std::string> onOff, files;
  std::deque<std::optional<zorq::NetBoxChoice>> boxes;
  std::deque<std::optional<std::string>> weekdays;
  std::vector<std::string> asked;  // what was opened, with its input

  int choosePort() override { return take(ports, -1, "port"); }
  std::string askOnOff(const std::string& label) override {
    return take(onOff, std::string(), "onoff:" + label);
  }
  std::optional<zorq::NetBoxChoice> chooseNetBox() override {
    return take(boxes, std::optional<zorq::NetBoxChoice>(), "box");
  }
  int askJanusMode() override { return take(modes, 0, "janus"); }
  std::string chooseFile() override { return take(files, std::string(), "file"); }
  std::optional<std::string> chooseWeekdays(const std::string& days) override {
    return take(weekdays, std::optional<std::string>(), "woch:" + days);
  }

 private:
  template <class T>
  T take(std::deque<T>& queue, T none, const std::string& what) {
    asked.push_back(what);
    if (queue.empty()) return none;
    T next = queue.front();
    queue.pop_front();
    return next;
  }
};

TEST_F(Schedule, EventCommandsBuildTheirFormsAndStopAtEveryCancel) {
  ScriptedQuestions ask;
  entries({{"03:00", "CRCH *(Mon)"}});
  editor.cruncher();  // drops the weekday marker
  EXPECT_EQ(editor.eventField, "CRCH");

  ask.ports = {3, -1, 5};
  ask.onOff = {"OFF", ""};
  editor.port(ask);
  EXPECT_EQ(editor.entries[0].event, "PORT 3 OFF");
  editor.netzsperre(ask);  // port chooser cancelled
  editor.netzsperre(ask);  // query closed without an answer
  EXPECT_EQ(editor.eventField, "PORT 3 OFF");
  EXPECT_EQ(ask.asked, (std::vector<std::string>{"port", "onoff:Port", "port", "port", "onoff:"}));

  ask.asked.clear();
  ask.ports = {1, 2, -1, 4};
  ask.boxes = {box("WESTHOF", 0), box("HANSEBOX", 1), std::nullopt};
  ask.modes = {4};
  editor.netzanruf(ask);
  EXPECT_EQ(editor.eventField, "CALL 1 WESTHOF");
  editor.netzanruf(ask);
  EXPECT_EQ(editor.eventField, "CALL 2 HANSEBOX|H");
  editor.netzanruf(ask);  // no port
  editor.netzanruf(ask);  // no box
  EXPECT_EQ(editor.eventField, "CALL 2 HANSEBOX|H");
  EXPECT_EQ(ask.asked,
            (std::vector<std::string>{"port", "box", "port", "box", "janus", "port", "port", "box"}));

  ask.files = {"", "C:\\BOX\\X.BAT"};
  editor.execute(ask);
  EXPECT_EQ(editor.eventField, "CALL 2 HANSEBOX|H");
  editor.execute(ask);
  EXPECT_EQ(editor.entries[0].event, "DOSC C:\\BOX\\X.BAT");
}

TEST_F(Schedule, JanusModesGiveTheirMarkersAndUnknownModesNone) {
  ScriptedQuestions ask;
  entries({{"03:00", ""}});
  const char* expected[] = {"CALL 0 J", "CALL 0 J|P", "CALL 0 J|N", "CALL 0 J|M", "CALL 0 J|H", "CALL 0 J"};
  for (int mode = 0; mode <= 5; ++mode) {
    ask.ports = {0};
    ask.boxes = {box("J", zorq::kJanus2BoxType)};
    ask.modes = {mode};
    editor.netzanruf(ask);
    EXPECT_EQ(editor.eventField, expected[mode]) << mode;
  }
}

TEST_F(Schedule, WochentagReplacesOnlyTheMarker) {
  ScriptedQuestions ask;
  entries({{"03:00", "CRCH *(Mon,Fri)"}});
  ask.weekdays = {std::nullopt, std::string(" *(Son)"), std::string(""), std::string(" *()")};
  editor.wochentag(ask);  // closed without "OK"
  EXPECT_EQ(editor.eventField, "CRCH *(Mon,Fri)");
  editor.wochentag(ask);
  EXPECT_EQ(editor.entries[0].event, "CRCH *(Son)");
  editor.wochentag(ask);
  EXPECT_EQ(editor.entries[0].event, "CRCH");
  editor.wochentag(ask);
  EXPECT_EQ(editor.entries[0].event, "CRCH *()");
  EXPECT_EQ(ask.asked, (std::vector<std::string>{"woch:Mon,Fri", "woch:Mon,Fri", "woch:Son", "woch:ALL"}));
}

}  // namespace
