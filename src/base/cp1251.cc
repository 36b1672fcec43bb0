#include "base/cp1251.h"

#include <array>
#include <cstdint>

namespace telvane {
namespace {

// Code points of bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F.
constexpr std::array<char32_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

// The code point byte 0x98 is read as; no character is written as 0x98.
constexpr char32_t kUnassigned = 0x0098;

char32_t ByteToCodePoint(uint8_t b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return 0x0410 + (b - 0xC0);
  return kHigh[b - 0x80];
}

int CodePointToByte(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (cp == kUnassigned) return -1;
  if (cp >= 0x0410 && cp <= 0x044F) return 0xC0 + static_cast<int>(cp - 0x0410);
  for (size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] == cp) return 0x80 + static_cast<int>(i);
  }
  return -1;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Decodes one UTF-8 sequence at `pos`; returns the code point and advances
// `pos`, or returns -1 (advancing one byte) for a malformed sequence.
long DecodeUtf8(std::string_view s, size_t& pos) {
  const uint8_t lead = static_cast<uint8_t>(s[pos]);
  int extra = 0;
  char32_t cp = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    cp = lead & 0x07;
  } else {
    ++pos;
    return -1;
  }
  if (pos + extra >= s.size()) {
    ++pos;
    return -1;
  }
  for (int i = 1; i <= extra; ++i) {
    const uint8_t b = static_cast<uint8_t>(s[pos + i]);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return -1;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  pos += extra + 1;
  return static_cast<long>(cp);
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view cp1251) {
  std::string out;
  out.reserve(cp1251.size() * 2);
  for (char c : cp1251) AppendUtf8(out, ByteToCodePoint(static_cast<uint8_t>(c)));
  return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const long cp = DecodeUtf8(utf8, pos);
    const int b = cp < 0 ? -1 : CodePointToByte(static_cast<char32_t>(cp));
    out.push_back(b < 0 ? '?' : static_cast<char>(b));
  }
  return out;
}

size_t Utf8Length(std::string_view utf8) {
  size_t n = 0;
  size_t pos = 0;
  while (pos < utf8.size()) {
    DecodeUtf8(utf8, pos);
    ++n;
  }
  return n;
}

}  // namespace telvane
