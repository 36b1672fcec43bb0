// "--view [--firmware V] FILE...": the program opens trace files in the trace
// viewer instead of looking for an instrument.
#ifndef TELVANE_APP_VIEWER_OPTION_H_
#define TELVANE_APP_VIEWER_OPTION_H_

#include <string>
#include <vector>

namespace telvane {

struct ViewerOption {
  bool given = false;
  bool valid = true;  // false: a --firmware that is not a version
  int firmware = 0;   // thousandths
  std::vector<std::string> files;
};

// Reads the words after the program name. Every word after "--view" is a
// file except "--firmware V" (a word "--" ends the options, so a file may
// start with "-"); "--firmware V" before it counts too.
ViewerOption ParseViewerOption(const std::vector<std::string>& words);

}  // namespace telvane

#endif  // TELVANE_APP_VIEWER_OPTION_H_
