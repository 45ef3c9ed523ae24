#include "schedule/zusatz.h"

#include <algorithm>

#include "platform/load.h"
#include "platform/save.h"
#include "text/cp1252.h"
#include "text/reader.h"
#include "text/writer.h"

namespace zorq {

namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

std::string oneLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

}  // namespace

std::vector<AddOnTool> readTools(const std::string& bytes, int& skipped, txt::Status* status,
                                 std::vector<std::size_t>* withoutTab) {
  std::vector<AddOnTool> tools;
  skipped = 0;
  txt::Reader in(bytes);
  std::string line;
  while (in.more() && in.line(line)) {
    std::size_t tab = line.find('\t');
    if (tab == std::string::npos) {
      ++skipped;
      if (withoutTab != nullptr) withoutTab->push_back(in.lastLine());
      continue;
    }
    tools.push_back({line.substr(0, tab), line.substr(tab + 1)});
  }
  if (status != nullptr) *status = in.status();
  return tools;
}

std::string toolBytes(const std::vector<AddOnTool>& tools) {
  txt::Writer out;
  for (const AddOnTool& tool : tools) {
    // A tab in the name would move the rest of it into the call.
    std::string name = tool.name;
    std::replace(name.begin(), name.end(), '\t', ' ');
    out.line(name + "\t" + txt::upper1252(tool.call));
  }
  return out.bytes();
}

txt::Status ToolsEditor::open(plat::FileSystem& fs, const Installation& where) {
  tools.clear();
  keepBackup_ = false;
  const std::string path = where.installDir + kToolsFile;
  int skipped = 0;
  txt::Status status = plat::loadSettingsFile(fs, path, &loaded, [&](const std::string& bytes) {
    txt::Status read;
    tools = readTools(bytes, skipped, &read);
    return read;
  });
  keepBackup_ = !status.ok() || skipped > 0;
  selectFirst();
  return status.ok() ? txt::Status::Ok() : txt::Status::Fail(kToolsLoadError);
}

txt::Status ToolsEditor::save(plat::FileSystem& fs, const Installation& where) {
  txt::Status saved =
      plat::saveFile(fs, where.installDir + kToolsFile, toolBytes(tools), {keepBackup_, &loaded});
  if (!saved) return txt::Status::Fail(plat::saveErrorMessage(kToolsFile, saved));
  keepBackup_ = false;
  return txt::Status::Ok();
}

void ToolsEditor::select(int index) {
  if (index < 0 || at(index) >= tools.size()) return;
  selected = index;
  nameField = tools[at(index)].name;
  callField = tools[at(index)].call;
}

void ToolsEditor::selectFirst() {
  if (!tools.empty()) {
    select(0);
  } else {
    selected = -1;
    nameField.clear();
    callField.clear();
  }
}

void ToolsEditor::setNameField(const std::string& text) {
  nameField = oneLine(text);
  if (selected >= 0) tools[at(selected)].name = nameField;
}

void ToolsEditor::setCallField(const std::string& text) {
  callField = oneLine(text);
  if (selected >= 0) tools[at(selected)].call = callField;
}

void ToolsEditor::neu() {
  tools.push_back({"(NEU)", ""});
  select(static_cast<int>(tools.size()) - 1);
}

void ToolsEditor::loeschen() {
  if (selected < 0) return;
  tools.erase(tools.begin() + selected);
  selectFirst();
}

void ToolsEditor::wahl(const std::string& path) {
  if (!path.empty() && !tools.empty()) setCallField(path);
}

}  // namespace zorq
