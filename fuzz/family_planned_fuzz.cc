// Feeds arbitrary instrument bytes to the planned-measurement records of the
// 435-byte and 233-byte families: the first byte picks the family, the next
// two a pair count, the rest is given to the decoder as it is (any size but
// the record's must be refused) and, repeated to the record's size, as a
// record; the rows of whatever was taken are formatted and reported as CSV.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "cable/family/family_planned.h"
#include "cable/family/family_planned_report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  if (size < 4) return 0;
  const Family family = data[0] % 2 == 0 ? Family::k435 : Family::k233;
  const int pairs = data[1] | data[2] << 8;
  const std::span<const uint8_t> rest(data + 3, size - 3);
  const auto direct = DecodePlannedCable(family, rest);
  if (direct && rest.size() != PlannedRecordSize(family)) __builtin_trap();
  std::vector<uint8_t> record(PlannedRecordSize(family));
  for (size_t i = 0; i < record.size(); ++i) record[i] = rest[i % rest.size()];
  const auto cable = DecodePlannedCable(family, record);
  if (!cable) __builtin_trap();
  PlannedReport report;
  report.family = family;
  report.planned_name = cable->name;
  report.date = PlannedDateText(*cable);
  report.rows = PlannedRows(family, *cable, pairs);
  if (report.rows.size() > kPlannedPairSlots) __builtin_trap();
  (void)PlannedReportCsv(report, ';');
  if (EncodePlannedCable(family, *cable).size() != record.size()) __builtin_trap();
  return 0;
}
