// The 380-byte cable record of the 343-byte reflectometer family as code 0x54
// brings it: the compact cable block (343 bytes), then the cable entry, a
// 17-byte name (CP1251, ended by a zero byte or the field's end) and the 20
// slot status bytes.
#ifndef TELVANE_CABLE_REFLECTOGRAMS_COMPACT_CABLE_RECORD_H_
#define TELVANE_CABLE_REFLECTOGRAMS_COMPACT_CABLE_RECORD_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "storage/trace/cable_block.h"

namespace telvane {

inline constexpr size_t kCompactCableNameSize = 17;
inline constexpr size_t kCompactCableRecordSize =
    CableBlock::kCompactSize + kCompactCableNameSize + 20;

struct CompactCableRecord343 {
  CableBlock block{RecordForm::kCompact};
  std::string name;  // UTF-8
  std::array<uint8_t, 20> status{};
};

// False (and `out` untouched) unless `bytes` holds exactly one record.
bool ParseCompactCableRecord(std::span<const uint8_t> bytes, CompactCableRecord343& out);

}  // namespace telvane

#endif  // TELVANE_CABLE_REFLECTOGRAMS_COMPACT_CABLE_RECORD_H_
