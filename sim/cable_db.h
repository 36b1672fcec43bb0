// The databases the simulated cable meters hold, generated on first use and
// kept for the life of the simulator, so that what a test sends can be read
// back. Records are raw byte arrays in the meters' own layouts:
//   cable type (wire form)     name[16] blank-padded, two floats MSB first, 8 zeros
//   full cable record          262 bytes, little-endian fields
//   planned measurement        26 bytes (full family), 25 bytes (compact family)
//   compact cable record       45 bytes, byte 44 the sum of bytes 0..43
//   compact cable type         17 bytes
#ifndef TELVANE_SIM_CABLE_DB_H_
#define TELVANE_SIM_CABLE_DB_H_

#include <array>
#include <cstdint>
#include <vector>

#include "config.h"

namespace sim {

using TypeWire = std::array<uint8_t, 32>;
using FullCable = std::array<uint8_t, 262>;
using FullPair = std::array<uint8_t, 26>;
using CompactCable = std::array<uint8_t, 45>;
using CompactPair = std::array<uint8_t, 25>;
using CompactType = std::array<uint8_t, 17>;

struct FullPlanned {
  std::array<uint8_t, 3> date{};
  std::vector<FullPair> pairs;  // as many as the cable's pair count
};

struct CableDb {
  // Cable types (kinds 2 and 6): the database size and the types present.
  std::vector<TypeWire> types;  // database size slots
  int types_current = 0;

  // Full family (kind 6).
  int max_cables = 50;
  std::vector<FullCable> cables;
  std::vector<FullPlanned> planned;  // one per cable

  // Compact family (kinds 4 and 7).
  int compact_max = 30;
  std::vector<CompactCable> compact_cables;
  std::vector<CompactType> compact_types;
  int compact_planned_cables = 0;
  int compact_pairs = 0;
  std::vector<CompactPair> compact_planned;  // cables × pairs

  // The six bytes of the compact header in the program's reading: cables,
  // types, 0, planned cables, pairs per cable, maximum cables.
  std::array<uint8_t, 6> CompactHeader() const;
};

// The one database of this simulator, generated from the configuration.
CableDb& Db(const Config& config);

// Gives every cable as many planned-measurement pairs as its record's pair
// count (bytes 42-43): pairs held are kept, missing ones generated, the rest
// dropped; one planned entry per cable.
void FitPlanned(CableDb& db);

// Little helpers on raw records.
uint16_t Le16(const uint8_t* p);
void PutLe16(uint8_t* p, unsigned v);
void PutFloatLe(uint8_t* p, float v);
void PutFloatBe(uint8_t* p, float v);
// Sum of bytes 0..43 into byte 44.
void SealCompact(CompactCable& cable);

}  // namespace sim

#endif  // TELVANE_SIM_CABLE_DB_H_
