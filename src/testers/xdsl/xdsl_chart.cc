#include "testers/xdsl/xdsl_chart.h"

#include "base/translatable.h"

namespace telvane {
namespace {

constexpr PlotColour kNoiseColour{0xc0, 0x30, 0x20};
constexpr PlotColour kSnrColour{0x10, 0x70, 0x20};
constexpr PlotColour kBitsColour{0x20, 0x40, 0xc0};
// Bits loaded on one tone: 0 to 15.
constexpr double kMaxBits = 15;

ChartModel BinChart(const char* title, ChartSeries series) {
  ChartModel chart(title);
  chart.set_x_title(QT_TRANSLATE_NOOP("Charts", "Тон"));
  chart.SetSecondaryX({QT_TRANSLATE_NOOP("Charts", "кГц"), kXdslToneKhz, 0});
  chart.FixXRange({0, static_cast<double>(kXdslBins - 1)});
  chart.AddSeries(std::move(series));
  return chart;
}

ChartSeries BinSeries(const char* label, const char* unit, PlotColour colour, ChartStyle style) {
  ChartSeries s;
  s.label = label;
  s.unit = unit;
  s.colour = colour;
  s.style = style;
  s.x.reserve(kXdslBins);
  s.y.reserve(kXdslBins);
  return s;
}

}  // namespace

ChartFigure XdslChart(const XdslLogEntry& entry, const XdslLog& log) {
  ChartSeries noise =
      BinSeries(QT_TRANSLATE_NOOP("Charts", "Шум"), QT_TRANSLATE_NOOP("Charts", "дБм/Гц"),
                kNoiseColour, ChartStyle::kLine);
  ChartSeries snr =
      BinSeries("SNR", QT_TRANSLATE_NOOP("Charts", "дБ"), kSnrColour, ChartStyle::kLine);
  ChartSeries bits = BinSeries(QT_TRANSLATE_NOOP("Charts", "Биты"),
                               QT_TRANSLATE_NOOP("Charts", "бит"), kBitsColour, ChartStyle::kBars);
  for (size_t bin = 0; bin < kXdslBins; ++bin) {
    const double x = static_cast<double>(bin);
    noise.x.push_back(x);
    noise.y.push_back(log.Noise(bin));
    snr.x.push_back(x);
    snr.y.push_back(log.Snr(bin));
    bits.x.push_back(x);
    bits.y.push_back(log.Bits(bin));
  }
  ChartFigure figure;
  figure.title = entry.name + (entry.mode.empty() ? "" : " (" + entry.mode + ")");
  figure.charts.push_back(BinChart(QT_TRANSLATE_NOOP("Charts", "Шум, дБм/Гц"), std::move(noise)));
  ChartModel snr_chart = BinChart(QT_TRANSLATE_NOOP("Charts", "SNR, дБ"), std::move(snr));
  snr_chart.set_y_includes_zero(true);
  figure.charts.push_back(std::move(snr_chart));
  ChartModel bits_chart = BinChart(QT_TRANSLATE_NOOP("Charts", "Биты на тон"), std::move(bits));
  // The whole 0..15 scale unless the instrument reported more bits than a
  // tone carries; then the data's own range shows them.
  const std::optional<AxisRange> bits_range = bits_chart.DataYRange();
  if (bits_range && bits_range->high <= kMaxBits) bits_chart.FixYRange({0, kMaxBits});
  bits_chart.set_y_includes_zero(true);
  figure.charts.push_back(std::move(bits_chart));
  figure.side_table.push_back({"", "Down", "Up"});
  for (const XdslSummaryRow& row : XdslSummaryRows(entry)) {
    figure.side_table.push_back({row.label, row.down, row.up});
  }
  return figure;
}

}  // namespace telvane
