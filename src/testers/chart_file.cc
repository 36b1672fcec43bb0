#include "testers/chart_file.h"

namespace telvane {

std::optional<std::string> ChooseChartFile(Screen& screen) {
  FileDialog dialog;
  dialog.filters = {{"PNG (*.png)", "*.png"}};
  dialog.default_extension = "png";
  const auto choice = screen.ChooseSaveFile(dialog);
  if (!choice) return std::nullopt;
  return choice->path;
}

}  // namespace telvane
