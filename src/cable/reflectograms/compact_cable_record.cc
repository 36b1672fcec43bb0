#include "cable/reflectograms/compact_cable_record.h"

#include <algorithm>

#include "base/cp1251.h"

namespace telvane {

bool ParseCompactCableRecord(std::span<const uint8_t> bytes, CompactCableRecord343& out) {
  if (bytes.size() != kCompactCableRecordSize) return false;
  CompactCableRecord343 record;
  std::copy_n(bytes.begin(), CableBlock::kCompactSize, record.block.bytes().begin());
  const std::span<const uint8_t> name =
      bytes.subspan(CableBlock::kCompactSize, kCompactCableNameSize);
  const auto end = std::find(name.begin(), name.end(), uint8_t{0});
  record.name = Cp1251ToUtf8(std::string(name.begin(), end));
  std::copy_n(bytes.begin() + CableBlock::kCompactSize + kCompactCableNameSize,
              record.status.size(), record.status.begin());
  out = std::move(record);
  return true;
}

}  // namespace telvane
