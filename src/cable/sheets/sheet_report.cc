#include "cable/sheets/sheet_report.h"

#include <array>

#include "base/sprintf.h"

namespace telvane {
namespace {

// The ten cell formats: font and alignment byte. Cells pass the format's
// alignment byte as their own third attribute byte too, so readers that
// take the alignment from the cell see the same as those that read the XF.
struct CellFormat {
  uint8_t font;
  uint8_t alignment;
};
constexpr std::array<CellFormat, 10> kFormats = {
    {{0, 0}, {1, 0}, {1, 64}, {1, 16}, {1, 67}, {0, 16}, {0, 131}, {0, 3}, {0, 147}, {1, 2}}};

constexpr int kTableColumn = 1;

// Cell writes that AND every result.
class Cells {
 public:
  explicit Cells(WorksheetWriter& writer) : w_(writer) {}
  void Label(int row, int column, int format, const std::string& text) {
    ok_ &= w_.WriteLabel(Row(row), Col(column), Attr(format), text, 0, Align(format));
  }
  void Integer(int row, int column, int format, long value) {
    if (value >= 0 && value <= 0xFFFF) {
      ok_ &= w_.WriteInteger(Row(row), Col(column), Attr(format), static_cast<uint16_t>(value), 0,
                             Align(format));
    } else {  // a negative pair number does not fit the integer cell
      Number(row, column, format, static_cast<double>(value));
    }
  }
  void Number(int row, int column, int format, double value) {
    ok_ &= w_.WriteNumber(Row(row), Col(column), Attr(format), value, 0, Align(format));
  }
  // An attenuation value: "П" for 126, else the number.
  void Attenuation(int row, int column, int format, int8_t value) {
    if (value == kAttenuationOverRange) {
      Label(row, column, format, "П");
    } else {
      Number(row, column, format, value);
    }
  }
  bool ok() const { return ok_; }
  void Also(bool ok) { ok_ &= ok; }

 private:
  static uint16_t Row(int row) { return static_cast<uint16_t>(row); }
  static uint16_t Col(int column) { return static_cast<uint16_t>(column); }
  static uint8_t Attr(int format) { return static_cast<uint8_t>(format); }
  static uint8_t Align(int format) { return kFormats[static_cast<size_t>(format)].alignment; }

  WorksheetWriter& w_;
  bool ok_ = true;
};

// One attenuation table: heading at `row`, column headings two rows down,
// then one row per combination. Returns its last row.
int AttenuationTable(Cells& cells, const SheetRecord& sheet, int row, unsigned number,
                     const char* title, bool crosstalk) {
  cells.Label(row, kTableColumn, 1, Sprintf("%u. %s", number, title));
  const int head = row + 2;
  cells.Label(head, 2, 2, "Выход");
  cells.Label(head, 3, 2, "Вход");
  const int frequencies = sheet.frequency_count();
  for (int f = 0; f < frequencies; ++f) {
    cells.Label(head, 4 + f, 4, Sprintf("%.2f", static_cast<double>(sheet.frequency(f))));
  }
  for (int c = 0; c < SheetRecord::kCombinations; ++c) {
    const int r = head + 1 + c;
    cells.Integer(r, kTableColumn, 3, c + 1);
    if (crosstalk ? !sheet.has_crosstalk(c) : !sheet.has_working(c)) continue;
    const bool odd = (c + 1) % 2 == 1;
    const int value_format = odd ? 7 : 6;
    const int input_format = odd ? 5 : 8;
    cells.Integer(r, 2, value_format, sheet.output_pair(c));
    cells.Integer(r, 3, input_format, sheet.input_pair(c));
    for (int f = 0; f < frequencies; ++f) {
      cells.Attenuation(r, 4 + f, value_format,
                        crosstalk ? sheet.crosstalk(c, f) : sheet.working(c, f));
    }
  }
  return head + SheetRecord::kCombinations;
}

// The pair-selection table of `pairs` pairs with its heading at `row`.
void PairTable(Cells& cells, const SheetRecord& sheet, int pairs, int row, unsigned number) {
  cells.Label(row, kTableColumn, 1,
              Sprintf("%u. Переходное затухание (отбор пар) на частоте        %.2f кГц", number,
                      static_cast<double>(sheet.pair_table_frequency())));
  const int head = row + 2;
  cells.Label(head, 1, 2, "Выход");
  cells.Label(head, 5, 2, "Вход");
  // Written after "Вход": with five pairs or more the heading of column 5
  // takes its place.
  for (int i = 1; i <= pairs - 1; ++i) cells.Integer(head, i + 1, 2, i);
  for (int k = 0; k <= pairs - 2; ++k) {
    const int r = head + 1 + k;
    cells.Integer(r, 1, 3, k);
    for (int j = k + 1; j <= pairs - 1; ++j) {
      const auto value = sheet.pair_value(k, j, pairs);
      if (!value || *value == kPairSelectionEmpty) continue;
      cells.Attenuation(r, j + 1, 5, *value);
    }
  }
}

}  // namespace

bool WriteReportHead(WorksheetWriter& writer, const std::string& subtitle,
                     const ReportHeading& heading) {
  Cells cells(writer);
  cells.Also(writer.WriteFont("arial", 10, 0));
  cells.Also(writer.WriteFont("arial", 10, 1));
  for (size_t n = 0; n < kFormats.size(); ++n) {
    cells.Also(writer.WriteFormatIndex(static_cast<int>(n)));
    cells.Also(writer.WriteCellFormat(kFormats[n].font, kFormats[n].alignment));
  }
  cells.Also(writer.WriteColumnWidth(0, 30, 6, 255));
  cells.Also(writer.WriteColumnWidth(2, 2, 8, 255));
  cells.Also(writer.WriteColumnWidth(3, 3, 7, 255));
  cells.Label(1, 5, 9, "ПРОТОКОЛ");
  cells.Label(2, 5, 9, subtitle);
  cells.Label(4, 1, 0, "Кабель №");
  cells.Label(5, 1, 0, "Число пар");
  cells.Label(6, 1, 0, "Длина");
  cells.Label(7, 1, 0, "Между");
  cells.Label(9, 1, 0,
              Sprintf("Измерения проводились прибором: %s", heading.instrument_name.c_str()));
  cells.Label(10, 1, 0, Sprintf("№ прибора:         %s", heading.serial_number.c_str()));
  const DateTime& t = heading.now;
  cells.Label(12, 1, 0,
              Sprintf("Дата: %2.2d.%2.2d.%4.4d  %2.2d:%2.2d:%2.2d", t.day, t.month, t.year, t.hour,
                      t.minute, t.second));
  return cells.ok();
}

bool WriteSheetReport(const std::string& path, const SheetRecord& sheet, int pairs,
                      const ReportHeading& heading) {
  WorksheetWriter writer;
  bool ok = writer.Open(path);
  ok &= WriteReportHead(writer, "измерений рабочего и переходного затухания кабеля", heading);
  Cells cells(writer);
  int last_row = 12;
  unsigned number = 1;
  if (sheet.sheet_kind() != kSheetKindEmpty) {
    last_row = AttenuationTable(cells, sheet, 14, 1, "Рабочее затухание на частоте (кГц)", false);
    last_row = AttenuationTable(cells, sheet, last_row + 2, 2,
                                "Переходное затухание на частоте (кГц)", true);
    number = 3;
  }
  if (sheet.has_pair_table()) PairTable(cells, sheet, pairs, last_row + 2, number);
  ok &= cells.ok();
  ok &= writer.Close();
  return ok;
}

}  // namespace telvane
