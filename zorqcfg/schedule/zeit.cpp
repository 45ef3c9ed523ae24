#include "schedule/zeit.h"

#include <algorithm>
#include <utility>

#include "platform/load.h"
#include "platform/save.h"
#include "text/reader.h"
#include "text/writer.h"

namespace zorq {

namespace {

constexpr std::string_view kMarkerStart = " *(";

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// The digit of a port as the server reads it: the last of its decimal text.
std::string portDigit(int port) { return std::string(1, std::to_string(port).back()); }

// A field's text as one line of the file: a line end would split the pair.
std::string oneLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

// A time of the sort, read once: its minutes (0 when it does not convert)
// and the entry it belongs to.
struct SortedTime {
  int minutes;
  bool malformed;
  std::size_t entry;
};

// The sort's passes go over adjacent pairs until one exchanges nothing and
// convert both times of every pair, telling the format message of a
// malformed time at each conversion. Those passes run here on the numbers
// alone, to tell the messages in their order; they cost n steps a pass, and
// every pass tells at least one message. The order comes from the caller.
void tellMalformedAsThePassesWould(std::vector<SortedTime> times, const std::vector<ScheduleEntry>& entries,
                                   ui::Services& ui) {
  auto tell = [&](const SortedTime& t) {
    if (t.malformed) tellTimeFormat(entries[t.entry].time, ui);
  };
  for (bool exchanged = times.size() >= 2; exchanged;) {
    exchanged = false;
    for (std::size_t i = 0; i + 1 < times.size(); ++i) {
      tell(times[i]);
      tell(times[i + 1]);
      if (times[i].minutes > times[i + 1].minutes) {
        std::swap(times[i], times[i + 1]);
        exchanged = true;
      }
    }
  }
}

}  // namespace

std::string scheduleFileName(unsigned netNumber) { return numberedName("zeit.txt", netNumber); }

std::string normaliseTime(const std::string& time) {
  if (time.size() >= 2 && time[1] == ':' && (time.size() < 3 || time[2] != ':')) return "0" + time;
  return time;
}

txt::Status readSchedule(const std::string& bytes, std::vector<ScheduleEntry>& entries) {
  txt::Reader in(bytes);
  std::string count;
  in.line(count);  // the count is not used: the pairs run to the end
  while (in.more()) {
    ScheduleEntry entry;
    if (!in.line(entry.time) || !in.line(entry.event)) break;
    entries.push_back(std::move(entry));
  }
  return in.status();
}

std::string scheduleBytes(const std::vector<ScheduleEntry>& entries) {
  txt::Writer out;
  out.line(" " + std::to_string(entries.size()));
  for (const ScheduleEntry& entry : entries) out.line(entry.time).line(entry.event);
  return out.bytes();
}

EventDays splitWeekdays(std::string_view event) {
  std::size_t start = event.find(kMarkerStart);
  if (start == std::string_view::npos) return {std::string(event), std::nullopt};
  std::string_view rest = event.substr(start + kMarkerStart.size());
  if (!rest.empty()) rest.remove_suffix(1);  // the ")"
  return {std::string(event.substr(0, start)), std::string(rest)};
}

Weekdays daysOf(std::string_view dayList) {
  Weekdays days{};
  for (int k = 0; k < kDayCount; ++k)
    days[at(k)] = dayList == kAllDays || dayList.find(kDayNames[at(k)]) != std::string_view::npos;
  return days;
}

std::string weekdayMarker(const Weekdays& days) {
  std::string list;
  for (int k = 0; k < kDayCount; ++k)
    if (days[at(k)]) (list += kDayNames[at(k)]) += ',';
  if (list.size() == 4 * kDayCount) return {};
  if (list.empty()) return " *()";
  list.pop_back();
  return std::string(kMarkerStart) + list + ")";
}

std::string janusMarker(int mode) {
  switch (mode) {
    case kJanusPms: return "|P";
    case kJanusMails: return "|N";
    case kJanusNoSend: return "|M";
    case kJanusNoReceive: return "|H";
    default: return {};
  }
}

std::int16_t& janusmodusOfThisRun() {
  static std::int16_t janusmodus = kJanusNormal;
  return janusmodus;
}

std::string cruncherEvent() { return "CRCH"; }
std::string programEvent(const std::string& path) { return "DOSC " + path; }
std::string portEvent(int port, const std::string& onOff) { return "PORT " + portDigit(port) + " " + onOff; }
std::string netLockEvent(int port, const std::string& onOff) {
  return "SPER " + portDigit(port) + " " + onOff;
}
std::string netCallEvent(int port, const std::string& box, const std::string& marker) {
  return "CALL " + portDigit(port) + " " + box + marker;
}

// --- the editor ---

txt::Status ScheduleEditor::open(plat::FileSystem& fs, const Installation& where, unsigned netNumber) {
  entries.clear();
  selected = -1;
  timeField.clear();
  eventField.clear();
  fileName_ = scheduleFileName(netNumber);
  keepBackup_ = false;

  const std::string path = where.settingsFile(fileName_);
  txt::Status read = plat::loadSettingsFile(
      fs, path, &loaded, [&](const std::string& bytes) { return readSchedule(bytes, entries); });
  if (!read.ok()) {
    keepBackup_ = true;
    return txt::Status::Fail(kScheduleLoadError);
  }
  selectFirst();
  return txt::Status::Ok();
}

txt::Status ScheduleEditor::save(plat::FileSystem& fs, const Installation& where) {
  for (ScheduleEntry& entry : entries) entry.time = normaliseTime(entry.time);
  if (selected >= 0) timeField = entries[at(selected)].time;
  txt::Status saved =
      plat::saveFile(fs, where.settingsFile(fileName_), scheduleBytes(entries), {keepBackup_, &loaded});
  if (!saved) return txt::Status::Fail(plat::saveErrorMessage(fileName_, saved));
  keepBackup_ = false;  // the damaged file is in the backup now
  return txt::Status::Ok();
}

void ScheduleEditor::select(int index) {
  if (index < 0 || at(index) >= entries.size()) return;
  selected = index;
  timeField = entries[at(index)].time;
  eventField = entries[at(index)].event;
}

void ScheduleEditor::selectFirst() {
  if (hasEntries()) {
    select(0);
  } else {
    selected = -1;
    timeField.clear();
    eventField.clear();
  }
}

void ScheduleEditor::setTimeField(const std::string& text) {
  timeField = oneLine(text);
  if (selected >= 0) entries[at(selected)].time = timeField;
}

void ScheduleEditor::setEventField(const std::string& text) {
  eventField = oneLine(text);
  if (selected >= 0) entries[at(selected)].event = eventField;
}

void ScheduleEditor::neu() {
  entries.push_back({"23:59", ""});
  select(static_cast<int>(entries.size()) - 1);
}

void ScheduleEditor::loeschen() {
  if (selected < 0) return;
  entries.erase(entries.begin() + selected);
  selectFirst();
}

void ScheduleEditor::sortieren(ui::Services& ui) {
  for (ScheduleEntry& entry : entries) entry.time = normaliseTime(entry.time);
  // Each time is read once; the passes then work on the numbers.
  std::vector<SortedTime> times;
  times.reserve(entries.size());
  bool anyMalformed = false;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::optional<int> minutes = timeInMinutes(entries[i].time);
    anyMalformed = anyMalformed || !minutes;
    times.push_back({minutes.value_or(0), !minutes, i});
  }
  if (anyMalformed) tellMalformedAsThePassesWould(times, entries, ui);
  // The passes exchange only a strictly greater time with the next one, so
  // they end in the order of a stable sort.
  std::stable_sort(times.begin(), times.end(),
                   [](const SortedTime& a, const SortedTime& b) { return a.minutes < b.minutes; });
  std::vector<ScheduleEntry> sorted;
  sorted.reserve(entries.size());
  for (const SortedTime& t : times) sorted.push_back(std::move(entries[t.entry]));
  entries = std::move(sorted);
  selectFirst();
}

void ScheduleEditor::cruncher() {
  if (hasEntries()) setEventField(cruncherEvent());
}

void ScheduleEditor::execute(ScheduleQuestions& ask) {
  std::string path = ask.chooseFile();
  if (!path.empty() && hasEntries()) setEventField(programEvent(path));
}

std::optional<std::pair<int, std::string>> ScheduleEditor::portAndSwitch(ScheduleQuestions& ask,
                                                                         const std::string& abfragetext) {
  int port = ask.choosePort();
  if (port == -1) return std::nullopt;
  std::string sperrwahl = ask.askOnOff(abfragetext);
  if (sperrwahl.empty()) return std::nullopt;
  return std::pair{port, sperrwahl};
}

void ScheduleEditor::port(ScheduleQuestions& ask) {
  auto answer = portAndSwitch(ask, "Port");
  if (answer && hasEntries()) setEventField(portEvent(answer->first, answer->second));
}

void ScheduleEditor::netzsperre(ScheduleQuestions& ask) {
  auto answer = portAndSwitch(ask, "");
  if (answer && hasEntries()) setEventField(netLockEvent(answer->first, answer->second));
}

void ScheduleEditor::netzanruf(ScheduleQuestions& ask) {
  int port = ask.choosePort();
  if (port == -1) return;
  auto box = ask.chooseNetBox();
  if (!box || box->name.empty()) return;
  std::string marker = box->type == kJanus2BoxType ? janusMarker(ask.askJanusMode()) : std::string();
  if (hasEntries()) setEventField(netCallEvent(port, box->name, marker));
}

void ScheduleEditor::wochentag(ScheduleQuestions& ask) {
  EventDays split = splitWeekdays(eventField);
  auto marker = ask.chooseWeekdays(split.days.value_or(kAllDays));
  if (marker) setEventField(split.proper + *marker);
}

}  // namespace zorq
