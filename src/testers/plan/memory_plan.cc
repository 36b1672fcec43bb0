#include "testers/plan/memory_plan.h"

#include <algorithm>

namespace telvane {

uint32_t ChipCapacity(uint8_t chip_type) {
  switch (chip_type) {
    case kChip2K:
      return 2048;
    case kChip32K:
      return 32768;
    default:
      return 0;
  }
}

std::string ChipName(uint8_t chip_type) {
  switch (chip_type) {
    case kChipNone:
      return "Отсутствует";
    case kChip2K:
      return "AT25160 2K";
    case kChip32K:
      return "AT25256 32K";
    default:
      return "НЕИЗВЕСТНЫЙ";
  }
}

int64_t FirstFreeByte(int64_t cables, int sections) {
  return cables * (9 * static_cast<int64_t>(sections) + 33) + 41;
}

namespace {

// Pairs of the plan, the quotient truncated toward zero as a signed division.
int64_t Pairs(uint32_t capacity, int64_t first_free) {
  return (static_cast<int64_t>(capacity) - first_free) / kPairBytes;
}

// The largest cable count of at most `cables` whose plan gives no negative
// pairs: what lowering the count one by one reaches, found in one step so that
// a large offset cannot make the search long. 0 when even one cable fails.
int64_t FittingCables(uint32_t capacity, int64_t cables, int sections) {
  if (Pairs(capacity, FirstFreeByte(cables, sections)) >= 0) return cables;
  // Pairs are not negative exactly while f < capacity + 26.
  const int64_t room = static_cast<int64_t>(capacity) + kPairBytes - 1 - 41;
  if (room < 0) return 0;
  return std::min(cables, room / (9 * static_cast<int64_t>(sections) + 33));
}

}  // namespace

std::optional<MemoryPlan> PlanMemory(uint32_t capacity, uint32_t shown_cables, uint32_t offset,
                                     int sections) {
  int s = std::clamp(sections, kMinSections, kMaxSections);
  int64_t n = static_cast<int64_t>(shown_cables) + offset;
  if (n < 1) n = 1;
  for (;;) {
    const int64_t fitting = FittingCables(capacity, n, s);
    if (fitting >= 1) {
      n = fitting;
      break;
    }
    n = 1;
    if (s < 2) return std::nullopt;
    --s;
  }
  const int64_t f = FirstFreeByte(n, s);
  MemoryPlan plan;
  plan.cables = static_cast<uint32_t>(n);
  plan.shown_cables = n - static_cast<int64_t>(offset);
  plan.sections = s;
  plan.first_free_byte = static_cast<uint32_t>(f);
  plan.pairs = static_cast<uint32_t>(Pairs(capacity, f));
  return plan;
}

}  // namespace telvane
