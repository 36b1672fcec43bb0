// The line tester's measurements drawn as level over frequency, without
// pixels: a spectrum or frequency-response record as a line through its
// points (frequency from the record's range and step, or from its grid codes),
// the narrowband level records together as bars, one per record. The ADSL
// kinds have no chart.
#ifndef TELVANE_TESTERS_LINE_LINE_CHART_H_
#define TELVANE_TESTERS_LINE_LINE_CHART_H_

#include <vector>

#include "storage/chart/chart_model.h"
#include "testers/line/line_records.h"

namespace telvane {

bool LineKindHasChart(LineRecordKind kind);

// The chart of `points` (kHz across, dB up), titled and its series named by
// the kind's choice ("Спектр", "АЧХ" …), drawn as bars for the level kind.
// Empty without a chart for `kind`.
ChartFigure LineChart(LineRecordKind kind, const std::vector<LinePoint>& points);

}  // namespace telvane

#endif  // TELVANE_TESTERS_LINE_LINE_CHART_H_
