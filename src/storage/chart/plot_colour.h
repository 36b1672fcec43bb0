// A colour of a plot or chart line, as the models name it (the painters turn
// it into pixels).
#ifndef TELVANE_STORAGE_CHART_PLOT_COLOUR_H_
#define TELVANE_STORAGE_CHART_PLOT_COLOUR_H_

#include <cstdint>

namespace telvane {

struct PlotColour {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const PlotColour&) const = default;
};

}  // namespace telvane

#endif  // TELVANE_STORAGE_CHART_PLOT_COLOUR_H_
