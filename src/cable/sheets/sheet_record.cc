#include "cable/sheets/sheet_record.h"

#include <cmath>

namespace telvane {

int SheetRecord::frequency_count() const {
  const float raw = raw_frequency_count();
  if (!(raw > 0)) return 0;  // NaN and negatives
  if (raw >= kMaxFrequencies) return kMaxFrequencies;
  return static_cast<int>(std::trunc(raw));
}

std::optional<size_t> SheetRecord::PairOffset(int k, int j, int pairs) {
  if (k < 0 || j <= k || j >= pairs) return std::nullopt;
  const long index = static_cast<long>(k) * pairs - static_cast<long>(k + 1) * (k + 2) / 2 + j + 1;
  const size_t offset = 81 + static_cast<size_t>(((index % 256) + 256) % 256);
  if (offset >= kSize) return std::nullopt;
  return offset;
}

std::optional<int8_t> SheetRecord::pair_value(int k, int j, int pairs) const {
  const auto offset = PairOffset(k, j, pairs);
  if (!offset) return std::nullopt;
  return static_cast<int8_t>(U8(*offset));
}

}  // namespace telvane
