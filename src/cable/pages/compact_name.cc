#include "cable/pages/compact_name.h"

#include <cstdint>

#include "base/cp1251.h"
#include "cable/compact_records.h"

namespace telvane {
namespace {

// CP1251 letters on the keys A to Z of the Russian layout.
constexpr char kLetterKeys[] =
    "\xD4\xC8\xD1\xC2\xD3\xC0\xCF\xD0\xD8\xCE\xCB\xC4\xDC\xD2\xD9\xC7\xC9\xCA\xDB\xC5\xC3\xCC\xD6"
    "\xD7\xCD\xDF";

uint8_t Upper(uint8_t c) {
  if (c >= 'a' && c <= 'z') return static_cast<uint8_t>(c - 'a' + 'A');
  if (c >= 0xE0) return static_cast<uint8_t>(c - 0x20);  // а..я
  if (c == 0xB8) return 0xA8;                            // ё
  return c;
}

uint8_t FromLatinKey(uint8_t c) {
  if (c >= 'A' && c <= 'Z') return static_cast<uint8_t>(kLetterKeys[c - 'A']);
  switch (c) {
    case '"':
    case '\'':
      return 0xDD;  // Э
    case ',':
    case '<':
      return 0xC1;  // Б
    case '.':
    case '>':
      return 0xDE;  // Ю
    case ':':
    case ';':
      return 0xC6;  // Ж
    case '[':
    case '{':
      return 0xD5;  // Х
    case ']':
    case '}':
      return 0xDA;  // Ъ
    default:
      return c;
  }
}

bool Allowed(uint8_t c) { return (c >= 0xC0 && c <= 0xDF) || (c >= '0' && c <= '9') || c == ' '; }

}  // namespace

std::string CleanCompactCableName(std::string_view typed) {
  const std::string cp = Utf8ToCp1251(typed);
  std::string kept;
  for (const char ch : cp) {
    const uint8_t c = FromLatinKey(Upper(static_cast<uint8_t>(ch)));
    if (!Allowed(c)) continue;
    kept += static_cast<char>(c);
    if (kept.size() == CompactCableRecord::kNameChars) break;
  }
  return Cp1251ToUtf8(kept);
}

}  // namespace telvane
