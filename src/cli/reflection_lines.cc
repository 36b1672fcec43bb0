#include "cli/reflection_lines.h"

#include <cstdio>
#include <utility>

namespace telvane::cli {

void PrintReflections(std::vector<PlotTrace> traces) {
  TracePlotModel model;
  for (PlotTrace& t : traces) model.AddTrace(std::move(t));
  for (const Reflection& r : model.Reflections()) {
    std::printf("%.2f m\t%.1f\t%s%s\n", r.distance_m, r.amplitude, SlopeName(r.slope),
                r.launch       ? "\tlaunch"
                : r.likely_end ? "\tlikely end"
                               : "");
  }
}

}  // namespace telvane::cli
