#include "support/xlrd_cells.h"

#include <stdio.h>

#include "support/sim_process.h"

namespace telvane::testing {

std::vector<std::string> XlrdCells(const std::string& path) {
  const std::string command = std::string(TELVANE_PYTHON) + " " + TELVANE_SOURCE_DIR +
                              "/tests/cable/xlrd_cells.py " + ShellQuote(path) + " 2>&1";
  std::vector<std::string> lines;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return lines;
  std::string line;
  for (int c; (c = fgetc(pipe)) != EOF;) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += static_cast<char>(c);
    }
  }
  pclose(pipe);
  return lines;
}

}  // namespace telvane::testing
