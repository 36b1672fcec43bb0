#include "cable/pages/compact_model.h"

#include "cable/initial_cable_data.h"

namespace telvane {

void CompactModel::TakeInitial(const InitialData& initial) {
  if (initial.kind7_header) {
    base.counts = DecodeCompactHeader(*initial.kind7_header);
  } else if (initial.kind4) {
    base.counts = CompactCounts{};
    // Kind 4 counts entries of its planned-measurement database: they are
    // taken as the pairs of one cable.
    base.counts.planned_cables = initial.kind4->current > 0 ? 1 : 0;
    base.counts.planned_pairs = initial.kind4->current;
    base.counts.max_cables = initial.kind4->maximum;
  }
}

}  // namespace telvane
