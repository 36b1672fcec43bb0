// The chart of one received xDSL log: noise (dBm/Hz), SNR (dB) and bits over
// the 512 bins, one chart each, stacked over the tone index with the
// frequency (4.3125 kHz per tone) as the second scale, and the entry's
// Down/Up summary beside them.
#ifndef TELVANE_TESTERS_XDSL_XDSL_CHART_H_
#define TELVANE_TESTERS_XDSL_XDSL_CHART_H_

#include "storage/chart/chart_model.h"
#include "testers/xdsl/xdsl_records.h"

namespace telvane {

inline constexpr double kXdslToneKhz = 4.3125;

// The charts in order: noise, SNR, bits.
enum XdslChartIndex { kXdslNoiseChart = 0, kXdslSnrChart = 1, kXdslBitsChart = 2 };

ChartFigure XdslChart(const XdslLogEntry& entry, const XdslLog& log);

}  // namespace telvane

#endif  // TELVANE_TESTERS_XDSL_XDSL_CHART_H_
