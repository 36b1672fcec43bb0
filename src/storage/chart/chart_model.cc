#include "storage/chart/chart_model.h"

#include <algorithm>
#include <cmath>

namespace telvane {
namespace {

bool Finite(double x, double y) { return std::isfinite(x) && std::isfinite(y); }

bool Valid(AxisRange range) {
  return std::isfinite(range.low) && std::isfinite(range.high) && range.low < range.high;
}

template <typename Visit>
void ForEachPoint(const ChartSeries& s, Visit visit) {
  const size_t n = std::min(s.x.size(), s.y.size());
  for (size_t i = 0; i < n; ++i) {
    if (Finite(s.x[i], s.y[i])) visit(s.x[i], s.y[i]);
  }
}

std::optional<AxisRange> Extent(const std::vector<ChartSeries>& series, bool along_x) {
  std::optional<AxisRange> range;
  for (const ChartSeries& s : series) {
    ForEachPoint(s, [&](double x, double y) {
      const double v = along_x ? x : y;
      if (!range) {
        range = AxisRange{v, v};
      } else {
        range->low = std::min(range->low, v);
        range->high = std::max(range->high, v);
      }
    });
  }
  return range;
}

}  // namespace

void ChartModel::AddSeries(ChartSeries series) { series_.push_back(std::move(series)); }

bool ChartModel::SetSecondaryX(SecondaryAxis axis) {
  if (!std::isfinite(axis.scale) || axis.scale == 0 || !std::isfinite(axis.offset)) return false;
  secondary_ = std::move(axis);
  return true;
}

double ChartModel::ToSecondary(double x) const {
  return secondary_ ? x * secondary_->scale + secondary_->offset : x;
}

double ChartModel::FromSecondary(double value) const {
  return secondary_ ? (value - secondary_->offset) / secondary_->scale : value;
}

std::vector<ChartTick> ChartModel::SecondaryTicks(int max_ticks) const {
  std::vector<ChartTick> ticks;
  if (!secondary_) return ticks;
  const AxisRange x = XRange();
  const double a = ToSecondary(x.low);
  const double b = ToSecondary(x.high);
  for (double value : AxisTicks(std::min(a, b), std::max(a, b), max_ticks)) {
    ticks.push_back({FromSecondary(value), value});
  }
  if (a > b) std::reverse(ticks.begin(), ticks.end());
  return ticks;
}

std::optional<AxisRange> ChartModel::DataXRange() const { return Extent(series_, true); }

std::optional<AxisRange> ChartModel::DataYRange() const { return Extent(series_, false); }

bool ChartModel::FixXRange(AxisRange range) {
  if (!Valid(range)) return false;
  fixed_x_ = range;
  return true;
}

bool ChartModel::FixYRange(AxisRange range) {
  if (!Valid(range)) return false;
  fixed_y_ = range;
  return true;
}

AxisRange ChartModel::XRange() const {
  if (fixed_x_) return *fixed_x_;
  const std::optional<AxisRange> data = DataXRange();
  if (!data) return {};
  if (data->low < data->high) return *data;
  return NiceRange(*data, kRangeTicks);
}

AxisRange ChartModel::YRange() const {
  if (fixed_y_) return *fixed_y_;
  std::optional<AxisRange> data = DataYRange();
  if (!data) return {};
  if (y_includes_zero_) {
    data->low = std::min(data->low, 0.0);
    data->high = std::max(data->high, 0.0);
  }
  return NiceRange(*data, kRangeTicks);
}

std::vector<double> ChartModel::Ticks(AxisRange range, int max_ticks) {
  return AxisTicks(range.low, range.high, max_ticks);
}

void ChartModel::SetMarker(double x) {
  marker_.reset();
  if (!std::isfinite(x)) return;
  double best_distance = 0;
  for (const ChartSeries& s : series_) {
    ForEachPoint(s, [&](double px, double) {
      const double d = std::fabs(px - x);
      if (!marker_ || d < best_distance) {
        marker_ = px;
        best_distance = d;
      }
    });
  }
}

std::vector<MarkerValue> ChartModel::MarkerValues() const {
  std::vector<MarkerValue> values;
  if (!marker_) return values;
  for (const ChartSeries& s : series_) {
    MarkerValue value{s.label, s.unit, s.decimals, std::nullopt};
    ForEachPoint(s, [&](double px, double py) {
      if (!value.y && px == *marker_) value.y = py;
    });
    values.push_back(std::move(value));
  }
  return values;
}

bool ChartFigure::empty() const {
  return std::all_of(charts.begin(), charts.end(), [](const ChartModel& c) { return c.empty(); });
}

void ChartFigure::SetMarker(double x) {
  for (ChartModel& chart : charts) chart.SetMarker(x);
}

}  // namespace telvane
