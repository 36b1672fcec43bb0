// Conversion between the program's text (UTF-8) and the CP1251 code page used
// on the wire and in every file the program writes.
#ifndef TELVANE_BASE_CP1251_H_
#define TELVANE_BASE_CP1251_H_

#include <string>
#include <string_view>

namespace telvane {

// Every byte has a character (0x98, unassigned in the code page, maps to
// U+0098, so that a raw byte can still be seen).
std::string Cp1251ToUtf8(std::string_view cp1251);

// Characters outside the code page become '?', and so does U+0098: byte 0x98
// is unassigned in the code page and readers of the files refuse it.
// Malformed UTF-8 sequences become '?' one byte at a time.
std::string Utf8ToCp1251(std::string_view utf8);

// The number of characters (code points) of a UTF-8 text.
size_t Utf8Length(std::string_view utf8);

}  // namespace telvane

#endif  // TELVANE_BASE_CP1251_H_
