#include "app/text_planned_page.h"

#include <cstdio>

#include "base/cp1251.h"
#include "base/file_write.h"
#include "base/translatable.h"
#include "base/values.h"

namespace telvane {
namespace {

std::string Value(float value, int kind) {
  if (value == kPairNotMeasured || value == kValueNotMeasured) return "-";
  std::string text;
  FormatMeasurement(value, kind, text);
  return text;
}

}  // namespace

TextPlannedPage::TextPlannedPage(PageContext& context)
    : InstrumentPage(context, PageId::kTextPlanned,
                     QT_TRANSLATE_NOOP("Tabs", "Плановые измерения")) {}

void TextPlannedPage::SetRecords(std::vector<TextPlannedRecord> records) {
  records_ = std::move(records);
  Changed();
}

void TextPlannedPage::ClearBuffers() {
  if (records_.empty()) return;
  records_.clear();
  Changed();
}

std::vector<std::string> TextPlannedPage::Headings() {
  return {"N1", "N2", "C1", "C2", "C3", "R1", "R2", "R3"};
}

std::vector<std::vector<std::string>> TextPlannedPage::Rows() const {
  std::vector<std::vector<std::string>> rows;
  for (const TextPlannedRecord& r : records_) {
    std::vector<std::string> row = {std::to_string(r[0]), std::to_string(r[1])};
    // Floats 1 to 3 are capacitances, 4 to 6 insulation resistances.
    for (int i = 0; i < 6; ++i) {
      row.push_back(Value(LoadLeFloat(r.data() + 2 + 4 * i), i < 3 ? kCapacitance : kInsulation));
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace telvane

namespace telvane {

std::string TextPlannedPage::CsvText() const {
  std::string text = "N1;N2;C1, нФ;C2, нФ;C3, нФ;R1, кОм;R2, кОм;R3, кОм\r\n";
  for (const TextPlannedRecord& r : records_) {
    text += std::to_string(r[0]) + ";" + std::to_string(r[1]);
    for (int i = 0; i < 6; ++i) {
      const float v = LoadLeFloat(r.data() + 2 + 4 * i);
      char number[48];
      if (v == kPairNotMeasured || v == kValueNotMeasured) {
        std::snprintf(number, sizeof number, "-");
      } else {
        std::snprintf(number, sizeof number, "%.1f", v);
      }
      text += std::string(";") + number;
    }
    text += "\r\n";
  }
  return text;
}

bool TextPlannedPage::Save() {
  FileDialog dialog;
  dialog.filters = {{"CSV (*.csv)", "*.csv"}};
  dialog.default_extension = "csv";
  dialog.default_name = "planned.csv";
  const std::optional<FileChoice> choice = screen().ChooseSaveFile(dialog);
  if (!choice) return false;
  const std::string bytes = Utf8ToCp1251(CsvText());
  return WriteWholeFile(screen(), choice->path, bytes, WriteFailure::kFileName);
}

}  // namespace telvane
