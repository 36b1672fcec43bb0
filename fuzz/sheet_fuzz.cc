// Feeds arbitrary bytes to the sheet page's records: a catalogue (16 bytes),
// a sheet (604 bytes) and a notebook entry (104 bytes), each padded with
// zeros when the input is short; builds the list and information texts and
// writes both reports.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "cable/sheets/notebook_report.h"
#include "cable/sheets/sheet_catalog.h"
#include "cable/sheets/sheet_report.h"
#include "fuzz_support.h"

namespace {

template <class Record>
Record Take(const uint8_t*& data, size_t& size) {
  std::vector<uint8_t> bytes(Record::kSize, 0);
  const size_t n = std::min(size, Record::kSize);
  std::copy_n(data, n, bytes.begin());
  data += n;
  size -= n;
  Record record;
  record.Assign(bytes);
  return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  const auto catalog = Take<SheetCatalog>(data, size);
  const auto sheet = Take<SheetRecord>(data, size);
  const auto notebook = Take<NotebookRecord>(data, size);
  SheetEntryName(catalog.pair_selection_names(), catalog.sheet_count());
  SheetInformation(sheet);
  NotebookInformation(notebook);
  const std::string path = fuzz::WriteInput(nullptr, 0, "xls");
  const ReportHeading heading{"fuzz", "000000", {}};
  WriteSheetReport(path, sheet, catalog.pair_count(), heading);
  WriteNotebookReport(path, notebook, 1, heading);
  return 0;
}
