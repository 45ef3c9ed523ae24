#include "core/picker_lists.h"

#include <cstdint>

#include "platform/load.h"
#include "text/cp1252.h"
#include "text/reader.h"

namespace zorq {

namespace {

constexpr char kDegree = '\xb0';

PickerList loadList(plat::FileSystem& fs, const std::string& path, const std::string& name,
                    PickerList (*parse)(const std::string&), ui::Services& ui) {
  PickerList list;
  // Read, parsed and let go: only the names stay.
  txt::Status status = plat::loadSettingsFile(fs, path, nullptr, [&](const std::string& bytes) {
    list = parse(bytes);
    return list.status;
  });
  if (!status.ok()) ui.loadError("Fehler beim Laden von <" + name + ">");
  return list;
}

}  // namespace

std::string_view userNameOf(std::string_view line) {
  std::size_t degree = line.find(kDegree);
  return degree == std::string_view::npos ? line : line.substr(degree + 1);
}

// The lines are taken straight from the bytes, as the reader splits them
// (CR LF or a lone LF; a lone CR belongs to the line), so that the file is
// held once while its names are made.
PickerList parseUsers(const std::string& bytes) {
  PickerList list;
  std::size_t lines = 0;
  for (char c : bytes) lines += c == '\n';
  list.entries.reserve(lines + 1);
  std::string_view rest(bytes);
  for (std::size_t number = 1; !rest.empty(); ++number) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (line.find('\0') != std::string_view::npos) {
      list.status = txt::Status::FailAt(number, txt::kNulInLine);
      break;
    }
    list.entries.emplace_back(userNameOf(line));
  }
  return list;
}

PickerList parseGroups(const std::string& bytes, std::size_t limit) {
  PickerList list;
  txt::Reader in(bytes);
  std::string name, data;
  while (in.more()) {
    if (list.entries.size() == limit) {
      in.failAtNextLine("mehr als " + std::to_string(limit) + " Gruppen");
      break;
    }
    std::int32_t length = 0;
    if (!in.line(name) || !in.number(length)) break;
    if (length < 0) {
      in.fail(txt::quoted(std::to_string(length)) + " ist keine L\xe4nge (0 oder mehr)");
      break;
    }
    if (!in.chars(static_cast<std::size_t>(length), data)) break;
    list.entries.push_back(name);
  }
  list.status = in.status();
  return list;
}

std::vector<std::string> loadUsers(plat::FileSystem& fs, const Installation& where, ui::Services& ui) {
  return loadList(fs, where.settingsFile(kUserFile), kUserFile, parseUsers, ui).entries;
}

std::vector<std::string> loadGroups(plat::FileSystem& fs, const Installation& where, ui::Services& ui) {
  auto all = [](const std::string& bytes) { return parseGroups(bytes); };
  return loadList(fs, where.settingsFile(kGroupFile), kGroupFile, all, ui).entries;
}

std::optional<std::string> unstorableName(std::string_view name) {
  if (name.find('?') == std::string_view::npos) return std::nullopt;
  std::string message = "Der Name <";
  message += name;
  message += "> enth\xe4lt Zeichen, die hier nicht gespeichert werden k\xf6nnen.";
  return message;
}

std::string withBackslash(const std::string& directory) {
  if (!directory.empty() && directory.back() == '\\') return directory;
  return directory + "\\";
}

std::string fileAnswer(const std::string& directory, const std::string& name) {
  return withBackslash(directory) + name;
}

std::string filePickerTitle(const std::string& dateimaske) {
  if (dateimaske.empty()) return "File w\xe4hlen";
  return "File ausw\xe4hlen (" + dateimaske + " Dateien)";
}

std::string fileListMask(const std::string& dateimaske) { return dateimaske.empty() ? "*.*" : dateimaske; }

bool matchesMask(std::string_view name, std::string_view mask) {
  if (mask == "*" || mask == "*.*") return true;
  const std::string n = txt::lower1252(name), m = txt::lower1252(mask);
  std::size_t i = 0, j = 0;
  std::size_t star = std::string::npos, resume = 0;
  while (i < n.size()) {
    if (j < m.size() && (m[j] == '?' || m[j] == n[i])) {
      ++i;
      ++j;
    } else if (j < m.size() && m[j] == '*') {
      star = j++;
      resume = i;
    } else if (star != std::string::npos) {
      j = star + 1;
      i = ++resume;
    } else {
      return false;
    }
  }
  while (j < m.size() && m[j] == '*') ++j;
  return j == m.size();
}

std::vector<DirectoryRow> openDirectoryRows(const std::string& directory) {
  std::vector<DirectoryRow> rows;
  std::string path = withBackslash(directory);
  std::size_t rootEnd = 0;
  if (path.size() >= 3 && path[1] == ':') {
    rootEnd = 3;  // "c:\"
  } else if (path.rfind("\\\\", 0) == 0) {
    // A UNC path: \\server\share\ is the root.
    std::size_t server = path.find('\\', 2);
    std::size_t share = server == std::string::npos ? server : path.find('\\', server + 1);
    rootEnd = share == std::string::npos ? path.size() : share + 1;
  } else {
    rootEnd = path.find('\\') + 1;
  }
  const std::string root = path.substr(0, rootEnd);
  rows.push_back({rootEnd == 3 ? txt::lower1252(root) : root, root, 0});
  std::string current = root;
  int depth = 1;
  std::size_t start = rootEnd;
  while (start < path.size()) {
    std::size_t end = path.find('\\', start);
    std::string name = path.substr(start, end - start);
    if (!name.empty()) {
      current = subdirectoryPath(current, name);
      rows.push_back({name, current, depth++});
    }
    start = end + 1;
  }
  return rows;
}

std::string subdirectoryPath(const std::string& openDirectory, const std::string& name) {
  return withBackslash(openDirectory) + name;
}

}  // namespace zorq
