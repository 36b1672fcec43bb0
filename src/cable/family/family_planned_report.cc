#include "cable/family/family_planned_report.h"

#include <array>
#include <optional>

#include "base/cp1251.h"
#include "base/file_write.h"
#include "base/sprintf.h"
#include "storage/worksheet_writer.h"

namespace telvane {
namespace {

constexpr std::array<const char*, 9> kHeadings = {"Номер пары",  "Емкость AC",  "Емкость BC",
                                                  "Емкость AB",  "Изоляция AC", "Изоляция BC",
                                                  "Изоляция AB", "Rшл (Ом)",    "Rа (Ом)"};

constexpr char kWorksheetFilter[] = "Microsoft Excel 2.1 Worksheet (*.xls)";

// Attribute byte 2 of the cells: left-aligned captions, boxed headings, and
// centred data.
constexpr uint8_t kCaption = 1;
constexpr uint8_t kFirstHeading = 106;
constexpr uint8_t kMiddleHeading = 98;
constexpr uint8_t kLastHeadings = 114;
constexpr uint8_t kData = 2;
constexpr uint16_t kHeadingRow = 6;

uint8_t HeadingAttribute(size_t column) {
  if (column == 0) return kFirstHeading;
  return column <= 5 ? kMiddleHeading : kLastHeadings;
}

// The caption lines of rows 0 to 4 (0 to 2 in the 233-byte family).
std::vector<std::string> Captions(const PlannedReport& r) {
  std::vector<std::string> lines = {"Наименование прибора: " + r.instrument,
                                    "Серийный номер: " + r.serial,
                                    "Плановые измерения по кабелю: " + r.cable};
  if (r.family == Family::k435) {
    lines.push_back("Имя плановых измерений: " + r.planned_name);
    lines.push_back("Дата проведения измерений: " + r.date);
  }
  return lines;
}

}  // namespace

FileDialog PlannedReportDialog(Family family) {
  FileDialog dialog;
  dialog.filters = {{kWorksheetFilter, "*.xls"}};
  if (family == Family::k435) {
    dialog.filters.push_back({"CSV (разделители - точка с запятой)", "*.csv"});
    dialog.filters.push_back({"CSV (разделители - запятые)", "*.csv"});
  }
  dialog.default_extension = "xls";
  return dialog;
}

std::string PlannedReportCsv(const PlannedReport& report, char separator) {
  const std::vector<std::string> captions = Captions(report);
  std::string text;
  for (size_t i = 0; i < 3; ++i) text += captions[i] + "\r";
  // The name and the date share one line.
  if (captions.size() > 4) text += captions[3] + captions[4] + "\r";
  std::string out = Utf8ToCp1251(text);
  for (size_t h = 0; h < kHeadings.size(); ++h) {
    if (h > 0) out += separator;
    out += Sprintf("%-15.15s", Utf8ToCp1251(kHeadings[h]).c_str());
  }
  out += '\r';
  for (const PlannedRow& row : report.rows) {
    std::string line = Sprintf("%u", row.pair);
    for (const std::string& cell : row.cells) line += separator + cell;
    out += Utf8ToCp1251(line) + '\r';
  }
  return out;
}

bool WritePlannedWorksheet(Screen& screen, const std::string& path, const PlannedReport& report) {
  std::optional<FileReplacement> replacement = FileReplacement::Begin(path);
  bool ok = replacement.has_value();
  WorksheetWriter w;
  if (replacement) {
    replacement->file().Close();  // the writer opens the new file itself
    ok = w.Open(replacement->new_path());
  }
  ok = w.WriteColumnWidth(0, 0, 12, 255) && ok;
  ok = w.WriteColumnWidth(1, 6, 15, 255) && ok;
  const std::vector<std::string> captions = Captions(report);
  for (size_t i = 0; i < captions.size(); ++i) {
    ok = w.WriteLabel(static_cast<uint16_t>(i), 0, 0, captions[i], 0, kCaption) && ok;
  }
  for (size_t h = 0; h < kHeadings.size(); ++h) {
    ok = w.WriteLabel(kHeadingRow, static_cast<uint16_t>(h), 0, kHeadings[h], 0,
                      HeadingAttribute(h)) &&
         ok;
  }
  uint16_t row = kHeadingRow + 1;
  for (const PlannedRow& r : report.rows) {
    ok = w.WriteInteger(row, 0, 0, static_cast<uint16_t>(r.pair), 0, kData) && ok;
    for (size_t c = 0; c < r.cells.size(); ++c) {
      ok = w.WriteLabel(row, static_cast<uint16_t>(c + 1), 0, r.cells[c], 0, kData) && ok;
    }
    ++row;
  }
  ok = w.Close() && ok;
  ok = ok && replacement->Commit();
  if (!ok) screen.ShowMessage(Icon::kError, "Ошибка", "Ошибка создание файла");
  return ok;
}

bool WritePlannedCsv(Screen& screen, const std::string& path, const PlannedReport& report,
                     char separator) {
  const std::string bytes = PlannedReportCsv(report, separator);
  return ReplaceWholeFile(screen, path,
                          std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

bool SavePlannedReport(Screen& screen, const FileChoice& choice, const PlannedReport& report) {
  if (report.family == Family::k435 && choice.filter_index == 2) {
    return WritePlannedCsv(screen, choice.path, report, ';');
  }
  if (report.family == Family::k435 && choice.filter_index == 3) {
    return WritePlannedCsv(screen, choice.path, report, ',');
  }
  return WritePlannedWorksheet(screen, choice.path, report);
}

}  // namespace telvane
