// A chart without pixels: series of (x, y) points drawn as lines or bars, the
// ranges and nice ticks of both axes (from the data unless fixed), a second
// scale along the x axis (for example tone index and frequency), and a marker
// at one x with each series' value there. Points whose x or y is not a finite
// number are not drawn and count in no range.
//
// A figure stacks several charts over one width (they usually share the x
// axis) with an optional table of texts beside them. The painter
// (gui/chart_paint.h) draws a figure; the widget shows it; nothing here knows
// about Qt. Texts are UTF-8 in the program's own language; the painter
// translates them.
#ifndef TELVANE_STORAGE_CHART_CHART_MODEL_H_
#define TELVANE_STORAGE_CHART_CHART_MODEL_H_

#include <optional>
#include <string>
#include <vector>

#include "storage/chart/axis_ticks.h"
#include "storage/chart/plot_colour.h"

namespace telvane {

enum class ChartStyle {
  kLine,  // a polyline through the points, broken where a point is missing
  kBars,  // a bar from zero (or the range's nearer end) to each point
};

struct ChartSeries {
  std::string label;  // legend text
  std::string unit;   // the marker readout's unit
  std::vector<double> x;
  std::vector<double> y;  // one per x; extra values of the longer list are ignored
  PlotColour colour;
  ChartStyle style = ChartStyle::kLine;
  int decimals = 0;  // of the marker readout
};

// A second scale along the x axis: value = x × scale + offset (scale != 0).
struct SecondaryAxis {
  std::string title;
  double scale = 1;
  double offset = 0;
};

// A tick of the second scale: where it stands on the x axis and its value.
struct ChartTick {
  double x = 0;
  double value = 0;
};

// One series' value at the marker.
struct MarkerValue {
  std::string label;
  std::string unit;
  int decimals = 0;
  std::optional<double> y;  // none where the series has no finite point there
};

class ChartModel {
 public:
  ChartModel() = default;
  explicit ChartModel(std::string title) : title_(std::move(title)) {}

  const std::string& title() const { return title_; }
  const std::string& x_title() const { return x_title_; }
  const std::string& y_title() const { return y_title_; }
  void set_x_title(std::string text) { x_title_ = std::move(text); }
  void set_y_title(std::string text) { y_title_ = std::move(text); }

  void AddSeries(ChartSeries series);
  const std::vector<ChartSeries>& series() const { return series_; }
  // True when no series has a finite point.
  bool empty() const { return !DataXRange(); }

  // The second x scale; without one ToSecondary and FromSecondary are the
  // identity and there are no secondary ticks. A scale of 0 or a non-finite
  // scale or offset is refused (false).
  bool SetSecondaryX(SecondaryAxis axis);
  const std::optional<SecondaryAxis>& secondary_x() const { return secondary_; }
  double ToSecondary(double x) const;
  double FromSecondary(double value) const;
  // Nice values of the second scale inside XRange(), at most `max_ticks`.
  std::vector<ChartTick> SecondaryTicks(int max_ticks) const;

  // The finite points' extent; none without finite points.
  std::optional<AxisRange> DataXRange() const;
  std::optional<AxisRange> DataYRange() const;

  // Fixed ranges replace the data's (a range whose ends are not finite and
  // increasing is refused: false). The y range may be asked to reach zero.
  bool FixXRange(AxisRange range);
  bool FixYRange(AxisRange range);
  void set_y_includes_zero(bool include) { y_includes_zero_ = include; }
  // The ranges shown: the fixed one, else the data's widened to whole steps
  // of kRangeTicks ticks (x: the data's ends exactly), else 0..1.
  static constexpr int kRangeTicks = 6;
  AxisRange XRange() const;
  AxisRange YRange() const;
  std::vector<double> XTicks(int max_ticks) const { return Ticks(XRange(), max_ticks); }
  std::vector<double> YTicks(int max_ticks) const { return Ticks(YRange(), max_ticks); }

  // The marker snaps to the finite point x nearest `x` among all series;
  // without points there is none.
  void SetMarker(double x);
  void ClearMarker() { marker_.reset(); }
  const std::optional<double>& marker() const { return marker_; }
  // Each series' y at the marker's x (empty without a marker).
  std::vector<MarkerValue> MarkerValues() const;

 private:
  static std::vector<double> Ticks(AxisRange range, int max_ticks);

  std::string title_;
  std::string x_title_;
  std::string y_title_;
  std::vector<ChartSeries> series_;
  std::optional<SecondaryAxis> secondary_;
  std::optional<AxisRange> fixed_x_;
  std::optional<AxisRange> fixed_y_;
  bool y_includes_zero_ = false;
  std::optional<double> marker_;
};

// Charts stacked over one width, with a table of texts beside them (rows of
// cells; the first row is the header).
struct ChartFigure {
  std::string title;
  std::vector<ChartModel> charts;
  std::vector<std::vector<std::string>> side_table;

  bool empty() const;  // no chart has a finite point
  // Puts the marker of every chart at `x` (each snaps on its own).
  void SetMarker(double x);
};

}  // namespace telvane

#endif  // TELVANE_STORAGE_CHART_CHART_MODEL_H_
