#include "testers/line/line_records_page.h"

#include <optional>

#include "base/file_write.h"
#include "base/sprintf.h"
#include "base/translatable.h"
#include "storage/worksheet_writer.h"
#include "testers/chart_file.h"
#include "testers/line/line_chart.h"

namespace telvane {
namespace {

uint16_t CountOf(const LineInfo& info, LineRecordKind kind) {
  switch (kind) {
    case LineRecordKind::kLevel:
      return info.levels;
    case LineRecordKind::kSpectrum:
      return info.spectra;
    case LineRecordKind::kResponse:
      return info.responses;
    case LineRecordKind::kExtendedResponse:
      return info.extended;
    case LineRecordKind::kAdsl:
      return info.adsl;
    case LineRecordKind::kModem:
      return 0;  // counted by command 0x09
  }
  return 0;
}

// The cells of one text line: the parts between tabs, blanks trimmed, empty
// parts dropped.
std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  size_t begin = 0;
  while (begin <= line.size()) {
    size_t end = line.find('\t', begin);
    if (end == std::string::npos) end = line.size();
    std::string part = line.substr(begin, end - begin);
    while (!part.empty() && part.back() == ' ') part.pop_back();
    while (!part.empty() && part.front() == ' ') part.erase(0, 1);
    if (!part.empty()) cells.push_back(part);
    begin = end + 1;
  }
  return cells;
}

}  // namespace

LineRecordsPage::LineRecordsPage(PageContext& context, std::shared_ptr<LineTesterState> state)
    : InstrumentPage(context, PageId::kFrequencyMeasurements17,
                     QT_TRANSLATE_NOOP("Tabs", "Частотные измерения")),
      state_(std::move(state)) {}

void LineRecordsPage::ClearBuffers() {
  kind_.reset();
  records_.clear();
  record_size_ = 0;
  Changed();
}

std::vector<std::string> LineRecordsPage::Choices() {
  std::vector<std::string> choices;
  for (const LineKindInfo& k : LineRecordKinds()) choices.push_back(k.choice);
  return choices;
}

bool LineRecordsPage::Receive(int choice) {
  const auto kinds = LineRecordKinds();
  if (choice < 0 || static_cast<size_t>(choice) >= kinds.size()) {
    screen().ShowMessage(Icon::kError, "Ошибка!!!", "Обратитесь к разработчикам");
    return false;
  }
  if (!state_->info && !ReceiveLineInfo(context(), *state_)) return false;
  const LineKindInfo& k = kinds[static_cast<size_t>(choice)];
  const float version = state_->info->version;
  LineTransfers transfers = LineTransfersOf(context());
  uint16_t count = CountOf(*state_->info, k.kind);
  if (k.kind == LineRecordKind::kModem && !transfers.ReceiveModemCount(count)) return false;
  const size_t size = LineRecordSize(k.kind, version);
  std::vector<uint8_t> records;
  if (!transfers.ReceiveRecords(k.code, size, count, records)) return false;
  records_ = std::move(records);
  record_size_ = size;
  kind_ = k.kind;
  version_ = version;
  instrument_name_ = context().instrument().name;
  serial_text_ = context().instrument().SerialText();
  Changed();
  return true;
}

std::span<const uint8_t> LineRecordsPage::Record(size_t index) const {
  if (index >= record_count()) return {};
  return std::span(records_).subspan(index * record_size_, record_size_);
}

std::string LineRecordsPage::Text() const {
  std::string text;
  if (!kind_) return text;
  for (size_t i = 0; i < record_count(); ++i) {
    text += Sprintf("Запись № %.2d\r\n", static_cast<int>(i + 1));
    text += LineRecordText(*kind_, Record(i), version_);
    text += "\r\n";
  }
  return text;
}

std::vector<LinePoint> LineRecordsPage::Points(size_t index) const {
  if (!kind_ || index >= record_count()) return {};
  return LinePoints(*kind_, Record(index), version_);
}

ChartFigure LineRecordsPage::Chart(size_t index) const {
  if (!kind_ || index >= record_count()) return {};
  if (*kind_ != LineRecordKind::kLevel) {
    return LineChart(*kind_, Points(index));
  }
  std::vector<LinePoint> all;
  for (size_t i = 0; i < record_count(); ++i) {
    for (const LinePoint& p : Points(i)) all.push_back(p);
  }
  return LineChart(*kind_, all);
}

std::optional<std::string> LineRecordsPage::ChooseChartPng() { return ChooseChartFile(screen()); }

bool LineRecordsPage::SaveReport() {
  if (!kind_) return false;
  FileDialog dialog;
  dialog.filters = {{"Microsoft Excel 2.1 Worksheet (*.xls)", "*.xls"}};
  dialog.default_extension = "xls";
  const std::optional<FileChoice> choice = screen().ChooseSaveFile(dialog);
  if (!choice) return false;
  if (!WriteReport(choice->path)) {
    screen().ShowMessage(Icon::kError, "Ошибка", "Ошибка создание файла");
    return false;
  }
  return true;
}

bool LineRecordsPage::WriteReport(const std::string& path) const {
  if (!kind_) return false;
  std::optional<FileReplacement> replacement = FileReplacement::Begin(path);
  if (!replacement) return false;
  replacement->file().Close();  // the writer opens the new file itself
  WorksheetWriter sheet;
  bool ok = sheet.Open(replacement->new_path());
  ok = sheet.WriteFont("arial", 10, 0) && ok;
  ok = sheet.WriteFont("arial", 12, 1) && ok;
  ok = sheet.WriteFormatIndex(0) && sheet.WriteCellFormat(0, 0) && ok;
  ok = sheet.WriteFormatIndex(1) && sheet.WriteCellFormat(1, 0) && ok;
  ok = sheet.WriteColumnWidth(0, 0, 30, 255) && ok;
  ok = sheet.WriteColumnWidth(1, 3, 14, 255) && ok;
  auto label = [&](uint16_t row, uint16_t column, const std::string& text, uint8_t format = 0) {
    ok = sheet.WriteLabel(row, column, format, text, 0, 0) && ok;
  };
  label(0, 0, "ОТЧЕТ", 1);
  label(1, 0, LineReportSubtitle(*kind_, version_), 1);
  label(3, 0, "Кабель №");
  label(4, 0, "Число пар");
  label(5, 0, "Длина");
  label(6, 0, "Между");
  label(8, 0, Sprintf("Измерения проводились прибором: %s", instrument_name_.c_str()));
  label(9, 0, Sprintf("Серийный номер: %s", serial_text_.c_str()));
  uint16_t row = 11;
  for (size_t i = 0; i < record_count() && row < 65000; ++i) {
    label(row++, 0, Sprintf("Запись № %.2d", static_cast<int>(i + 1)), 1);
    const std::string text = LineRecordText(*kind_, Record(i), version_);
    size_t begin = 0;
    while (begin < text.size() && row < 65000) {
      size_t end = text.find("\r\n", begin);
      if (end == std::string::npos) end = text.size();
      const std::vector<std::string> cells = Cells(text.substr(begin, end - begin));
      for (size_t c = 0; c < cells.size(); ++c) label(row, static_cast<uint16_t>(c), cells[c]);
      if (!cells.empty()) ++row;
      begin = end + 2;
    }
    ++row;
  }
  ok = sheet.Close() && ok;
  return ok && replacement->Commit();
}

}  // namespace telvane
