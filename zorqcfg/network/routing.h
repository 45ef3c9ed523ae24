// The domain routing table daten\routing.txt: over which net box mail for a
// recipient domain (and, optionally, from a sender domain) leaves the box.
//
//   line 1   the number of routes, " 3" (rewritten on each save, never read)
//   then     one line per route: recipient in lower case, "~" and the
//            sender when there is one, a TAB, the route in upper case.
//
// Routes with a sender come first, and within each half the specific
// recipients come before "*", which stands for every recipient domain
// without a route of its own.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/installation.h"
#include "platform/load.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorq {

inline constexpr const char* kRoutingFile = "routing.txt";
inline constexpr const char* kRoutingLoadError = "Fehler beim Laden von <routing.txt>";
inline constexpr const char* kAnyRecipient = "*";
inline constexpr const char* kNewRecipient = "(NEU)";

struct Route {
  std::string recipient;  // a domain, a box name with its domain, or "*"
  std::string sender;     // a domain; empty for any sender
  std::string route;      // the net box the mail goes over

  bool operator==(const Route&) const = default;
};

enum class RouteColumn { Recipient, Sender, Route };

// The lines after the count line; a line without a TAB is skipped. The part
// before the first TAB splits at its first "~" into recipient and sender;
// the rest of the line is the route, unchanged.
// withoutTab, if given, gets the numbers of the lines skipped; status, if
// given, tells a line that cannot be read (one holding a NUL).
std::vector<Route> parseRoutes(const std::string& bytes, std::vector<std::size_t>* withoutTab = nullptr,
                               txt::Status* status = nullptr);
std::string routeBytes(const std::vector<Route>& routes);

// The domain routing dialog `frmdomain` without its window: the routes in
// list order and the row selected in all three lists.
class DomainRouting {
 public:
  std::vector<Route> rows;
  int selected = -1;  // -1: none

  // A missing file gives no routes and no error. After a load the first row
  // is selected; after an error none is, and the rows read so far stay.
  // The files as this editor loaded them: "OK" asks before it overwrites
  // what another program changed meanwhile.
  plat::LoadRecord loaded;

  txt::Status load(plat::FileSystem& fs, const Installation& where);
  // "OK": the whole table, atomically; a file that failed to load is kept
  // as routing.txt.bak. Failure: "Fehler beim Speichern von <routing.txt>"
  // and the reason on a line of its own.
  txt::Status save(plat::FileSystem& fs, const Installation& where);

  void select(int row);
  // "Neu": a row "(NEU)" without sender and route, selected.
  void add();
  // "Löschen": the selected row, if any, goes; the first row that
  // remains is then selected.
  void remove();
  // An edit field changed: its text goes into the selected row. Without a
  // selected row nothing changes.
  void edit(RouteColumn column, const std::string& text);
  const std::string& field(int row, RouteColumn column) const;

 private:
  bool backup_ = false;
};

}  // namespace zorq
