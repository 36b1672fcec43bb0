#include "cable_db.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace sim {
namespace {

// CP1251 letters used in generated names.
constexpr uint8_t kKabel[] = {0xCA, 0xE0, 0xE1, 0xE5, 0xEB, 0xFC, '-'};  // "Кабель-"
constexpr uint8_t kTPP[] = {0xD2, 0xCF, 0xCF};                           // "ТПП"
constexpr uint8_t kLinia[] = {0xCB, 0xC8, 0xCD, 0xC8, 0xDF, ' '};        // "ЛИНИЯ "
constexpr uint8_t kNote[] = {0xD8, 0xCA, 0xC0, 0xD4, ' '};               // "ШКАФ "
const char* const kTypeNames[] = {"-0.32", "-0.4",  "-0.5",  "-0.64", "-0.7", "-0.9",
                                  "-1.2",  "-0.4E", "-0.5E", "-1.0",  "-0.8", "-0.6"};

template <size_t N>
size_t PutPrefix(uint8_t* out, const uint8_t (&prefix)[N]) {
  std::memcpy(out, prefix, N);
  return N;
}

float Value(int cable, int pair, int which) {
  return 40.0f + static_cast<float>((cable * 7 + pair * 3 + which) % 60) * 0.5f;
}

constexpr float kPairNotMeasured = -2850000128.0f;
constexpr float kValueNotMeasured = -1050000000.0f;

// Pair j (0-based) of cable `cable`'s planned measurements.
FullPair MakePair(int cable, unsigned j) {
  FullPair r{};
  PutLe16(&r[0], j + 1);
  for (int v = 0; v < 6; ++v) {
    PutFloatLe(&r[2 + 4 * static_cast<size_t>(v)],
               v < 3 ? Value(cable, static_cast<int>(j), v) : 31000000.0f);
  }
  if (j % 97 == 5) PutFloatLe(&r[2], kPairNotMeasured);
  return r;
}

CableDb Generate(const Config& config) {
  CableDb db;
  // 63 cable types, 12 of them present.
  db.types.assign(63, TypeWire{});
  db.types_current = 12;
  for (int i = 0; i < db.types_current; ++i) {
    TypeWire& t = db.types[static_cast<size_t>(i)];
    std::memset(t.data(), ' ', 16);
    size_t n = PutPrefix(t.data(), kTPP);
    const char* suffix = kTypeNames[i];
    std::memcpy(t.data() + n, suffix, std::strlen(suffix));
    PutFloatBe(&t[16], 20.0f + static_cast<float>(i) * 7.25f);
    PutFloatBe(&t[20], 0.004f);
  }

  // Full family: the cables the initial transfer announces.
  const int cables = config.cables;
  db.max_cables = config.max_cables;
  db.cables.assign(static_cast<size_t>(cables), FullCable{});
  db.planned.resize(static_cast<size_t>(cables));
  for (int i = 0; i < cables; ++i) {
    FullCable& c = db.cables[static_cast<size_t>(i)];
    size_t n = PutPrefix(c.data(), kKabel);
    std::snprintf(reinterpret_cast<char*>(&c[n]), 21 - n, "%d", i + 1);
    n = PutPrefix(&c[21], kTPP);
    std::snprintf(reinterpret_cast<char*>(&c[21 + n]), 21 - n, "%s", kTypeNames[i % 12]);
    // The first cable is full: 2000 pairs; the others 10 pairs more each.
    const unsigned pairs = i == 0 ? 2000u : 10u + 10u * static_cast<unsigned>(i);
    PutLe16(&c[42], pairs);
    PutLe16(&c[44], 250 + 100 * static_cast<unsigned>(i));
    c[46] = static_cast<uint8_t>(1 + i % 5);
    PutFloatLe(&c[47], 12.5f + static_cast<float>(i));
    c[51] = static_cast<uint8_t>(i % 3);
    for (int line = 0; line < 2; ++line) {
      uint8_t* note = &c[52 + 21 * static_cast<size_t>(line)];
      const size_t m = PutPrefix(note, kNote);
      std::snprintf(reinterpret_cast<char*>(note + m), 21 - m, "%d/%d", i + 1, line + 1);
    }
    PutFloatLe(&c[178], 1.5f);
    PutFloatLe(&c[182], 0.25f * static_cast<float>(i + 1));
    c[186] = 1;
    for (int k = 0; k < 5; ++k) {
      uint8_t* s = &c[187 + 14 * static_cast<size_t>(k)];
      PutLe16(s, 100 + 10 * static_cast<unsigned>(k));
      PutFloatLe(s + 2, 0.4f + 0.1f * static_cast<float>(k));
      PutLe16(s + 6, 148 - static_cast<unsigned>(k));
      PutLe16(s + 8, 45 + static_cast<unsigned>(k));
      PutFloatLe(s + 10, 0.004f);
    }
    c[257] = 0xA5;  // a byte the program keeps without reading it
    FullPlanned& p = db.planned[static_cast<size_t>(i)];
    p.date = {static_cast<uint8_t>(1 + i % 28), 12, 26};
    for (unsigned j = 0; j < pairs; ++j) p.pairs.push_back(MakePair(i, j));
  }

  // Compact family: 12 cables, 8 types, planned measurements of 20 pairs.
  db.compact_types.assign(8, CompactType{});
  for (size_t i = 0; i < db.compact_types.size(); ++i) {
    CompactType& t = db.compact_types[i];
    const size_t n = PutPrefix(t.data(), kTPP);
    std::snprintf(reinterpret_cast<char*>(&t[n]), 9 - n, "%s", kTypeNames[i]);
    PutFloatLe(&t[9], 0.32f + 0.1f * static_cast<float>(i));
    PutFloatLe(&t[13], 45.0f + static_cast<float>(i));
  }
  db.compact_cables.assign(12, CompactCable{});
  for (size_t i = 0; i < db.compact_cables.size(); ++i) {
    CompactCable& c = db.compact_cables[i];
    const size_t n = PutPrefix(c.data(), kLinia);
    std::snprintf(reinterpret_cast<char*>(&c[n]), 13 - n, "%zu", i + 1);
    c[13] = static_cast<uint8_t>(1 + i % 5);
    PutFloatLe(&c[14], static_cast<float>(static_cast<int>(i % 31) - 10));
    c[18] = i % 4 == 0 ? 241 : 0;
    for (int k = 0; k < c[13]; ++k) {
      c[19 + 5 * static_cast<size_t>(k)] = static_cast<uint8_t>(k % 8);
      PutFloatLe(&c[20 + 5 * static_cast<size_t>(k)], 100.0f * static_cast<float>(k + 1));
    }
    SealCompact(c);
  }
  db.compact_planned_cables = 12;
  db.compact_pairs = 20;
  db.compact_planned.assign(12 * 20, CompactPair{});
  for (int c = 0; c < 12; ++c) {
    for (int p = 0; p < 20; ++p) {
      CompactPair& r = db.compact_planned[static_cast<size_t>(c * 20 + p)];
      r[0] = static_cast<uint8_t>(p);
      for (int v = 0; v < 6; ++v) {
        PutFloatLe(&r[1 + 4 * static_cast<size_t>(v)],
                   v < 3 ? Value(c, p, v) : 1000.0f * static_cast<float>(p + 1));
      }
      if (p == 3) PutFloatLe(&r[1], kPairNotMeasured);
      if (p == 4) PutFloatLe(&r[5], kValueNotMeasured);
    }
  }
  return db;
}

}  // namespace

std::array<uint8_t, 6> CableDb::CompactHeader() const {
  return {static_cast<uint8_t>(compact_cables.size()),
          static_cast<uint8_t>(compact_types.size()),
          0,
          static_cast<uint8_t>(compact_planned_cables),
          static_cast<uint8_t>(compact_pairs),
          static_cast<uint8_t>(compact_max)};
}

CableDb& Db(const Config& config) {
  static std::optional<CableDb> db;
  if (!db) db = Generate(config);
  return *db;
}

void FitPlanned(CableDb& db) {
  db.planned.resize(db.cables.size());
  for (size_t i = 0; i < db.cables.size(); ++i) {
    std::vector<FullPair>& pairs = db.planned[i].pairs;
    const unsigned count = Le16(&db.cables[i][42]);
    if (pairs.size() > count) pairs.resize(count);
    for (auto j = static_cast<unsigned>(pairs.size()); j < count; ++j) {
      pairs.push_back(MakePair(static_cast<int>(i), j));
    }
    if (db.planned[i].date[0] == 0) db.planned[i].date = {1, 12, 26};
  }
}

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

void PutLe16(uint8_t* p, unsigned v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

void PutFloatLe(uint8_t* p, float v) {
  uint32_t bits;
  std::memcpy(&bits, &v, 4);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(bits >> (8 * i));
}

void PutFloatBe(uint8_t* p, float v) {
  uint32_t bits;
  std::memcpy(&bits, &v, 4);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(bits >> (24 - 8 * i));
}

void SealCompact(CompactCable& cable) {
  unsigned sum = 0;
  for (size_t i = 0; i < 44; ++i) sum += cable[i];
  cable[44] = static_cast<uint8_t>(sum);
}

}  // namespace sim
