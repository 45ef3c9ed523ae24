// The external packers of the net mail, up to ten, in two files:
//
//   daten\packer.txt  50 lines: per packer 0 to 9 its name, pack command,
//                     unpack command, archive suffix and identifier
//   daten\pack2.txt   10 lines: the list command of packers 0 to 9
//
// Every value has a width; a longer one is cut to it when it is stored,
// and values are shown and written without leading and trailing blanks.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/installation.h"
#include "platform/load.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorq {

inline constexpr int kPackers = 10;
inline constexpr const char* kPackerFile = "packer.txt";
inline constexpr const char* kPackerListFile = "pack2.txt";
inline constexpr const char* kPackerLoadError = "Fehler beim Laden von <packer.txt>";

struct Packer {
  std::string name;    // "Name"
  std::string pack;    // "Packen"; "$F" the file to pack, "$A" the archive
  std::string unpack;  // "Entpacken"
  std::string suffix;  // "Suffix"
  std::string id;      // "Kennung"
  std::string list;    // "List", in pack2.txt

  bool operator==(const Packer&) const = default;
};

// The widths of the fields, in the order above.
inline constexpr std::size_t kNameWidth = 20, kPackWidth = 80, kUnpackWidth = 80, kSuffixWidth = 4,
                             kIdWidth = 15, kListWidth = 80;

// A value as stored: its first width characters.
std::string cutTo(std::string_view value, std::size_t width);
// A record as stored: each value cut to its width.
Packer stored(const Packer& typed);
// A record as shown and written: each value without outer blanks.
Packer trimmed(const Packer& record);

// The packer dialog `frmprpacker` without its window: the ten records, the
// packer shown in the fields and the names the list was filled with.
class PackerEditor {
 public:
  std::array<Packer, kPackers> records;
  int current = 0;
  std::vector<std::string> listNames;  // as loaded; edits do not change them

  // Reads both files; a missing packer.txt gives ten empty packers (and
  // pack2.txt is then not read). Reading stops at the first error of a
  // file, the records keep what was read, and the list holds the names read
  // so far. pack2.txt is read even when packer.txt broke off, so that "OK"
  // does not empty the list commands. Failure: kPackerLoadError.
  // The files as this editor loaded them: "OK" asks before it overwrites
  // what another program changed meanwhile.
  plat::LoadRecord loaded;

  txt::Status load(plat::FileSystem& fs, const Installation& where);
  // "OK": both files, atomically; a file that failed to load is kept as
  // <name>.bak. Failure: "Fehler beim Speichern von <...>" and the reason; a file not yet
  // written stays as it was.
  txt::Status save(plat::FileSystem& fs, const Installation& where);

  // getdata: the fields into the current record, each cut to its width.
  void getdata(const Packer& fields);
  // setdata: the current record as the fields show it.
  Packer setdata() const;
  // The row clicked in the list (-1: none) becomes the current packer.
  void select(int row);
  void next();      // "nächster": up to packer 9
  void previous();  // "vorheriger": down to packer 0

 private:
  bool backupPackers_ = false;
  bool backupLists_ = false;
};

// The reading of PackerEditor::load, file by file: packer.txt into the
// records and the list names, pack2.txt into the list commands; each up to
// its first error.
txt::Status readPackers(const std::string& bytes, std::array<Packer, kPackers>& records,
                        std::vector<std::string>& listNames);
txt::Status readPackerLists(const std::string& bytes, std::array<Packer, kPackers>& records);

std::string packerBytes(const std::array<Packer, kPackers>& records);
std::string packerListBytes(const std::array<Packer, kPackers>& records);

}  // namespace zorq
