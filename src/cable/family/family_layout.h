// How each family of reflectometers keeps its cable database and which
// commands move it: one row per family. The byte layouts are described in
// docs/family-343.md, docs/family-435.md and docs/family-233.md.
#ifndef TELVANE_CABLE_FAMILY_FAMILY_LAYOUT_H_
#define TELVANE_CABLE_FAMILY_FAMILY_LAYOUT_H_

#include <cstddef>
#include <cstdint>

#include "cable/family/family_scales.h"
#include "cable/reflectograms/reflectometer_cables.h"
#include "link/exchange.h"

namespace telvane {

inline constexpr int kFamilySlots = kReflectogramSlots;
// Cable-type records: 31 bytes, the name (18 characters, zero-ended) in the
// first 19, then the three values that a section takes from its type.
inline constexpr size_t kFamilyTypeSize = 31;
inline constexpr size_t kFamilyTypeNameSize = 19;
inline constexpr int kFamilyTypeLimit = 255;
// A cable type as the program writes it: the type's index in the list, then
// its 31 bytes; the instrument puts it in place of the type of that index.
inline constexpr size_t kFamilyTypeWriteSize = 1 + kFamilyTypeSize;

struct FamilyLayout {
  Family family;
  uint8_t read_info;    // the information record (a series of one)
  uint8_t read_cables;  // the cable records, as many as the information says
  uint8_t write_one;    // one cable record
  uint8_t write_all;    // every cable record, the whole database
  uint8_t read_one;     // a cable number, then that cable's record (0: none)
  uint8_t read_types;   // the cable-type records (0: none)
  uint8_t write_types;  // indexed cable-type records, one or every type (0: none)
  bool has_reflectograms;
  // One cable record on the wire: the cable block, then (in the families with
  // reflectograms) the cable entry: the name and one status byte per slot.
  size_t block_size;
  size_t name_offset;
  size_t name_size;  // the name holds one character less
  size_t status_offset;
  size_t record_size;
  Wait record_wait;
};

// Kind 10: 343-byte blocks, 17-byte names, compact reflectograms.
extern const FamilyLayout kFamily343;
// Kinds 11, 12 and 16: 435-byte blocks, 41-byte names, extended
// reflectograms.
extern const FamilyLayout kFamily435;
// Kind 14: 233-byte cable records with the name inside; no reflectograms.
extern const FamilyLayout kFamily233;

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_LAYOUT_H_
