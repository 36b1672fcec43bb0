// The line tester's reflectograms (kind 17), as command 0x07 sends them: one
// 177-byte record per reflectogram, the compact reflectogram record of the
// trace files (173 bytes: name, date, settings, 128 samples) followed by the
// velocity factor k of the line as a little-endian float32 at 173.
//
// The settings are read as the line tester keeps them: TDRdiap is the range
// in metres (at the trace's k), TDRrast the stretch, TDRimp the pulse width in
// ns and TDRdB the gain in dB.
#ifndef TELVANE_TESTERS_LINE_LINE_TRACES_H_
#define TELVANE_TESTERS_LINE_LINE_TRACES_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "storage/trace/cable_block.h"
#include "storage/trace/plot/trace_plot_model.h"
#include "storage/trace/reflectogram_record.h"

namespace telvane {

inline constexpr uint8_t kLineTracesCommand = 0x07;
inline constexpr size_t kLineTraceSize = 177;
inline constexpr size_t kLineTraceKAt = 173;
inline constexpr int kLineTraceSamples = 128;

struct LineTrace {
  ReflectogramRecord record{RecordForm::kCompact};
  // As received; may be anything the instrument sent.
  float k = 0;

  // A sample above 63 is kept as 63 (the files and the plot know 0 … 63).
  static LineTrace FromWire(std::span<const uint8_t, kLineTraceSize> bytes);
  // k when it is a finite number from 1 to 10, else 1 (the files divide by it).
  double UsableK() const;
  // The compact cable block the trace files carry: one section whose fourth
  // float is the usable k.
  CableBlock Block() const;
  // "РФГ №%.2d" with `number`, then the name when there is one.
  std::string Line(int number) const;
  // (caption, value) rows: name, date "%.2u.%.2u.%.2u", pulse width, range,
  // stretch, averaging, gain and k.
  std::vector<std::pair<std::string, std::string>> Panel() const;
  // The trace for the plot, labelled `label`.
  PlotTrace Plot(std::string label) const;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_LINE_LINE_TRACES_H_
