#include "cable/initial_cable_data.h"

#include <algorithm>

#include "base/cp1251.h"

namespace telvane {

void TakeKind6Database(const Kind6Database& initial, CableBase& base) {
  base.header.Assign(initial.header);
  const size_t count = std::min<size_t>(
      {static_cast<size_t>(initial.current_cables()), initial.cables.size(), base.cables.size()});
  for (size_t i = 0; i < count; ++i) base.cables[i].set_name(Cp1251ToUtf8(initial.CableName(i)));
}

CompactCounts DecodeCompactHeader(const std::array<uint8_t, 6>& header) {
  CompactCounts counts;
  counts.cables = header[0];
  counts.types = header[1];
  counts.planned_cables = header[3];
  counts.planned_pairs = header[4];
  counts.max_cables = header[5];
  return counts;
}

}  // namespace telvane
