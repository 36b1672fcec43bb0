// Conversion between the program's text (UTF-8) and the CP1251 code page used
// on the wire and in every file the program writes.
#ifndef TELVANE_BASE_CP1251_H_
#define TELVANE_BASE_CP1251_H_

#include <string>
#include <string_view>

namespace telvane {

// Every byte has a character (0x98, unassigned in the code page, maps to
// U+0098 so that raw bytes survive a round trip).
std::string Cp1251ToUtf8(std::string_view cp1251);

// Characters outside the code page become '?'; malformed UTF-8 sequences become
// '?' one byte at a time.
std::string Utf8ToCp1251(std::string_view utf8);

// The number of characters (code points) of a UTF-8 text.
size_t Utf8Length(std::string_view utf8);

}  // namespace telvane

#endif  // TELVANE_BASE_CP1251_H_
