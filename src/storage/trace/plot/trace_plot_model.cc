#include "storage/trace/plot/trace_plot_model.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace telvane {
namespace {

constexpr std::array<PlotColour, 8> kPalette = {{
    {0x1f, 0x77, 0xb4},  // blue
    {0xd6, 0x27, 0x28},  // red
    {0x2c, 0xa0, 0x2c},  // green
    {0xff, 0x7f, 0x0e},  // orange
    {0x94, 0x67, 0xbd},  // purple
    {0x8c, 0x56, 0x4b},  // brown
    {0xe3, 0x77, 0xc2},  // pink
    {0x17, 0xbe, 0xcf},  // cyan
}};

// Smallest visible span across and up.
constexpr double kMinAmplitudeSpan = 1;

double Finite(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

}  // namespace

PlotColour TracePlotModel::TraceColour(int index) {
  const size_t i = static_cast<size_t>(index < 0 ? -index : index) % kPalette.size();
  return kPalette[i];
}

void TracePlotModel::Clear() {
  traces_.clear();
  ResetView();
}

void TracePlotModel::AddTrace(PlotTrace trace) {
  trace.scale.samples = static_cast<int>(trace.amplitude.size());
  for (double& v : trace.amplitude) v = Finite(v, 0);
  const int last = std::max(0, trace.scale.samples - 1);
  trace.cursor1 = std::clamp(trace.cursor1, 0, last);
  trace.cursor2 = std::clamp(trace.cursor2, 0, last);
  traces_.push_back(std::move(trace));
  ResetView();
}

void TracePlotModel::set_view_k(double k) {
  view_k_ = std::isfinite(k) && k > 0 ? k : 0;
  ResetView();
}

double TracePlotModel::MetresPerSample(int trace) const {
  if (trace < 0 || trace >= static_cast<int>(traces_.size())) return 0;
  return traces_[static_cast<size_t>(trace)].scale.MetresPerSample(view_k_);
}

double TracePlotModel::Distance(int trace, double sample) const {
  return sample * MetresPerSample(trace);
}

double TracePlotModel::FullLength() const {
  double longest = 0;
  for (int i = 0; i < static_cast<int>(traces_.size()); ++i) {
    const int n = traces_[static_cast<size_t>(i)].scale.samples;
    longest = std::max(longest, Distance(i, std::max(0, n - 1)));
  }
  return longest;
}

int TracePlotModel::cursor(int which) const {
  if (traces_.empty()) return 0;
  return which == 2 ? traces_.front().cursor2 : traces_.front().cursor1;
}

void TracePlotModel::MoveCursor(int which, double metres) {
  if (traces_.empty()) return;
  PlotTrace& t = traces_.front();
  const int sample = t.scale.NearestSample(metres, view_k_);
  (which == 2 ? t.cursor2 : t.cursor1) = sample;
}

int TracePlotModel::NearestCursor(double metres) const {
  const double d1 = std::fabs(Distance(0, cursor(1)) - metres);
  const double d2 = std::fabs(Distance(0, cursor(2)) - metres);
  return d2 < d1 ? 2 : 1;
}

CursorReadout TracePlotModel::Readout() const {
  CursorReadout r;
  if (traces_.empty() || traces_.front().amplitude.empty()) return r;
  const PlotTrace& t = traces_.front();
  r.distance1 = Distance(0, t.cursor1);
  r.distance2 = Distance(0, t.cursor2);
  r.amplitude1 = t.amplitude[static_cast<size_t>(t.cursor1)];
  r.amplitude2 = t.amplitude[static_cast<size_t>(t.cursor2)];
  r.delta_distance = r.distance2 - r.distance1;
  r.delta_amplitude = r.amplitude2 - r.amplitude1;
  return r;
}

PlotWindow TracePlotModel::FullWindow() const {
  PlotWindow w{0, 1, 0, 64};
  if (traces_.empty()) return w;
  w.right = std::max(FullLength(), 1e-3);
  double low = 0, high = 0;
  bool first = true;
  for (const PlotTrace& t : traces_) {
    for (double v : t.amplitude) {
      low = first ? v : std::min(low, v);
      high = first ? v : std::max(high, v);
      first = false;
    }
  }
  // Amplitudes of the instruments' 6-bit samples keep the full 0..63 scale.
  w.bottom = std::min(low, 0.0);
  w.top = std::max(high, 63.0) + 1;
  return w;
}

void TracePlotModel::ResetView() { window_ = FullWindow(); }

void TracePlotModel::ZoomTo(PlotWindow w) {
  if (!std::isfinite(w.left) || !std::isfinite(w.right) || !std::isfinite(w.bottom) ||
      !std::isfinite(w.top)) {
    return;
  }
  if (w.right < w.left) std::swap(w.left, w.right);
  if (w.top < w.bottom) std::swap(w.top, w.bottom);
  const double min_width = std::max(MetresPerSample(0), 1e-3);
  if (w.right - w.left < min_width) {
    const double mid = (w.left + w.right) / 2;
    w.left = mid - min_width / 2;
    w.right = mid + min_width / 2;
  }
  if (w.top - w.bottom < kMinAmplitudeSpan) {
    const double mid = (w.top + w.bottom) / 2;
    w.bottom = mid - kMinAmplitudeSpan / 2;
    w.top = mid + kMinAmplitudeSpan / 2;
  }
  window_ = w;
}

void TracePlotModel::ZoomAt(double metres, double factor) {
  if (!std::isfinite(factor) || factor <= 0 || !std::isfinite(metres)) return;
  PlotWindow w = window_;
  w.left = metres - (metres - window_.left) * factor;
  w.right = metres + (window_.right - metres) * factor;
  ZoomTo(w);
}

void TracePlotModel::Pan(double metres, double amplitude) {
  if (!std::isfinite(metres) || !std::isfinite(amplitude)) return;
  window_.left += metres;
  window_.right += metres;
  window_.bottom += amplitude;
  window_.top += amplitude;
}

void TracePlotModel::set_threshold(double threshold) {
  if (std::isfinite(threshold) && threshold > 0) threshold_ = threshold;
}

std::vector<Reflection> TracePlotModel::Reflections() const {
  if (traces_.empty()) return {};
  return FindReflections(traces_.front().amplitude, MetresPerSample(0), threshold_);
}

}  // namespace telvane
