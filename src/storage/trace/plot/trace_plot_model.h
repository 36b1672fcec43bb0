// What a trace plot shows, without drawing it: the traces overlaid (each with
// its own distance scale and colour, named in the legend), the instrument's
// two cursors and their readouts, the visible window (zoom and pan) and the
// reflections found with the user's threshold. The Qt widget and the PNG
// export only paint this model and forward the person's actions to it.
//
// The first trace is the active one: the cursors and the reflection list
// belong to it.
#ifndef TELVANE_STORAGE_TRACE_PLOT_TRACE_PLOT_MODEL_H_
#define TELVANE_STORAGE_TRACE_PLOT_TRACE_PLOT_MODEL_H_

#include <cstdint>
#include <string>
#include <vector>

#include "storage/chart/axis_ticks.h"
#include "storage/chart/plot_colour.h"
#include "storage/trace/plot/reflections.h"
#include "storage/trace/plot/trace_scale.h"

namespace telvane {

struct PlotTrace {
  std::string label;              // legend text
  std::vector<double> amplitude;  // per sample, larger is a stronger signal
  TraceScale scale;
  int cursor1 = 0;  // TDRcurs1_M, a sample index
  int cursor2 = 0;  // TDRcurs2_M
};

struct CursorReadout {
  double distance1 = 0, amplitude1 = 0;
  double distance2 = 0, amplitude2 = 0;
  double delta_distance = 0;   // cursor 2 - cursor 1
  double delta_amplitude = 0;  // cursor 2 - cursor 1
};

// A window onto the plot: metres across, amplitude up.
struct PlotWindow {
  double left = 0, right = 1, bottom = 0, top = 1;
  bool operator==(const PlotWindow&) const = default;
};

class TracePlotModel {
 public:
  // Distinct colours, by trace index (repeating after the palette).
  static PlotColour TraceColour(int index);
  static constexpr double kDefaultThreshold = 4;

  void Clear();
  // Adds a trace (its cursors clamped to its samples) and resets the view.
  void AddTrace(PlotTrace trace);
  const std::vector<PlotTrace>& traces() const { return traces_; }
  bool empty() const { return traces_.empty(); }

  // The shortening factor the distances are shown with; 0 for each trace's own.
  double view_k() const { return view_k_; }
  void set_view_k(double k);
  double MetresPerSample(int trace) const;
  double Distance(int trace, double sample) const;
  // The longest trace's length, metres.
  double FullLength() const;

  // Cursors of the active trace: 1 or 2. Moving snaps to the nearest sample.
  int cursor(int which) const;
  void MoveCursor(int which, double metres);
  // The cursor nearer `metres` (1 on a tie); the widget drags that one.
  int NearestCursor(double metres) const;
  CursorReadout Readout() const;

  // The visible window; ResetView shows every trace whole.
  const PlotWindow& window() const { return window_; }
  void ResetView();
  // Shows `window` (a rubber band), at least one sample wide and one unit high.
  void ZoomTo(PlotWindow window);
  // Wheel: scales the distance span around `metres` by `factor` (< 1 zooms in).
  void ZoomAt(double metres, double factor);
  // Moves the window by `metres` across and `amplitude` up.
  void Pan(double metres, double amplitude);

  double threshold() const { return threshold_; }
  void set_threshold(double threshold);
  // The active trace's reflections.
  std::vector<Reflection> Reflections() const;

 private:
  PlotWindow FullWindow() const;

  std::vector<PlotTrace> traces_;
  double view_k_ = 0;
  double threshold_ = kDefaultThreshold;
  PlotWindow window_;
};

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_PLOT_TRACE_PLOT_MODEL_H_
