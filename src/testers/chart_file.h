// The save dialog of a chart picture (PNG).
#ifndef TELVANE_TESTERS_CHART_FILE_H_
#define TELVANE_TESTERS_CHART_FILE_H_

#include <optional>
#include <string>

#include "base/screen.h"

namespace telvane {

// "PNG (*.png)" with the extension "png"; nullopt when cancelled.
std::optional<std::string> ChooseChartFile(Screen& screen);

}  // namespace telvane

#endif  // TELVANE_TESTERS_CHART_FILE_H_
