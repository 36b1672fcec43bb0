// A worksheet as python3-xlrd reads it, for checking the Excel files the
// program writes from outside (tests/cable/xlrd_cells.py).
#ifndef TELVANE_TESTS_SUPPORT_XLRD_CELLS_H_
#define TELVANE_TESTS_SUPPORT_XLRD_CELLS_H_

#include <string>
#include <vector>

namespace telvane::testing {

// "size ROWS COLS", then one "ROW COL text|number VALUE" line per cell; the
// reader's own error text when it cannot read the file.
std::vector<std::string> XlrdCells(const std::string& path);

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_SUPPORT_XLRD_CELLS_H_
