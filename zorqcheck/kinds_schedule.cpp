// The schedule of every network number and the add-on tools.
#include <optional>

#include "core/installation.h"
#include "kinds.h"
#include "schedule/zeit.h"
#include "schedule/zusatz.h"
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

void schedule(const std::string& bytes, Report& report) {
  std::vector<zorq::ScheduleEntry> entries;
  if (!report.loaded(zorq::readSchedule(bytes, entries))) return;
  // Entry k holds lines 2k + 2 and 2k + 3, after the count line. The sort
  // converts each time as the save writes it.
  for (std::size_t k = 0; k < entries.size(); ++k) {
    Heard heard;
    zorq::TimeToMinutes(zorq::normaliseTime(entries[k].time), heard);
    const std::size_t line = 2 * k + 2;
    if (!heard.messages.empty())
      report.at(line, "Zeile " + std::to_string(line) + ": " + txt::quoted(entries[k].time) +
                          " hat das falsche Format (SS:MM)");
  }
}

void tools(const std::string& bytes, Report& report) {
  int skipped = 0;
  std::vector<std::size_t> withoutTab;
  txt::Status status;
  const std::vector<zorq::AddOnTool> read = zorq::readTools(bytes, skipped, &status, &withoutTab);
  for (std::size_t n : withoutTab) report.at(n, lineWithoutTab(bytes, n));
  if (report.loaded(status) && withoutTab.empty()) report.rewritten(bytes, zorq::toolBytes(read));
}

}  // namespace

void addScheduleKinds(std::vector<FileKind>& kinds) {
  kinds.push_back({perNetwork("zeit.txt"), schedule});
  kinds.push_back({{zorq::kToolsFile}, tools});
}

}  // namespace zorqcheck
