// Feeds arbitrary bytes as an Ethernet tester's 768-byte result record (cut or
// padded with zeros) through every text the page and the report make of it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "testers/ethernet/rfc2544_result.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  std::vector<uint8_t> bytes(Rfc2544Result::kSize, 0);
  std::copy_n(data, std::min(size, bytes.size()), bytes.begin());
  Rfc2544Result r;
  r.Assign(bytes);
  ResultSummary(r);
  r.file_name();
  r.label();
  r.remote_label();
  MacText(r.mac());
  IpText(r.ip());
  TosText(r.tos());
  OverallVerdict(r);
  for (Rfc2544Section s : kRfc2544Sections) {
    for (int unit = 0; unit < 3; ++unit) {
      RateText(r.threshold(s), r.rate_code(), unit);
      for (int i = 0; i < r.frame_size_count(); ++i) {
        FrameSizeText(r, i);
        SectionCellText(r, s, i, unit);
        VerdictText(r.verdict(s, i));
      }
    }
  }
  return 0;
}
