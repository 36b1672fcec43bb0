// The cable-parameter meters (kinds 2, 4, 6 and 7): the cable-type database,
// the full family's cable records and planned measurements, the compact
// family's planned measurements, type list and cable parameters. Everything is
// served from and stored into the simulator's one cable database (cable_db.h).
//
// Records sent by the meter: address, number byte (numbered records only),
// data, sum; the program confirms with the complement of the number, or of the
// first data byte of an unnumbered record (of the second, the database size,
// for the type status). Records received are confirmed the same way.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "cable_db.h"
#include "kind6_traces.h"
#include "registry.h"
#include "session.h"

namespace sim {
namespace {

uint8_t Not(uint8_t b) { return static_cast<uint8_t>(~b); }

uint8_t ConfirmFirst(const std::vector<uint8_t>& data) { return Not(data.empty() ? 0 : data[0]); }

// Sends one record and tells whether the program confirmed it as expected.
bool Send(Session& s, std::span<const uint8_t> data, std::optional<uint8_t> number,
          uint8_t expected, int max_sends = 1) {
  const auto answer = s.SendRecord(data, number, max_sends);
  if (!answer) {
    std::fprintf(stderr, "sim: record not confirmed\n");
    return false;
  }
  if (*answer != expected) {
    std::fprintf(stderr, "sim: record confirmed with %02X, expected %02X\n", *answer, expected);
    // A command in place of the confirmation goes back to the command loop.
    if (s.GiveBackCommand()) std::fprintf(stderr, "sim: taken as the next command\n");
    return false;
  }
  return true;
}

// The index block that precedes 0x14, 0x16 and 0x17: one byte, confirmed.
std::optional<uint8_t> ReceiveIndex(Session& s) {
  const auto block = s.ReceiveRecord(1, ConfirmFirst, 1);
  if (!block) return std::nullopt;
  return (*block)[0];
}

// --- Initial transfers of kinds 6 and 7 -----------------------------------

// The search's initial transfers answer a bad record with a 0 confirmation and
// take it again, so these records are offered more than once.
constexpr int kInitialSends = 10;

void PutLe32(uint8_t* p, unsigned long v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// Kind 6, code 0x10: the database header, then one 25-byte entry per cable
// (name, pair count, length) and one 65-byte entry per reflectogram
// (kind6_traces.h). The
// counts are those of the cable database, so a database sent with 0x12 is
// announced afterwards as it now is.
void FullDatabaseHeader(Session& s) {
  CableDb& db = Db(s.config());
  const int cables = static_cast<int>(db.cables.size());
  const int reflectograms = s.config().reflectograms;
  unsigned long pairs = 0;
  for (const FullCable& c : db.cables) pairs += Le16(&c[42]);
  std::array<uint8_t, 48> header{};
  for (int i = 0; i < 20; ++i) header[i] = static_cast<uint8_t>(0x30 + i);
  header[20] = static_cast<uint8_t>(cables);
  header[21] = static_cast<uint8_t>(db.max_cables);
  PutLe16(&header[22], static_cast<unsigned>(reflectograms));
  PutLe16(&header[24], 100);
  PutLe32(&header[26], pairs);
  PutLe32(&header[30], static_cast<unsigned long>(db.max_cables) * 2000);
  PutLe32(&header[34], static_cast<unsigned long>(reflectograms) * 1024);
  PutLe32(&header[38], 65536);
  if (!Send(s, header, std::nullopt, Not(header[20]), kInitialSends)) return;
  for (int i = 0; i < cables; ++i) {
    const FullCable& cable = db.cables[static_cast<size_t>(i)];
    std::array<uint8_t, 25> entry{};
    std::copy(cable.begin(), cable.begin() + 21, entry.begin());
    std::copy(cable.begin() + 42, cable.begin() + 46, entry.begin() + 21);
    const uint8_t n = static_cast<uint8_t>(i);
    if (!Send(s, entry, n, Not(n), kInitialSends)) return;
  }
  for (int i = 0; i < reflectograms; ++i) {
    const std::array<uint8_t, 65> entry = Kind6TraceEntry(i, cables);
    const uint8_t n = static_cast<uint8_t>(i);
    if (!Send(s, entry, n, Not(n), kInitialSends)) return;
  }
}

// Kind 7, code 0x20: the two compact headers in six bytes, confirmed with the
// complement of byte 1.
void CompactHeaderRecord(Session& s) {
  const std::array<uint8_t, 6> header = Db(s.config()).CompactHeader();
  Send(s, header, std::nullopt, Not(header[1]), kInitialSends);
}

// --- Cable types (kinds 2 and 6) -----------------------------------------

void TypeStatus(Session& s) {
  CableDb& db = Db(s.config());
  const uint8_t data[2] = {static_cast<uint8_t>(db.types_current),
                           static_cast<uint8_t>(db.types.size())};
  Send(s, data, std::nullopt, Not(data[1]));
}

void StoreType(CableDb& db, const std::vector<uint8_t>& record) {
  const int slot = record[0] - 1;
  if (slot < 0 || slot >= static_cast<int>(db.types.size())) {
    std::fprintf(stderr, "sim: cable type number %u outside the table\n", record[0]);
    return;
  }
  std::copy(record.begin() + 1, record.end(), db.types[static_cast<size_t>(slot)].begin());
  db.types_current = std::max(db.types_current, slot + 1);
}

void ReceiveOneType(Session& s) {
  CableDb& db = Db(s.config());
  if (const auto record = s.ReceiveSeriesRecord(32, std::nullopt)) StoreType(db, *record);
}

// The program sends as many types as it takes the meter to hold (numbered
// from 1), at most the table; the series ends with the last one it sends.
void ReceiveAllTypes(Session& s) {
  CableDb& db = Db(s.config());
  for (size_t i = 0; i < db.types.size(); ++i) {
    const auto record = s.ReceiveSeriesRecord(32, static_cast<uint8_t>(i + 1));
    if (!record) return;
    StoreType(db, *record);
  }
}

void SendAllTypes(Session& s) {
  CableDb& db = Db(s.config());
  for (size_t i = 0; i < db.types.size(); ++i) {
    const uint8_t n = static_cast<uint8_t>(i + 1);
    if (!Send(s, db.types[i], n, Not(n))) return;
  }
}

// --- Full family (kind 6) --------------------------------------------------

int CableCount(const CableDb& db) {
  return std::min<int>(static_cast<int>(db.cables.size()), db.max_cables);
}

void ReceiveOneCable(Session& s) {
  CableDb& db = Db(s.config());
  // The single record carries 0xFF in place of a number.
  const auto record = s.ReceiveSeriesRecord(262, 0xFF);
  if (!record) return;
  FullCable cable;
  std::copy(record->begin() + 1, record->end(), cable.begin());
  // The meter files the cable under its name: replaced when it holds one of
  // that name, added otherwise.
  auto same_name = [&](const FullCable& c) { return std::memcmp(c.data(), cable.data(), 21) == 0; };
  auto it = std::find_if(db.cables.begin(), db.cables.end(), same_name);
  if (it != db.cables.end()) {
    *it = cable;
  } else if (static_cast<int>(db.cables.size()) < db.max_cables) {
    db.cables.push_back(cable);
  }
  FitPlanned(db);
}

// The whole database: the cables are the records the program sends, numbered
// from 0, at most the maximum; their pair counts give the planned measurements
// their pairs.
void ReceiveAllCables(Session& s) {
  CableDb& db = Db(s.config());
  std::vector<FullCable> received;
  for (int i = 0; i < db.max_cables; ++i) {
    const auto record = s.ReceiveSeriesRecord(262, static_cast<uint8_t>(i));
    if (!record) break;
    FullCable& cable = received.emplace_back();
    std::copy(record->begin() + 1, record->end(), cable.begin());
  }
  if (received.empty()) return;  // nothing came: the database stays
  db.cables = std::move(received);
  FitPlanned(db);
}

void SendOneCable(Session& s) {
  CableDb& db = Db(s.config());
  const auto index = ReceiveIndex(s);
  if (!index) return;
  FullCable cable{};
  if (*index < db.cables.size()) cable = db.cables[*index];
  Send(s, cable, *index, Not(*index));
}

void SendAllCables(Session& s) {
  CableDb& db = Db(s.config());
  const int count = CableCount(db);
  for (int i = 0; i < count; ++i) {
    const uint8_t n = static_cast<uint8_t>(i);
    if (!Send(s, db.cables[n], n, Not(n))) return;
  }
}

void SendPlanned(Session& s) {
  CableDb& db = Db(s.config());
  const auto index = ReceiveIndex(s);
  FitPlanned(db);
  if (!index || *index >= db.planned.size()) return;
  const FullPlanned& planned = db.planned[*index];
  if (!Send(s, planned.date, std::nullopt, Not(planned.date[0]))) return;
  for (const FullPair& pair : planned.pairs) {
    if (!Send(s, pair, std::nullopt, Not(pair[0]))) return;
  }
}

// --- Compact family (kinds 4 and 7) ---------------------------------------

void SendCompactPlanned(Session& s) {
  CableDb& db = Db(s.config());
  for (const CompactPair& pair : db.compact_planned) {
    if (!Send(s, pair, std::nullopt, Not(pair[0]))) return;
  }
}

void SendCompactTypes(Session& s) {
  CableDb& db = Db(s.config());
  // Cable types are numbered from 1 in list order.
  for (size_t i = 0; i < db.compact_types.size(); ++i) {
    const uint8_t n = static_cast<uint8_t>(i + 1);
    if (!Send(s, db.compact_types[i], n, Not(n))) return;
  }
}

void SendCompactCables(Session& s) {
  CableDb& db = Db(s.config());
  for (size_t i = 0; i < db.compact_cables.size(); ++i) {
    const uint8_t n = static_cast<uint8_t>(i);
    if (!Send(s, db.compact_cables[i], n, Not(n))) return;
  }
}

bool IsEmptySlot(const CompactCable& slot) {
  return slot[44] == 255 &&
         std::all_of(slot.begin(), slot.begin() + 44, [](uint8_t b) { return b == 0; });
}

// The whole image: as many slots as the meter's maximum; the cables are the
// slots before the first empty one.
void ReceiveCompactImage(Session& s) {
  CableDb& db = Db(s.config());
  std::vector<CompactCable> image;
  for (int i = 0; i < db.compact_max; ++i) {
    const auto record = s.ReceiveSeriesRecord(45, static_cast<uint8_t>(i));
    if (!record) break;
    std::copy(record->begin() + 1, record->end(), image.emplace_back().begin());
  }
  if (image.empty()) return;  // nothing came: the database stays
  db.compact_cables.clear();
  for (const CompactCable& slot : image) {
    if (IsEmptySlot(slot)) break;
    db.compact_cables.push_back(slot);
  }
}

const CommandRegistrar kRegistrars[] = {
    {6, 0x10, FullDatabaseHeader}, {7, 0x20, CompactHeaderRecord}, {2, 0x00, TypeStatus},
    {2, 0x01, ReceiveOneType},     {2, 0x02, ReceiveAllTypes},     {2, 0x05, SendAllTypes},
    {6, 0x00, TypeStatus},         {6, 0x01, ReceiveOneType},      {6, 0x02, ReceiveAllTypes},
    {6, 0x05, SendAllTypes},       {6, 0x11, ReceiveOneCable},     {6, 0x12, ReceiveAllCables},
    {6, 0x14, SendOneCable},       {6, 0x15, SendAllCables},       {6, 0x16, SendPlanned},
    {4, 0x21, SendCompactPlanned}, {7, 0x21, SendCompactPlanned},  {7, 0x22, SendCompactTypes},
    {7, 0x23, SendCompactCables},  {7, 0x24, ReceiveCompactImage},
};

}  // namespace
}  // namespace sim
