// Feeds arbitrary bytes to the plot's reading of trace files and of the kind 6
// reflectogram entries. Byte 0 picks the firmware, byte 1 the use: a file
// (".rfg", ".wv" or ".tdr") drawn into a plot model with its reflections,
// cursors and zoom, or a 65-byte entry and its samples made into the version
// 3.0 record and a plot trace.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "cable/trace6/trace6_entry.h"
#include "cable/trace6/trace6_export.h"
#include "fuzz_support.h"
#include "storage/trace/plot/trace_file_plot.h"
#include "storage/trace/plot/trace_plot_model.h"

namespace {

void Exercise(telvane::TracePlotModel& model) {
  model.Reflections();
  model.Readout();
  model.MoveCursor(2, model.FullLength() / 2);
  model.ZoomAt(model.FullLength() / 3, 0.5);
  model.ZoomTo({1, 0, 5, -5});
  model.set_view_k(1.1);
  model.ResetView();
  telvane::AxisTicks(model.window().left, model.window().right, 10);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  using namespace telvane;
  const int firmware = fuzz::FirmwareOf(data[0]);
  const uint8_t use = data[1] % 4;
  const uint8_t* rest = data + 2;
  const size_t rest_size = size - 2;
  TracePlotModel model;
  if (use < 3) {
    static const char* const kExtensions[] = {"rfg", "wv", "tdr"};
    fuzz::SilentScreen screen;
    const std::string path = fuzz::WriteInput(rest, rest_size, kExtensions[use]);
    if (auto trace = LoadPlotTrace(screen, path, firmware)) model.AddTrace(std::move(*trace));
  } else {
    if (rest_size < ReflectogramEntry::kSize) return 0;
    ReflectogramEntry entry;
    entry.Assign(std::span<const uint8_t>(rest, ReflectogramEntry::kSize));
    const Trace6Info info = DecodeTrace6Entry(entry);
    const size_t count = std::min<size_t>(rest_size - ReflectogramEntry::kSize,
                                          static_cast<size_t>(std::max(info.samples, 0)));
    const std::span<const uint8_t> samples(rest + ReflectogramEntry::kSize, count);
    Trace6Record(info, samples);
    Trace6Block(info);
    Trace6Line(info, 1);
    PlotTrace trace;
    trace.amplitude.assign(samples.begin(), samples.end());
    trace.scale = {static_cast<double>(info.range_m()), static_cast<double>(info.stretch()),
                   info.k(), static_cast<int>(count)};
    trace.cursor1 = info.cursor1;
    trace.cursor2 = info.cursor2;
    model.AddTrace(std::move(trace));
  }
  Exercise(model);
  return 0;
}
