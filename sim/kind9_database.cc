// Kind 9: the cable database of a meter that keeps its cables and planned
// measurements in one memory chip, over both links.
//
// 0x30  the 15 database parameters (16-bit values high byte first): an
//       addressed record over the serial port (the search's initial
//       transfer), one raw block over IrDA, confirmed with ~byte 3.
// 0x33  every cable record the parameters count (the two trailing working
//       records included), one 26-byte raw block each, confirmed with the
//       complement of the block's first byte.
// 0x34  a 2-byte record number (high byte first, answered with the
//       complement of its first byte), then that cable's 26-byte block.
// 0x35  the same for a pair record of the planned area.
// 0x31  the program writes the 15 parameters as one block (~byte 3).
// 0x37  the program writes as many cable blocks as the parameters it just
//       wrote count (~first byte each); they replace the cable table.
//
// Cable record: name (16 bytes, CP1251, NUL-padded), pairs (u16 LE), length
// in metres (u16), sections in use (u8), type (u8), first pair record (u16),
// two spare bytes. Pair record: pair number (u16), capacitance AB, BC, AC
// (nF) and insulation AB, BC, AC (kOhm) as little-endian floats.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cable_db.h"
#include "registry.h"
#include "session.h"

namespace sim {
namespace {

using Block = std::array<uint8_t, 26>;

constexpr size_t kParameterBytes = 15;
constexpr unsigned kTrailing = 2;
constexpr unsigned kMaxCables = 64 + kTrailing;
constexpr unsigned kSections = 5;
constexpr unsigned kCapacity = 32768;

constexpr float kPairNotMeasured = -2850000128.0f;
constexpr float kValueNotMeasured = -1050000000.0f;

void PutBe16(uint8_t* out, unsigned v) {
  out[0] = static_cast<uint8_t>(v >> 8);
  out[1] = static_cast<uint8_t>(v);
}
unsigned GetBe16(const uint8_t* in) { return static_cast<unsigned>(in[0] << 8 | in[1]); }

// UTF-8 Cyrillic, digits and punctuation to CP1251 (А..я and Ё, ё only).
std::string ToCp1251(const char* utf8) {
  std::string out;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p != 0; ++p) {
    if (*p < 0x80) {
      out += static_cast<char>(*p);
      continue;
    }
    const unsigned code = (static_cast<unsigned>(p[0] & 0x1F) << 6) | (p[1] & 0x3F);
    ++p;
    if (code >= 0x410 && code <= 0x44F)
      out += static_cast<char>(0xC0 + (code - 0x410));
    else if (code == 0x401)
      out += static_cast<char>(0xA8);
    else if (code == 0x451)
      out += static_cast<char>(0xB8);
    else
      out += '?';
  }
  return out;
}

struct Database {
  std::array<uint8_t, kParameterBytes> parameters{};
  std::vector<Block> cables;
  std::vector<Block> pairs;
};

const char* const kNames[] = {"ТПП 10х2 Ленина",  "ТПП 20х2 Мира", "ТГ 50х2 АТС-3",
                              "ТПП 30х2 Садовая", "КСПП 1х4 РШ-7", "ТПП 100х2 АТС"};
const unsigned kPairCounts[] = {10, 20, 10, 4, 2, 2};
// The planned area holds this many pairs, shared out over the real cables
// (the last real cable takes what is left).
constexpr unsigned kPairsHeld = 48;

Block CableBlock(const std::string& name, unsigned pairs, unsigned length, unsigned sections,
                 unsigned type, unsigned first_pair) {
  Block b{};
  std::memcpy(b.data(), name.data(), std::min<size_t>(name.size(), 16));
  PutLe16(&b[16], pairs);
  PutLe16(&b[18], length);
  b[20] = static_cast<uint8_t>(sections);
  b[21] = static_cast<uint8_t>(type);
  PutLe16(&b[22], first_pair);
  return b;
}

// Pair j of a cable: capacitances near 45 nF, insulation in the megaohms;
// every seventh pair unmeasured, some values missing or above the range.
Block PairBlock(unsigned cable, unsigned j) {
  Block b{};
  PutLe16(&b[0], j + 1);
  const float base = 44.0f + static_cast<float>((cable * 5 + j * 3) % 12) * 0.5f;
  const float values[6] = {base,
                           base + 1.5f,
                           base + 0.75f,
                           4500.0f + static_cast<float>(j * 1000 % 90000),
                           250000.0f + static_cast<float>(cable) * 10000.0f,
                           31000000.0f};
  for (int v = 0; v < 6; ++v) PutFloatLe(&b[2 + 4 * static_cast<size_t>(v)], values[v]);
  if (j % 7 == 6) PutFloatLe(&b[2], kPairNotMeasured);
  if (j % 5 == 3) PutFloatLe(&b[10], kValueNotMeasured);
  if (j % 11 == 4) PutFloatLe(&b[6], 2100.0f);
  return b;
}

// `--cables` records in all: the last two are the trailing working records
// (fewer when fewer are asked for), the others real cables.
Database Build(const Config& config) {
  Database db;
  const unsigned first_free = kMaxCables * (9 * kSections + 33) + 41;
  const unsigned max_pairs = (kCapacity - first_free) / 26;
  const unsigned all = static_cast<unsigned>(std::clamp(config.cables, 0, 66));
  const unsigned real = all > kTrailing ? all - kTrailing : 0;
  unsigned next_pair = 0;
  for (unsigned c = 0; c < all; ++c) {
    const bool trailing = c >= real;
    unsigned pairs = 0;
    if (!trailing) {
      pairs = c + 1 == real ? kPairsHeld - next_pair
                            : std::min(kPairCounts[c % 6], kPairsHeld - next_pair);
    }
    const std::string name = trailing ? ToCp1251(c == real ? "РАБОЧИЙ" : "РЕЗЕРВ")
                                      : ToCp1251(kNames[c % 6]) + (c >= 6 ? "'" : "");
    db.cables.push_back(CableBlock(name, pairs, trailing ? 0 : 350 + 125 * c,
                                   trailing ? 1 : 1 + c % kSections, trailing ? 0 : 1 + c % 12,
                                   next_pair));
    for (unsigned j = 0; j < pairs; ++j) db.pairs.push_back(PairBlock(c, j));
    next_pair += pairs;
  }
  auto& p = db.parameters;
  p[0] = 2;  // 32 KiB chip
  PutBe16(&p[1], kMaxCables);
  PutBe16(&p[3], static_cast<unsigned>(db.cables.size()));
  p[5] = 12;
  PutBe16(&p[6], max_pairs);
  PutBe16(&p[8], next_pair);
  PutBe16(&p[10], 1);
  p[12] = kSections;
  PutBe16(&p[13], first_free);
  return db;
}

Database& Held(const Config& config) {
  static Database db = Build(config);
  return db;
}

bool Confirmed(const char* what, std::optional<uint8_t> got, uint8_t expected) {
  if (!got) {
    std::fprintf(stderr, "sim: %s not confirmed\n", what);
    return false;
  }
  if (*got != expected) {
    std::fprintf(stderr, "sim: %s confirmed with %02X, expected %02X\n", what, *got, expected);
    return false;
  }
  return true;
}

void Parameters(Session& s) {
  const auto& p = Held(s.config()).parameters;
  const uint8_t expected = static_cast<uint8_t>(~p[3]);
  if (s.config().irda) {
    Confirmed("database parameters", s.SendBlock(p), expected);
  } else {
    Confirmed("database parameters", s.SendRecord(p), expected);
  }
}

void AllCables(Session& s) {
  for (const Block& b : Held(s.config()).cables) {
    if (!Confirmed("cable block", s.SendBlock(b), static_cast<uint8_t>(~b[0]))) return;
  }
}

// The record number block; nullopt when it did not come.
std::optional<unsigned> RecordNumber(Session& s) {
  uint8_t number[2];
  if (!s.ReadBytes(number, 2)) return std::nullopt;
  const uint8_t confirm = static_cast<uint8_t>(~number[0]);
  s.Write(std::span<const uint8_t>(&confirm, 1));
  return GetBe16(number);
}

void NumberedBlock(Session& s, const std::vector<Block>& table, const char* what) {
  const auto number = RecordNumber(s);
  if (!number) return;
  if (*number >= table.size()) {
    std::fprintf(stderr, "sim: %s %u is not held\n", what, *number);
    return;
  }
  const Block& b = table[*number];
  Confirmed(what, s.SendBlock(b), static_cast<uint8_t>(~b[0]));
}

void OneCable(Session& s) { NumberedBlock(s, Held(s.config()).cables, "cable record"); }
void OnePair(Session& s) { NumberedBlock(s, Held(s.config()).pairs, "pair record"); }

void WriteParameters(Session& s) {
  uint8_t p[kParameterBytes];
  if (!s.ReadBytes(p, kParameterBytes)) return;
  const uint8_t confirm = static_cast<uint8_t>(~p[3]);
  s.Write(std::span<const uint8_t>(&confirm, 1));
  std::memcpy(Held(s.config()).parameters.data(), p, kParameterBytes);
}

void WriteCables(Session& s) {
  Database& db = Held(s.config());
  const unsigned count = GetBe16(&db.parameters[3]);
  std::vector<Block> cables;
  for (unsigned i = 0; i < count; ++i) {
    Block b{};
    if (!s.ReadBytes(b.data(), b.size())) {
      std::fprintf(stderr, "sim: cable write ended after %u of %u records\n", i, count);
      return;
    }
    const uint8_t confirm = static_cast<uint8_t>(~b[0]);
    s.Write(std::span<const uint8_t>(&confirm, 1));
    cables.push_back(b);
  }
  // The pair table keeps its records.
  db.cables = std::move(cables);
}

const CommandRegistrar kReadParameters(9, 0x30, Parameters);
const CommandRegistrar kReadCables(9, 0x33, AllCables);
const CommandRegistrar kReadCable(9, 0x34, OneCable);
const CommandRegistrar kReadPair(9, 0x35, OnePair);
const CommandRegistrar kWriteParameters(9, 0x31, WriteParameters);
const CommandRegistrar kWriteCables(9, 0x37, WriteCables);

}  // namespace
}  // namespace sim
