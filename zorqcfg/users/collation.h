// The order of the sorted name lists (groups, co-sysops): alphabetical
// without regard to case, the way a German sysop reads a list. Windows-1252
// letters with accents and umlauts sort with their base letter ("Äpfel"
// with "Apfel"), "ß" as "ss"; only when two names agree in that do the
// accents decide (plain first), then the case (lower first), then the bytes.
// Signs come before digits, digits before letters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zorq {

bool sortsBefore(std::string_view a, std::string_view b);

// Puts name at its sorted place, after names that sort equal to it; its
// index.
std::size_t insertSorted(std::vector<std::string>& names, std::string name);

// Whether the list holds exactly this name (case counts).
bool holdsExactly(const std::vector<std::string>& names, std::string_view name);

}  // namespace zorq
