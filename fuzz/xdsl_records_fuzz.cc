// Feeds arbitrary instrument bytes to the xDSL record readers: the first byte
// picks a version band, the rest is read as list entries of that band and, when
// it has a full log's size, as a log that is then exported as text.
#include <cstddef>
#include <cstdint>
#include <span>

#include "testers/xdsl/xdsl_export.h"
#include "testers/xdsl/xdsl_records.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  if (size < 1) return 0;
  static const float kVersions[] = {8.0f, 10.004f, 10.007f, 8.5f, 10.009f, 10.11f};
  const XdslLayout layout = XdslLayoutFor(kVersions[data[0] % 6]);
  const std::span<const uint8_t> body(data + 1, size - 1);
  XdslLogEntry entry;
  for (size_t at = 0; at + layout.entry_size <= body.size(); at += layout.entry_size) {
    entry = XdslLogEntry::Parse(layout.band, body.subspan(at, layout.entry_size));
  }
  const std::optional<XdslLog> log =
      XdslLog::FromWire(body.first(std::min(body.size(), layout.log_size)));
  if (log) {
    const XdslExportSource source{"n", "s", layout.band, &entry, &*log};
    (void)XdslExportText(source, ';');
  }
  return 0;
}
