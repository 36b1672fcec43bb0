#include "testers/plan/kind9_records.h"

#include "base/values.h"

namespace telvane {

bool SplitCableRecords(std::span<const uint8_t> bytes, size_t max_records,
                       std::vector<Kind9CableRecord>& out) {
  if (bytes.size() % kKind9RecordSize != 0) return false;
  const size_t count = bytes.size() / kKind9RecordSize;
  if (count > max_records) return false;
  std::vector<Kind9CableRecord> records(count);
  for (size_t i = 0; i < count; ++i) {
    records[i].Assign(bytes.subspan(i * kKind9RecordSize, kKind9RecordSize));
  }
  out = std::move(records);
  return true;
}

bool PairsInsideArea(const Kind9CableRecord& cable, uint32_t maximum_pairs) {
  return static_cast<uint32_t>(cable.first_pair()) + cable.pairs() <= maximum_pairs;
}

std::array<uint8_t, 2> RecordNumberBytes(uint16_t number) {
  std::array<uint8_t, 2> out{};
  PackBe16(number, out.data());
  return out;
}

}  // namespace telvane
