// Feeds arbitrary instrument bytes to the line tester's record readers: the
// information record, the frequency list and the text view of every kind of
// measurement record, for a version below and from 1.5.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "testers/line/line_records.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  if (size >= kLineInfoSize) {
    std::array<uint8_t, kLineInfoSize> info{};
    std::copy_n(data, kLineInfoSize, info.begin());
    (void)LineInfo::FromWire(info).Rows();
  }
  if (size >= kFrequencyListSize) {
    std::array<uint8_t, kFrequencyListSize> list{};
    std::copy_n(data, kFrequencyListSize, list.begin());
    bool cut = false;
    (void)FrequencyList::FromWire(list, &cut).ToWire();
  }
  for (float version : {1.0f, 2.0f}) {
    for (const LineKindInfo& k : LineRecordKinds()) {
      const size_t record = LineRecordSize(k.kind, version);
      if (size < record) continue;
      (void)LineRecordText(k.kind, std::span(data, record), version);
    }
  }
  return 0;
}
