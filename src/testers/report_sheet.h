// A report worksheet of the testers (the E1 measurement protocol, the Ethernet
// report): font "arial" plain and bold, three cell formats, and every write's
// result gathered so that one "Ошибка создание файла" (caption "Ошибка") is
// shown at the end when any failed. The sheet is written beside the chosen
// file and takes its place only when complete.
#ifndef TELVANE_TESTERS_REPORT_SHEET_H_
#define TELVANE_TESTERS_REPORT_SHEET_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/file_write.h"
#include "base/screen.h"
#include "storage/worksheet_writer.h"

namespace telvane {

enum class CellStyle : uint8_t { kPlain = 0, kBold = 1, kHighlighted = 2 };

class ReportSheet {
 public:
  // Starts the sheet that will replace `path`.
  ReportSheet(Screen& screen, const std::string& path);

  void Label(int row, int column, std::string_view text, CellStyle style = CellStyle::kPlain);

  // Writing row by row from the top: the next row to write.
  int row() const { return row_; }
  void Skip(int rows = 1) { row_ += rows; }
  // The bold title in column 0, a blank row, then "Создан" with `created` as
  // "%2.2d.%2.2d.%4.4d  %2.2d:%2.2d:%2.2d".
  void Title(std::string_view title, const DateTime& created);
  // A label in column 0 and its value in column 1.
  void Pair(std::string_view label, std::string_view value);
  // A blank row, then `text` in bold.
  void Heading(std::string_view text);
  void Number(int row, int column, double value, CellStyle style = CellStyle::kPlain);
  // Closes the sheet and puts it in place; false after the message.
  bool Finish();

 private:
  Screen& screen_;
  std::optional<FileReplacement> replacement_;
  WorksheetWriter writer_;
  bool ok_ = false;
  int row_ = 0;
};

// The dialog of a report: "Microsoft Excel 2.1 Worksheet (*.xls)".
FileDialog ReportDialog();

}  // namespace telvane

#endif  // TELVANE_TESTERS_REPORT_SHEET_H_
