// The memory plan of a cable meter whose cable database and planned
// measurements share one serial memory chip: how many cables, sections per
// cable and planned-measurement pairs fit the chip.
#ifndef TELVANE_TESTERS_PLAN_MEMORY_PLAN_H_
#define TELVANE_TESTERS_PLAN_MEMORY_PLAN_H_

#include <cstdint>
#include <optional>
#include <string>

namespace telvane {

// The chip codes the instrument reports.
inline constexpr uint8_t kChipNone = 0;
inline constexpr uint8_t kChip2K = 1;
inline constexpr uint8_t kChip32K = 2;

// Bytes of the chip: 2048, 32768, or 0 for no chip and unknown codes.
uint32_t ChipCapacity(uint8_t chip_type);
// "Отсутствует", "AT25160 2K", "AT25256 32K" or "НЕИЗВЕСТНЫЙ".
std::string ChipName(uint8_t chip_type);

// Limits of the two edited values.
inline constexpr uint32_t kMaxShownCables = 65535;
inline constexpr int kMinSections = 1;
inline constexpr int kMaxSections = 20;

// Bytes of one planned-measurement pair.
inline constexpr int64_t kPairBytes = 26;

// An accepted plan. `cables` counts the trailing offset records too (the
// value the instrument keeps); `shown_cables` is what the page shows.
struct MemoryPlan {
  uint32_t cables = 0;
  int64_t shown_cables = 0;
  int sections = 0;
  uint32_t first_free_byte = 0;
  uint32_t pairs = 0;
};

// The first free byte of the planned-measurement area for n cables of s
// sections: n × (9s + 33) + 41.
int64_t FirstFreeByte(int64_t cables, int sections);

// Plans `shown_cables` + `offset` cables of `sections` sections (sections
// kept between 1 and 20 first) on a chip of `capacity` bytes. While the pairs
// (capacity − f) / 26, truncated toward zero, come out negative the cable
// count is lowered one by one down to 1, then the section count down to 1;
// nullopt when even one cable of one section does not fit. A shortfall of
// under 26 bytes truncates to 0 pairs and is accepted.
std::optional<MemoryPlan> PlanMemory(uint32_t capacity, uint32_t shown_cables, uint32_t offset,
                                     int sections);

}  // namespace telvane

#endif  // TELVANE_TESTERS_PLAN_MEMORY_PLAN_H_
