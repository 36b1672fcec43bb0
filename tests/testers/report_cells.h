// The cells of a report worksheet as python3-xlrd (a reader we did not write)
// reads them: text (or number) and font of every non-empty cell.
#ifndef TELVANE_TESTS_TESTERS_REPORT_CELLS_H_
#define TELVANE_TESTS_TESTERS_REPORT_CELLS_H_

#include <cstdio>
#include <map>
#include <string>
#include <utility>

namespace telvane::testing {

struct ReportCell {
  std::string value;  // text as is; numbers as Python's repr ("12.0")
  int font = -1;      // 0 plain, 1 bold
};

using ReportCells = std::map<std::pair<int, int>, ReportCell>;

inline ReportCells ReadReportCells(const std::string& path) {
  std::string quoted = "'";
  for (const char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  quoted += "'";
  const std::string command = std::string(TELVANE_PYTHON) + " " + TELVANE_SOURCE_DIR +
                              "/tests/storage/xlrd_dump.py " + quoted + " 2>&1";
  ReportCells cells;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return cells;
  std::string line;
  auto take = [&] {
    // "cell ROW COL TYPE REPR font F align A"
    int row = 0, column = 0, consumed = 0;
    char type[16] = {};
    if (std::sscanf(line.c_str(), "cell %d %d %15s %n", &row, &column, type, &consumed) < 3) {
      return;
    }
    const size_t font_at = line.rfind(" font ");
    if (font_at == std::string::npos || font_at < static_cast<size_t>(consumed)) return;
    std::string value = line.substr(static_cast<size_t>(consumed), font_at - consumed);
    if (value.size() >= 2 && (value.front() == '\'' || value.front() == '"')) {
      value = value.substr(1, value.size() - 2);
    }
    cells[{row, column}] = {value, std::atoi(line.c_str() + font_at + 6)};
  };
  for (int c; (c = std::fgetc(pipe)) != EOF;) {
    if (c == '\n') {
      take();
      line.clear();
    } else {
      line += static_cast<char>(c);
    }
  }
  pclose(pipe);
  return cells;
}

// The row whose column 0 holds `label` (searching from `from`), or -1.
inline int RowOf(const ReportCells& cells, const std::string& label, int from = 0) {
  for (const auto& [at, cell] : cells) {
    if (at.first >= from && at.second == 0 && cell.value == label) return at.first;
  }
  return -1;
}

inline std::string CellAt(const ReportCells& cells, int row, int column) {
  const auto it = cells.find({row, column});
  return it == cells.end() ? std::string() : it->second.value;
}

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_TESTERS_REPORT_CELLS_H_
