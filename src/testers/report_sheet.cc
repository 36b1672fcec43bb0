#include "testers/report_sheet.h"

#include "base/sprintf.h"

namespace telvane {
namespace {

constexpr uint8_t kLeft = 1;

}  // namespace

ReportSheet::ReportSheet(Screen& screen, const std::string& path)
    : screen_(screen), replacement_(FileReplacement::Begin(path)) {
  if (!replacement_) return;
  replacement_->file().Close();  // the writer opens the new file itself
  ok_ = writer_.Open(replacement_->new_path());
  ok_ = writer_.WriteFont("arial", 10, 0) && ok_;
  ok_ = writer_.WriteFont("arial", 10, 1) && ok_;
  // Formats 0 plain, 1 bold, 2 highlighted (bold, boxed).
  ok_ = writer_.WriteFormatIndex(0) && writer_.WriteCellFormat(0, kLeft) && ok_;
  ok_ = writer_.WriteFormatIndex(1) && writer_.WriteCellFormat(1, kLeft) && ok_;
  ok_ = writer_.WriteFormatIndex(2) && writer_.WriteCellFormat(1, kLeft | 0x78) && ok_;
  ok_ = writer_.WriteColumnWidth(0, 0, 40, 255) && ok_;
  ok_ = writer_.WriteColumnWidth(1, 3, 24, 255) && ok_;
}

void ReportSheet::Label(int row, int column, std::string_view text, CellStyle style) {
  ok_ = writer_.WriteLabel(static_cast<uint16_t>(row), static_cast<uint16_t>(column),
                           static_cast<uint8_t>(style), text, 0, 0) &&
        ok_;
}

void ReportSheet::Number(int row, int column, double value, CellStyle style) {
  ok_ = writer_.WriteNumber(static_cast<uint16_t>(row), static_cast<uint16_t>(column),
                            static_cast<uint8_t>(style), value, 0, 0) &&
        ok_;
}

void ReportSheet::Title(std::string_view title, const DateTime& c) {
  Label(row_++, 0, title, CellStyle::kBold);
  ++row_;
  Pair("Создан", Sprintf("%2.2d.%2.2d.%4.4d  %2.2d:%2.2d:%2.2d", c.day, c.month, c.year, c.hour,
                         c.minute, c.second));
}

void ReportSheet::Pair(std::string_view label, std::string_view value) {
  Label(row_, 0, label);
  Label(row_, 1, value);
  ++row_;
}

void ReportSheet::Heading(std::string_view text) {
  ++row_;
  Label(row_++, 0, text, CellStyle::kBold);
}

bool ReportSheet::Finish() {
  bool ok = writer_.Close() && ok_;
  ok = ok && replacement_ && replacement_->Commit();
  if (!ok) screen_.ShowMessage(Icon::kError, "Ошибка", "Ошибка создание файла");
  return ok;
}

FileDialog ReportDialog() {
  FileDialog dialog;
  dialog.filters = {{"Microsoft Excel 2.1 Worksheet (*.xls)", "*.xls"}};
  dialog.default_extension = "xls";
  return dialog;
}

}  // namespace telvane
