#include "cable/sheets/notebook_report.h"

#include "base/sprintf.h"
#include "base/values.h"
#include "storage/worksheet_writer.h"

namespace telvane {

std::string NotebookValueText(float value, int kind) {
  if (value == kPairNotMeasured || value == kValueNotMeasured) return "НЕТ ИЗМЕРЕНИЙ";
  std::string text;
  FormatMeasurement(value, kind, text);
  return text;
}

bool WriteNotebookReport(const std::string& path, const NotebookRecord& entry, int number,
                         const ReportHeading& heading) {
  WorksheetWriter w;
  bool ok = w.Open(path);
  ok &= WriteReportHead(w, "записи блокнота измерителя", heading);
  // Formats as the sheet report: 1 heading, 2 column heading, 3 row number,
  // 7 and 6 the values of odd and even rows.
  ok &= w.WriteLabel(14, 1, 1, Sprintf("%d. Блокнот измерителя", number), 0, 0);
  ok &= w.WriteLabel(16, 1, 2, "Пара", 0, 64);
  ok &= w.WriteLabel(16, 2, 2, "Емкость", 0, 64);
  ok &= w.WriteLabel(16, 3, 2, "Изоляция", 0, 64);
  for (int i = 0; i < entry.count(); ++i) {
    const uint16_t row = static_cast<uint16_t>(17 + i);
    const uint8_t format = i % 2 == 0 ? 7 : 6;
    const uint8_t align = i % 2 == 0 ? 3 : 131;
    ok &= w.WriteInteger(row, 1, 3, entry.pair(i), 0, 16);
    ok &= w.WriteLabel(row, 2, format, NotebookValueText(entry.capacitance(i), kCapacitance), 0,
                       align);
    ok &=
        w.WriteLabel(row, 3, format, NotebookValueText(entry.insulation(i), kInsulation), 0, align);
  }
  ok &= w.Close();
  return ok;
}

}  // namespace telvane
