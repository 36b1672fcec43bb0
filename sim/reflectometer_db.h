// The databases of the simulated reflectometer families (kind 10: 343-byte
// blocks; kinds 11, 12, 16: 435-byte blocks; kind 14: 233-byte cable records),
// generated on first use and kept for the life of the simulator so that what
// the program sends is returned on the next read. Layouts as in
// docs/family-343.md, docs/family-435.md and docs/family-233.md:
//   information record  24 bytes: firmware f32, cables, maximum,
//                       reflectograms, planned pairs, cable types (u16 each)
//   cable record        block, then name and 20 slot statuses (255 empty,
//                       0 valid, other invalid); kind 14: name at 0, pairs at 42
//   reflectogram        173 bytes (kind 10) or 233 bytes (extended)
#ifndef TELVANE_SIM_REFLECTOMETER_DB_H_
#define TELVANE_SIM_REFLECTOMETER_DB_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "config.h"
#include "session.h"

namespace sim {

struct ReflFamily {
  int block_size;
  int name_offset;
  int name_size;
  int status_offset;  // -1: no slots
  int record_size;
  bool extended;  // reflectograms of 233 bytes (else 173)
};

inline constexpr ReflFamily kOlder{343, 343, 17, 360, 380, false};
inline constexpr ReflFamily kNewer{435, 435, 41, 476, 496, true};
inline constexpr ReflFamily kKind14{233, 0, 41, -1, 233, true};

inline constexpr int kSlots = 20;

struct ReflDb {
  const ReflFamily* family = nullptr;
  int max_cables = 0;
  std::vector<std::vector<uint8_t>> cables;
  // Per cable, per slot: the whole reflectogram record (173 or 233 bytes).
  std::vector<std::array<std::vector<uint8_t>, kSlots>> traces;
  // Cable types, 31 bytes: name[19], three floats.
  std::vector<std::vector<uint8_t>> types;

  int ValidTraces() const;
  // Adds or replaces a cable from a received record; its slots become empty.
  // False when it is new and there is no room.
  bool Store(const std::vector<uint8_t>& record);
};

// The one database of `family` (kOlder, kNewer or kKind14) of this simulator.
ReflDb& ReflDatabase(const ReflFamily& family, const Config& config);

// Bytes of a reflectogram on the wire for the configured firmware: 173 for
// the older family, else 233 from 8.025, 201 from 8.007, 197 below.
size_t TraceWireLength(const ReflFamily& family, const Config& config);

// The cable types of a database of `kind` (family_types.cc): 31 bytes each,
// name[19], three floats.
std::vector<std::vector<uint8_t>> FamilyTypes(int kind);

// One record of a series the program sends without a number byte: address,
// `length` data bytes, sum, confirmed with the complement of `index`; nullopt
// when the series ended (silence, or the program's next command).
std::optional<std::vector<uint8_t>> ReceiveOpenRecord(Session& s, size_t length, size_t index);

// --- Handlers shared by the families ----------------------------------------
// The information record (confirmed as record 0).
void SendInformation(Session& s, const ReflDb& db, int planned_pairs);
// Every cable record, record i confirmed with the complement of i.
void SendCables(Session& s, const ReflDb& db);
// The cable number (index u16, a zero byte), then that cable's record.
void SendOneCable(Session& s, const ReflDb& db);
// Every cable-type record, record i confirmed with the complement of i.
void SendTypes(Session& s, const ReflDb& db);
// Cable records sent by the program until the series ends; the database is
// replaced (`whole`) or each record stored by name.
void ReceiveCables(Session& s, ReflDb& db, bool whole);
// The reflectogram number, then the slot's record sent back / received.
void SendTrace(Session& s, ReflDb& db, const Config& config);
void ReceiveTrace(Session& s, ReflDb& db, const Config& config);

}  // namespace sim

#endif  // TELVANE_SIM_REFLECTOMETER_DB_H_
