// Feeds arbitrary bytes to the E1 page file reader (as bytes and as a file);
// a file it accepts has every record's time stamp and interval results made
// and is written back, and must give the same bytes from the version on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz_support.h"
#include "testers/e1/e1_intervals.h"
#include "testers/e1/e1_page_file.h"
#include "testers/e1/e1_summary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  fuzz::SilentScreen screen;
  const E1PageParse parse = ParseE1PageFile(std::span(data, size));
  E1PageMessage(parse);
  const std::string path = fuzz::WriteInput(data, size, "vse1page");
  E1File file;
  if (!LoadE1PageFile(screen, path, file)) return 0;
  if (parse.status != E1PageStatus::kOk) std::abort();
  E1SummaryText(file);
  for (size_t i = 0; i < file.records.size(); ++i) {
    E1RecordStamp(file.header, file.records[i]);
    E1Results(IntervalOf(file.records, i), file.header);
  }
  // Saving what was loaded gives a file of the same size. (Byte for byte it
  // may differ: bytes after a text field's terminator are not kept.)
  const std::vector<uint8_t> again = BuildE1PageFile(file);
  if (again.size() != size) std::abort();
  return 0;
}
