#include "network/routing.h"

#include "platform/load.h"
#include "platform/save.h"
#include "text/cp1252.h"
#include "text/reader.h"
#include "text/writer.h"

namespace zorq {

namespace {

constexpr char kTab = '\t';
constexpr char kSenderMark = '~';

template <class R>
auto& fieldOf(R& r, RouteColumn column) {
  if (column == RouteColumn::Recipient) return r.recipient;
  if (column == RouteColumn::Sender) return r.sender;
  return r.route;
}

}  // namespace

std::vector<Route> parseRoutes(const std::string& bytes, std::vector<std::size_t>* withoutTab,
                               txt::Status* status) {
  std::vector<Route> routes;
  txt::Reader in(bytes);
  std::string line;
  if (in.more()) in.line(line);  // the count: the lines tell it
  while (in.more() && in.line(line)) {
    std::size_t tab = line.find(kTab);
    if (tab == std::string::npos) {
      if (withoutTab != nullptr) withoutTab->push_back(in.lastLine());
      continue;
    }
    std::string head = line.substr(0, tab);
    std::size_t mark = head.find(kSenderMark);
    Route r;
    r.recipient = head.substr(0, mark);
    if (mark != std::string::npos) r.sender = head.substr(mark + 1);
    r.route = line.substr(tab + 1);
    routes.push_back(std::move(r));
  }
  if (status != nullptr) *status = in.status();
  return routes;
}

std::string routeBytes(const std::vector<Route>& routes) {
  txt::Writer out;
  out.line(" " + std::to_string(routes.size()));
  // With a sender before without, specific recipients before "*"; each group
  // in list order.
  for (bool withSender : {true, false}) {
    for (bool any : {false, true}) {
      for (const Route& r : routes) {
        if (r.sender.empty() == withSender || (r.recipient == kAnyRecipient) != any) continue;
        std::string line = txt::lower1252(r.recipient);
        if (withSender) line += kSenderMark + r.sender;
        line += kTab + txt::upper1252(r.route);
        out.line(line);
      }
    }
  }
  return out.bytes();
}

txt::Status DomainRouting::load(plat::FileSystem& fs, const Installation& where) {
  rows.clear();
  selected = -1;
  backup_ = false;
  const std::string path = where.settingsFile(kRoutingFile);
  // Lines without a TAB are dropped by the next save: the file as it was is
  // kept as routing.txt.bak then.
  std::vector<std::size_t> withoutTab;
  txt::Status status = plat::loadSettingsFile(fs, path, &loaded, [&](const std::string& bytes) {
    txt::Status read;
    rows = parseRoutes(bytes, &withoutTab, &read);
    return read;
  });
  backup_ = !status.ok() || !withoutTab.empty();
  if (!rows.empty()) selected = 0;
  return status.ok() ? status : txt::Status::Fail(kRoutingLoadError);
}

txt::Status DomainRouting::save(plat::FileSystem& fs, const Installation& where) {
  if (txt::Status s =
          plat::saveFile(fs, where.settingsFile(kRoutingFile), routeBytes(rows), {backup_, &loaded});
      !s)
    return txt::Status::Fail(plat::saveErrorMessage(kRoutingFile, s));
  backup_ = false;
  return txt::Status::Ok();
}

void DomainRouting::select(int row) {
  if (row >= 0 && static_cast<std::size_t>(row) < rows.size()) selected = row;
}

void DomainRouting::add() {
  rows.push_back({kNewRecipient, "", ""});
  selected = static_cast<int>(rows.size()) - 1;
}

void DomainRouting::remove() {
  if (selected >= 0) rows.erase(rows.begin() + selected);
  selected = rows.empty() ? -1 : 0;
}

void DomainRouting::edit(RouteColumn column, const std::string& text) {
  if (selected < 0) return;
  fieldOf(rows[static_cast<std::size_t>(selected)], column) = text;
}

const std::string& DomainRouting::field(int row, RouteColumn column) const {
  return fieldOf(rows[static_cast<std::size_t>(row)], column);
}

}  // namespace zorq
