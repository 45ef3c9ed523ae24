// The numeric value of a text, in the few ways the dialogs take it.
//
// - parseNumber: strict. Apart from leading and trailing blanks the whole
//   text must be a decimal number (sign, digits, optional fraction). Used for
//   number fields of the settings files, for the hour and minute parts of a
//   time text, and for the slider lines of main.txt.
// - leadingValue: lenient. Leading blanks are skipped and the number ends at
//   the first character that is not part of it; a text without a number is 0.
//   Used for levels of the command table, modem buffer sizes and flags,
//   memory limits, net parameters, and the level and shortcut of external
//   programs.
// - wholeValue: leadingValue rounded to a whole number, halves to even. Used
//   where a field's numeric value is given to a slider or stored as a whole
//   number (the network number, command levels).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace txt {

std::optional<double> parseNumber(std::string_view text);
double leadingValue(std::string_view text);
double roundHalfEven(double value);
long long wholeValue(std::string_view text);

// Number format of the settings files: " 5 ", " 0 ", "-1 ".
std::string numberFormat(long long value);

// "0" for an empty text, the text unchanged otherwise.
std::string ZeroIfEmpty(const std::string& text);

// Text without leading and trailing blanks.
std::string_view trimBlanks(std::string_view text);

}  // namespace txt
