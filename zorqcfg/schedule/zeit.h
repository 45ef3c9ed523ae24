// The schedule: timed events the server runs, one file per network number
// (daten\zeit.txt for 0, daten\zeit3.txt for 3), and the schedule editor
// `frmzeit` without its window.
//
//   line 1        the number of entries, a blank and the digits (" 3");
//                 written anew on every save, never read
//   lines 2k, 2k+1  time ("SS:MM") and event of entry k
//
// An event is one of the forms the editor builds (CRCH, DOSC <path>,
// PORT p ON/OFF, SPER p ON/OFF, CALL p <box>[janus2 marker]) or any text
// typed by hand, optionally followed by a weekday marker " *(Mon,Fri)".
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/installation.h"
#include "core/pickers.h"
#include "platform/load.h"
#include "platform/filesystem.h"
#include "text/status.h"
#include "ui/services.h"

namespace zorq {

struct ScheduleEntry {
  std::string time;   // "SS:MM", or whatever was typed
  std::string event;  // event text with its weekday marker, if any

  bool operator==(const ScheduleEntry&) const = default;
};

// "zeit.txt" for network number 0, "zeit3.txt" for 3.
std::string scheduleFileName(unsigned netNumber);

// Reported for every network number alike.
inline constexpr const char* kScheduleLoadError = "Fehler beim Laden von <zeit.txt>";

// "7:30" becomes "07:30" and "7:5" "07:5": a "0" goes in front when the
// second character is ":" and the third is not. Any other text stays.
std::string normaliseTime(const std::string& time);

// Reads the pairs after the count line, up to the first error; a pair
// without its event line is dropped. A file of zero bytes is an error.
txt::Status readSchedule(const std::string& bytes, std::vector<ScheduleEntry>& entries);
// The file as saved: the count line, then the pairs as they are (the caller
// normalises the times).
std::string scheduleBytes(const std::vector<ScheduleEntry>& entries);

// Weekdays, Sunday first, as the markers abbreviate them ("Fri", not "Fre").
inline constexpr int kDayCount = 7;
inline constexpr std::array<std::string_view, kDayCount> kDayNames = {"Son", "Mon", "Die", "Mit",
                                                                      "Don", "Fri", "Sam"};
using Weekdays = std::array<bool, kDayCount>;

// What `wochentage` holds for an event without a weekday marker.
inline constexpr const char* kAllDays = "ALL";

// An event text split at the first " *(": the event proper and the day list
// (the text after " *(" without its last character). No marker: no list.
struct EventDays {
  std::string proper;
  std::optional<std::string> days;
};
EventDays splitWeekdays(std::string_view event);

// The days a day list chooses: "ALL" all of them, otherwise each day whose
// abbreviation occurs anywhere in it.
Weekdays daysOf(std::string_view dayList);
// The marker for the chosen days: "" for all seven, " *()" for none,
// " *(Son,Mit)" otherwise, always Sunday first.
std::string weekdayMarker(const Weekdays& days);

// Janus2 call modes as the dialog "Janus2 Netzanrufmodus" sets them.
enum JanusMode : std::int16_t {
  kJanusNormal = 0,
  kJanusPms = 1,
  kJanusMails = 2,
  kJanusNoSend = 3,
  kJanusNoReceive = 4
};
// "|P", "|N", "|M", "|H" for modes 1 to 4; nothing for 0 or any other value.
std::string janusMarker(int mode);
// The Janus2 call mode chosen last in this run of the program (0 at first).
std::int16_t& janusmodusOfThisRun();

// The net box type of a Janus2 box.
inline constexpr int kJanus2BoxType = 1;

// The event forms. port: 0 to 8 (its last decimal digit is written);
// onOff: "ON" or "OFF".
std::string cruncherEvent();
std::string programEvent(const std::string& path);
std::string portEvent(int port, const std::string& onOff);
std::string netLockEvent(int port, const std::string& onOff);
std::string netCallEvent(int port, const std::string& box, const std::string& marker);

// The answers the editor's event commands ask for: the small modal dialogs.
class ScheduleQuestions {
 public:
  virtual ~ScheduleQuestions() = default;
  // The port chooser for a number only: 0 to 8, or -1 when cancelled.
  virtual int choosePort() = 0;
  // The on/off query `frmsperre` with its label ("" shows "Netzsperre"):
  // "ON", "OFF", or "" when it was closed without an answer.
  virtual std::string askOnOff(const std::string& abfragetext) = 0;
  // The net box picker: nothing when cancelled.
  virtual std::optional<NetBoxChoice> chooseNetBox() = 0;
  // The dialog `janus2`: the call mode after it closed (the previous one
  // when it was closed without a choice).
  virtual int askJanusMode() = 0;
  // The file picker listing all files: the full path, or "" when cancelled.
  virtual std::string chooseFile() = 0;
  // The weekday chooser `frmwoch` opened on wochentage (a day list or
  // "ALL"): the new weekday marker after "OK", nothing when it was closed
  // otherwise.
  virtual std::optional<std::string> chooseWeekdays(const std::string& wochentage) = 0;
};

// The schedule editor: the list of entries, the selected one and the two
// fields "Zeit" and "Ereignis" that show it.
class ScheduleEditor {
 public:
  std::vector<ScheduleEntry> entries;
  int selected = -1;  // -1: none
  std::string timeField, eventField;

  // Loads the schedule file of netNumber and selects the first entry; after
  // an error (kScheduleLoadError) the complete pairs stay and none is
  // selected. A missing file is an empty schedule. The file loaded is the
  // one "OK" writes, whatever the network number is by then.
  // The files as this editor loaded them: "OK" asks before it overwrites
  // what another program changed meanwhile.
  plat::LoadRecord loaded;

  txt::Status open(plat::FileSystem& fs, const Installation& where, unsigned netNumber);
  // "OK": normalises every time and writes the file that was opened,
  // atomically; one that failed to load is kept as <name>.bak. Failure:
  // "Fehler beim Speichern von <zeit3.txt>" and the reason, the old file
  // unchanged.
  txt::Status save(plat::FileSystem& fs, const Installation& where);
  const std::string& fileName() const { return fileName_; }

  void select(int index);
  // A field changed: its whole text goes into the selected entry, if any.
  void setTimeField(const std::string& text);
  void setEventField(const std::string& text);

  void neu();       // appends ("23:59", "") and selects it
  void loeschen();  // removes the selected entry, then selects the first
  // Normalises every time, sorts stably by TimeToMinutes and selects the
  // first entry. A time that does not convert counts as 0 and tells the
  // format message through ui as often, and in the order, that the passes
  // over adjacent pairs would convert it; each time is read only once.
  void sortieren(ui::Services& ui);

  // The event commands; each asks what it needs and stops at a cancel.
  void cruncher();
  void execute(ScheduleQuestions& ask);
  void port(ScheduleQuestions& ask);
  void netzsperre(ScheduleQuestions& ask);
  void netzanruf(ScheduleQuestions& ask);
  void wochentag(ScheduleQuestions& ask);

 private:
  bool hasEntries() const { return !entries.empty(); }
  void selectFirst();
  // "Port" and "Netzsperre": the port, then on or off.
  std::optional<std::pair<int, std::string>> portAndSwitch(ScheduleQuestions& ask,
                                                           const std::string& abfragetext);

  std::string fileName_ = "zeit.txt";
  bool keepBackup_ = false;  // the file failed to load
};

}  // namespace zorq
