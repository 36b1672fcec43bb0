// "trace plot" and "trace events": trace files without an instrument. The plot
// is the picture of the window's trace plot (one drawing function for both),
// rendered without a display; a build without Qt says it cannot draw.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "storage/trace/plot/trace_file_plot.h"
#include "storage/trace/plot/trace_plot_model.h"

#ifdef TELVANE_CLI_PLOT
#include <QBuffer>
#include <QByteArray>

#include "base/file_write.h"
#include "cli/offscreen_app.h"
#include "storage/trace/plot/gui/trace_plot_paint.h"
#endif

namespace telvane::cli {
namespace {

constexpr char kPlotSynopsis[] =
    "trace plot FILE... --png OUT.png [--width W --height H] [--firmware V]";
constexpr char kEventsSynopsis[] = "trace events FILE [--firmware V] [--threshold T]";
constexpr int kMinSide = 64;
constexpr int kMaxSide = 8192;

int Usage(const char* synopsis) {
  std::fprintf(stderr, "usage: telvane-cli %s\n", synopsis);
  return kUsageError;
}

// --firmware, kViewerFirmware when absent; nullopt after the message.
std::optional<int> TakeFirmware(std::vector<std::string>& args) {
  const auto text = TakeOptional(args, "--firmware");
  if (!text) return kViewerFirmware;
  const auto firmware = ParseViewerFirmware(*text);
  if (!firmware) std::fprintf(stderr, "telvane-cli: --firmware takes a version such as 8.025\n");
  return firmware;
}

bool Load(CliScreen& screen, const std::vector<std::string>& files, int firmware,
          TracePlotModel& model) {
  for (const std::string& file : files) {
    auto trace = LoadPlotTrace(screen, file, firmware);
    if (!trace) return false;
    model.AddTrace(std::move(*trace));
  }
  return true;
}

#ifdef TELVANE_CLI_PLOT
bool WritePng(CliScreen& screen, const TracePlotModel& model, int width, int height,
              const std::string& out) {
  EnsureOffscreenApp();
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!RenderTracePlot(model, QSize(width, height)).save(&buffer, "PNG")) return false;
  const auto* data = reinterpret_cast<const uint8_t*>(png.constData());
  return ReplaceWholeFile(screen, out,
                          std::span<const uint8_t>(data, static_cast<size_t>(png.size())));
}
#endif

int Plot(Invocation& in) {
  std::vector<std::string> args = in.args;
  const std::string out = TakeOption(args, "--png");
  const std::string width_text = TakeOption(args, "--width", "1000");
  const std::string height_text = TakeOption(args, "--height", "600");
  const auto firmware = TakeFirmware(args);
  if (!firmware) return kUsageError;
  const auto width = ParseNumber("--width", width_text, kMinSide, kMaxSide);
  const auto height = ParseNumber("--height", height_text, kMinSide, kMaxSide);
  if (!width || !height) return kUsageError;
  if (out.empty() || args.empty()) return Usage(kPlotSynopsis);
  for (const std::string& a : args) {
    if (a.starts_with("--")) return Usage(kPlotSynopsis);
  }
#ifdef TELVANE_CLI_PLOT
  TracePlotModel model;
  if (!Load(*in.screen, args, *firmware, model)) return kFailed;
  if (!WritePng(*in.screen, model, *width, *height, out)) {
    std::fprintf(stderr, "telvane-cli: %s not written\n", out.c_str());
    return kFailed;
  }
  return 0;
#else
  std::fprintf(stderr, "telvane-cli: trace plot is not available in this build (no Qt)\n");
  return kFailed;
#endif
}

int Events(Invocation& in) {
  std::vector<std::string> args = in.args;
  const auto firmware = TakeFirmware(args);
  if (!firmware) return kUsageError;
  TracePlotModel model;
  if (const auto t = TakeOptional(args, "--threshold")) {
    char* end = nullptr;
    const double value = std::strtod(t->c_str(), &end);
    if (t->empty() || *end != '\0' || !(value > 0 && value <= 1000)) {
      std::fprintf(stderr, "telvane-cli: --threshold takes a number above 0\n");
      return kUsageError;
    }
    model.set_threshold(value);
  }
  if (args.size() != 1 || args[0].starts_with("--")) return Usage(kEventsSynopsis);
  if (!Load(*in.screen, args, *firmware, model)) return kFailed;
  std::printf("sample\tdistance_m\tamplitude\tslope\tnote\n");
  for (const Reflection& r : model.Reflections()) {
    std::printf("%d\t%.2f\t%.1f\t%s\t%s\n", r.sample, r.distance_m, r.amplitude, SlopeName(r.slope),
                r.launch       ? "launch"
                : r.likely_end ? "likely end or fault"
                               : "");
  }
  return 0;
}

}  // namespace

void RegisterTraceCommands(CommandTable& table) {
  table.push_back({"trace plot", kPlotSynopsis,
                   "draw trace files (.rfg, .wv, .tdr) overlaid into a PNG", Plot});
  table.push_back(
      {"trace events", kEventsSynopsis, "list the reflections of a trace file", Events});
}

}  // namespace telvane::cli
