// The box texts and batch files of the text folder texte\: a fixed list of
// the files the server shows or runs, each with a description of when, and
// the way a file of that list is opened in the system's text editor.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/installation.h"
#include "platform/filesystem.h"
#include "platform/system.h"
#include "text/status.h"

namespace zorq {

struct BoxFile {
  std::string_view shown;        // the name as the list shows it
  std::string_view description;  // when the server uses the file
  std::string_view file;         // the file opened, in texte\ (lower case)
};

// The rows of "Editieren von Boxtexten", Windows-1252.
inline constexpr std::size_t kBoxTextColumn = 21;
inline constexpr std::array<BoxFile, 19> kBoxTexts = {{
    {"Antrag.txt", "vor dem Antrag", "antrag.txt"},
    {"Dialogda.txt", "Chatanfrage, Sysop anwesend", "dialogda.txt"},
    {"Dialogwe.txt", "Chatanfrage, Sysop abwesend", "dialogwe.txt"},
    {"Download.txt", "vor dem Download", "download.txt"},
    {"Gastlog.txt", "Logintext f\xfcr den Gast", "gastlog.txt"},
    {"Login.txt", "nach dem Login f\xfcr normale User", "login.txt"},
    {"Logoff.txt", "vor dem Hangup des Modems", "logoff.txt"},
    {"Upload.txt", "vor dem Upload", "upload.txt"},
    {"Vorlogin.txt", "vor der Username: Abfrage", "vorlogin.txt"},
    {"Rauswurf.txt", "beim Rauswurf eines Users", "rauswurf.txt"},
    {"Netzsper.txt", "bei Login w\xe4hrend einer Netzsperre", "netzsper.txt"},
    {"Baud.txt", "bei Login unter Mindestbaudrate", "baud.txt"},
    {"SMKopf.txt", "Kopf von Sortermeldungen     ", "smkopf.txt"},
    {"SMEB.txt", "Empfangsbest\xe4tigung", "smeb.txt"},
    {"SMEmpu.txt", "Empf\xe4nger unbekannt ", "smempu.txt"},
    {"SMUsu.txt", "User ist in der Box unbekannt", "smusu.txt"},
    {"Extern.txt", "vor den externen Programmen", "extern.txt"},
    {"Chat.txt", "vor dem lokalen Chat", "chat.txt"},
    {"Multichat.txt", "vor dem Multichat", "multchat.txt"},
}};

// The rows of "Editieren der Batchdateien".
inline constexpr std::size_t kBatchFileColumn = 24;
inline constexpr std::array<BoxFile, 11> kBatchFiles = {{
    {"Antrag.bat", "nach dem Antrag ", "antrag.bat"},
    {"Download.bat", "nach dem Download", "download.bat"},
    {"Gastlog.bat", "beim Login eines Gastes", "gastlog.bat"},
    {"Login.bat", "beim Login eines normalen Users", "login.bat"},
    {"Prelog.bat", "beim Logoff VOR dem Auflegen", "prelog.bat"},
    {"Postlog.bat", "beim Logoff NACH dem Auflegen", "postlog.bat"},
    {"Upload.bat", "nach dem Upload f\xfcr JEDES File", "upload.bat"},
    {"Vorlogin.bat", "vor dem Login", "vorlogin.bat"},
    {"Sorter.bat", "vor jedem Sortieren eines Puffers", "sorter.bat"},
    {"Sortmaps.bat", "vor dem Aufruf von MAPS", "sortmaps.bat"},
    {"Postsort.bat", "nach dem Sortieren, vor Prepack", "postsort.bat"},
}};

// A list row: the shown name padded with blanks to column characters, then
// the description.
std::string rowText(const BoxFile& row, std::size_t column);

// Opens texte\<file> in the text editor. A file that is not there is created
// empty first; one that is there is not touched. When it cannot be created
// (the folder is missing or write-protected) no editor starts, and the
// message to show is returned: "Fehler beim Anlegen von <path>".
txt::Status openBoxFile(plat::FileSystem& fs, plat::System& system, const Installation& where,
                        std::string_view file);

}  // namespace zorq
