// A trace for the plot from a reflectogram record and its cable block.
#ifndef TELVANE_STORAGE_TRACE_PLOT_RECORD_TRACE_H_
#define TELVANE_STORAGE_TRACE_PLOT_RECORD_TRACE_H_

#include <string>

#include "storage/trace/cable_block.h"
#include "storage/trace/plot/trace_plot_model.h"
#include "storage/trace/reflectogram_record.h"

namespace telvane {

// The first `sample_count` samples (at most the record's room) as amplitudes
// 63 - sample (the records keep 0 for the largest amplitude), the cursors
// TDRcurs1_M and TDRcurs2_M as sample indices, and the scale from `range_m`,
// `stretch` and the cable block's velocity factor k (1 when it is not a
// positive number).
PlotTrace TraceFromRecord(const ReflectogramRecord& record, int sample_count,
                          const CableBlock& block, double range_m, double stretch,
                          std::string label);

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_PLOT_RECORD_TRACE_H_
