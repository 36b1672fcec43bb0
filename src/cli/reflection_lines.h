// The reflections of a page's plotted traces as the command line prints them:
// one "distance m<TAB>amplitude<TAB>slope[<TAB>launch|likely end]" line each,
// found on the first trace with the plot's default threshold.
#ifndef TELVANE_CLI_REFLECTION_LINES_H_
#define TELVANE_CLI_REFLECTION_LINES_H_

#include <vector>

#include "storage/trace/plot/trace_plot_model.h"

namespace telvane::cli {

void PrintReflections(std::vector<PlotTrace> traces);

}  // namespace telvane::cli

#endif  // TELVANE_CLI_REFLECTION_LINES_H_
