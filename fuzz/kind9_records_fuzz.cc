// Reads the fuzzer's bytes as kind 9 instrument data: the first 15 as the
// database parameters, the rest as a 0x33 reading of 26-byte cable records,
// each of which is then read as a pair record too, formatted for the list
// and the CSV file. Counts and record numbers from the bytes are checked
// against the parameters as the model checks them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "cable/planned_csv.h"
#include "link/initial_data.h"
#include "testers/plan/kind9_records.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  if (size < Kind9Parameters::kWireSize) return 0;
  const Kind9Parameters p = Kind9Parameters::FromWire(data);
  const auto wire = p.ToWire();
  for (size_t i = 0; i < wire.size(); ++i) {
    if (wire[i] != data[i]) __builtin_trap();  // the parameters go back unchanged
  }
  const std::span<const uint8_t> rest(data + wire.size(), size - wire.size());
  const size_t whole = rest.size() - rest.size() % kKind9RecordSize;
  std::vector<Kind9CableRecord> cables;
  if (!SplitCableRecords(rest.first(whole), p.current_cables, cables)) return 0;
  InstrumentInfo instrument;
  CsvCable csv;
  for (const Kind9CableRecord& cable : cables) {
    (void)cable.name();
    if (!PairsInsideArea(cable, p.maximum_pairs)) continue;
    Kind9PairRecord pair;
    pair.Assign(cable.bytes());
    const auto v = pair.values();
    csv.pairs.push_back({v[0] != -2850000128.0f, {v[2], v[1], v[0], v[5], v[4], v[3]}});
  }
  (void)PlannedCsvText(instrument, {csv}, true, ';');
  return 0;
}
