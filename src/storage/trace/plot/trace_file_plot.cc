#include "storage/trace/plot/trace_file_plot.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "storage/trace/plot/record_trace.h"
#include "storage/trace/rfg_file.h"
#include "storage/trace/tdr_file.h"
#include "storage/trace/trace_dispatch.h"
#include "storage/trace/trace_file_io.h"
#include "storage/trace/trace_firmware.h"
#include "storage/trace/wv_file.h"

namespace telvane {
namespace {

constexpr size_t kPeek = 144;  // the longest header looked at: TDR
constexpr size_t kTdrHeader = 144;
constexpr size_t kWvSampleCountAt = 121;

std::string FileName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

}  // namespace

std::optional<int> ParseViewerFirmware(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size() || !(value > 0 && value < 1000)) {
    return std::nullopt;
  }
  return FirmwareThousandths(value);
}

std::optional<PlotTrace> LoadPlotTrace(Screen& screen, const std::string& path, int firmware) {
  const TraceFormat format = TraceFormatOf(path);
  if (format == TraceFormat::kUnknown) {
    screen.ShowMessage(Icon::kError, kUnknownFormat, path);
    return std::nullopt;
  }
  std::vector<uint8_t> head;
  uint64_t size = 0;
  if (!ReadTraceFile(screen, path, kPeek, head, size)) return std::nullopt;

  CableBlock block(RecordForm::kExtended);
  ReflectogramRecord record(RecordForm::kExtended);
  int samples = 128;
  bool ok = false;
  switch (format) {
    case TraceFormat::kRfg: {
      float version = 0;
      if (head.size() >= 4) std::memcpy(&version, head.data(), 4);
      ok = ReadRfgNewer(screen, path, firmware, block, record);
      samples = version == 4.0f ? 160 : 128;
      break;
    }
    case TraceFormat::kWv: {
      const bool older = head.size() >= 2 && head[0] == 10 && head[1] == 0;
      if (older) record = ReflectogramRecord(RecordForm::kCompact);
      ok = ReadWv(screen, path, older ? TracePage::kOlder : TracePage::kNewer, firmware, block,
                  record);
      if (head.size() >= kWvSampleCountAt + 2) {
        samples = head[kWvSampleCountAt] | head[kWvSampleCountAt + 1] << 8;
      }
      samples = std::min(samples, older ? 128 : ExtendedSampleCount(firmware));
      break;
    }
    case TraceFormat::kTdr:
      ok = ReadTdr(screen, path, TracePage::kNewer, firmware, block, record);
      samples = static_cast<int>(
          std::min<uint64_t>(size > kTdrHeader ? size - kTdrHeader : 0,
                             static_cast<uint64_t>(ExtendedSampleCount(firmware))));
      break;
    case TraceFormat::kUnknown:
      break;
  }
  if (!ok) return std::nullopt;
  const TraceSettings settings = record.settings();
  std::string label = FileName(path);
  // TDR names are blank-padded to 12 characters.
  std::string name = record.name();
  name.erase(0, name.find_first_not_of(' '));
  name.erase(name.find_last_not_of(' ') + 1);
  if (!name.empty()) label += " — " + name;
  double range = settings.diap;
  if (range <= 0) {
    range = std::max(samples, 1);  // one metre a sample
    label += " (без масштаба)";
  }
  PlotTrace trace = TraceFromRecord(record, samples, block, range,
                                    settings.diap > 0 ? std::max<int>(1, settings.rast) : 1, label);
  // Without a range the scale is the samples' own: k does not enter it.
  if (settings.diap <= 0) trace.scale.k = 1;
  return trace;
}

}  // namespace telvane
