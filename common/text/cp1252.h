// Windows-1252: case mapping and conversion to and from UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace txt {

char upper1252(char c);
char lower1252(char c);
std::string upper1252(std::string_view text);
std::string lower1252(std::string_view text);

// Every byte maps to one UTF-16 unit; the five bytes Windows-1252 leaves
// undefined map to the C1 control of the same value, as Windows does.
std::u16string toUtf16(std::string_view cp1252);
// Characters outside Windows-1252 become '?'.
std::string fromUtf16(std::u16string_view utf16);
// The characters of utf16 that Windows-1252 cannot hold, each once, in the
// order met: "U+0141 U+017A".
std::string unstorableCharacters(std::u16string_view utf16);

}  // namespace txt
