// A trace file (".rfg", ".wv" or ".tdr", of either page generation) as a
// trace of the plot, for the viewer and the command line.
#ifndef TELVANE_STORAGE_TRACE_PLOT_TRACE_FILE_PLOT_H_
#define TELVANE_STORAGE_TRACE_PLOT_TRACE_FILE_PLOT_H_

#include <optional>
#include <string>

#include "base/screen.h"
#include "storage/trace/plot/trace_plot_model.h"

namespace telvane {

// The firmware the viewer assumes unless told (it decides the record lengths
// of RFG 2.0 and 3.0 and the samples of TDR files).
inline constexpr int kViewerFirmware = 8025;

// "8.025" -> 8025; nullopt for anything but a number above 0 and below 1000.
std::optional<int> ParseViewerFirmware(const std::string& text);

// Reads the file by its extension. RFG files of every version are read as
// the newer page reads them (4.0 holds 160 samples, the others 128); a WV file
// as the page its header word names (10 older, 11 newer); a TDR file as the
// newer page with as many samples as it holds, at most the record's room.
// The distance scale is TDRdiap metres over TDRrast; a trace without a range
// is drawn one metre a sample and says so in its label. Nullopt after the
// reader's message ("Неизвестный формат!" for another extension).
std::optional<PlotTrace> LoadPlotTrace(Screen& screen, const std::string& path, int firmware);

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_PLOT_TRACE_FILE_PLOT_H_
