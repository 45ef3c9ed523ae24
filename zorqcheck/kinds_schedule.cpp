// The schedule of every network number and the add-on tools.
#include <optional>

#include "core/installation.h"
#include "kinds.h"
#include "schedule/zeit.h"
#include "schedule/zusatz.h"
#include "text/numbers.h"
#include "text/reader.h"

namespace zorqcheck {

namespace {

// Keeps the messages a model would show instead of showing them.
class Heard final : public ui::Services {
 public:
  std::vector<std::string> messages;
  ui::Answer message(const std::string& text, const std::string&, ui::Icon, ui::Buttons) override {
    messages.push_back(text);
    return ui::Answer::Ok;
  }
  std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

// Hours and minutes of a time that converts, as TimeToMinutes reads them:
// the first two characters and everything from the fourth on.
bool withinDay(const std::string& time) {
  const long long hours = txt::wholeValue(std::string_view(time).substr(0, 2));
  const long long minutes = txt::wholeValue(time.size() > 3 ? std::string_view(time).substr(3) : "");
  return hours >= 0 && hours <= 23 && minutes >= 0 && minutes <= 59;
}

// What an event names: the box of a net call (without its Janus2 marker)
// and the program of a program call, each without the weekday marker.
void eventReferences(const std::string& event, std::size_t line, Report& report) {
  const std::string proper = zorq::splitWeekdays(event).proper;
  if (proper.rfind("DOSC ", 0) == 0) {
    report.program(line, proper.substr(5));
  } else if (proper.rfind("CALL ", 0) == 0) {
    // "CALL ", the port digit, a blank, the box and its marker.
    const std::size_t box = proper.find(' ', 5);
    if (box == std::string::npos) return;
    std::string name = proper.substr(box + 1);
    if (name.size() >= 2 && name[name.size() - 2] == '|') {
      const std::string marker = name.substr(name.size() - 2);
      for (int mode = zorq::kJanusPms; mode <= zorq::kJanusNoReceive; ++mode)
        if (marker == zorq::janusMarker(mode)) {
          name.resize(name.size() - 2);
          break;
        }
    }
    report.netBox(line, name);
  }
}

void schedule(const std::string& bytes, Report& report) {
  std::vector<zorq::ScheduleEntry> entries;
  if (!report.loaded(zorq::readSchedule(bytes, entries))) return;
  // Entry k holds lines 2k + 2 and 2k + 3, after the count line. The sort
  // converts each time as the save writes it; the editor stores any time,
  // but the server never reaches one beyond 23:59.
  for (std::size_t k = 0; k < entries.size(); ++k) {
    Heard heard;
    const std::string time = zorq::normaliseTime(entries[k].time);
    zorq::TimeToMinutes(time, heard);
    const std::size_t line = 2 * k + 2;
    if (!heard.messages.empty())
      report.at(line, "Zeile " + std::to_string(line) + ": " + txt::quoted(entries[k].time) +
                          " hat das falsche Format (SS:MM)");
    else if (!withinDay(time))
      report.at(line, "Zeile " + std::to_string(line) + ": " + txt::quoted(entries[k].time) +
                          " liegt nicht zwischen 00:00 und 23:59");
    eventReferences(entries[k].event, line + 1, report);
  }
}

// Piece by piece, each tool's program looked up.
void tools(const std::string& bytes, Report& report) {
  inPieces(bytes, false, [&](const std::string& piece, std::size_t before) {
    int skipped = 0;
    std::vector<std::size_t> withoutTab;
    txt::Status status;
    const std::vector<zorq::AddOnTool> read = zorq::readTools(piece, skipped, &status, &withoutTab);
    linesWithoutTab(piece, withoutTab, before, report);
    if (!report.loaded(atLine(status, before))) return;
    // What a save writes is compared only for a file of one piece.
    if (withoutTab.empty() && piece.size() == bytes.size()) report.rewritten(piece, zorq::toolBytes(read));
    const std::vector<std::size_t> lines = recordLines(read.size(), withoutTab, 1);
    for (std::size_t k = 0; k < read.size(); ++k) report.program(lines[k] + before, read[k].call);
  });
}

}  // namespace

void addScheduleKinds(std::vector<FileKind>& kinds) {
  kinds.push_back({perNetwork("zeit.txt"), schedule});
  kinds.push_back({{zorq::kToolsFile}, tools});
}

}  // namespace zorqcheck
