// The results of one interval of an E1 measurement: the differences of the
// cumulative counters between two consecutive records and the ratios shown
// for them (the formulas are written down in docs/e1.md).
#ifndef TELVANE_TESTERS_E1_E1_INTERVALS_H_
#define TELVANE_TESTERS_E1_E1_INTERVALS_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "testers/e1/e1_records.h"

namespace telvane {

struct E1Interval {
  // Each counter of the interval; never negative. The LOF and LOM seconds are
  // at most the interval's seconds.
  std::array<uint64_t, E1Record::kCounterCount> count{};
  uint64_t seconds() const { return count[E1Record::kElapsed]; }
};

// The interval ending at `current`; `previous` is the record before it, or
// nullptr for the first record (its own values).
E1Interval ComputeInterval(const E1Record* previous, const E1Record& current);
// The interval of record `index` of `records` (0-based, within bounds).
E1Interval IntervalOf(const std::vector<E1Record>& records, size_t index);

// The ratio of one result; nullopt where it is not defined (a zero time).
std::optional<double> E1Ratio(const E1Interval& interval, const E1Header& header,
                              E1Record::Counter counter);

struct E1ResultRow {
  std::string name;  // "CODE", "LOF", "ES", ...
  uint64_t count = 0;
  std::string ratio;  // "%1.3e" or "%.3f %%", "-" where not defined
};

struct E1ResultSection {
  std::string title;          // "Ошибки", "Результаты G.821", ...
  std::string ratio_heading;  // "Коэффициент", "Коэффициент, %"
  std::vector<E1ResultRow> rows;
};

// Every section of results, in the order the page and the protocol show them.
std::vector<E1ResultSection> E1Results(const E1Interval& interval, const E1Header& header);

}  // namespace telvane

#endif  // TELVANE_TESTERS_E1_E1_INTERVALS_H_
