#include "app/viewer_option.h"

#include <algorithm>

#include "storage/trace/plot/trace_file_plot.h"

namespace telvane {

ViewerOption ParseViewerOption(const std::vector<std::string>& words) {
  ViewerOption option;
  option.firmware = kViewerFirmware;
  option.given = std::find(words.begin(), words.end(), "--view") != words.end();
  if (!option.given) return option;
  // Files are the words after "--view"; "--firmware V" counts anywhere.
  bool after_view = false;
  bool options_end = false;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (!options_end && word == "--view") {
      after_view = true;
    } else if (after_view && !options_end && word == "--") {
      options_end = true;
    } else if (!options_end && word == "--firmware") {
      const auto firmware = i + 1 < words.size() ? ParseViewerFirmware(words[++i]) : std::nullopt;
      if (firmware) {
        option.firmware = *firmware;
      } else {
        option.valid = false;
      }
    } else if (after_view) {
      option.files.push_back(word);
    }
  }
  return option;
}

}  // namespace telvane
