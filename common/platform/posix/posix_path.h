// How the POSIX stand-in names a Windows path on this machine.
#pragma once

#include <string>

namespace plat {

// "\" becomes "/"; a part that does not exist as written is looked for
// without regard to case, as Windows and Wine find it (a box installed under
// Wine may hold DATEN\MAIN.TXT where the programs ask for daten\main.txt).
// Parts that do not exist at all stay as written.
std::string posixPath(std::string path);

}  // namespace plat
