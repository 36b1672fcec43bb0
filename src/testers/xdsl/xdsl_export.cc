#include "testers/xdsl/xdsl_export.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>

#include "base/cp1251.h"
#include "base/file_write.h"
#include "base/sprintf.h"
#include "storage/worksheet_writer.h"

namespace telvane {
namespace {

using Kind = XdslCell::Kind;

XdslCell Text(std::string text) { return {Kind::kText, std::move(text)}; }
XdslCell Blank() { return {Kind::kBlank, ""}; }
XdslCell Empty() { return {Kind::kEmpty, ""}; }
XdslCell Number(double value, const char* format) { return {Kind::kNumber, "", value, format}; }
// A ratio in percent; a zero divisor makes it "-".
XdslCell Percent(float part, float whole) {
  if (whole == 0) return Text("-");
  return Number(100.0 * part / whole, "%.0f");
}

class RowBuilder {
 public:
  void Line(std::vector<XdslCell> cells, bool comma = false) {
    rows_.push_back({std::move(cells), comma});
  }
  void EmptyLine() { rows_.push_back({}); }
  // A counter row: label, the counters at `first` and `second`.
  void Counters(const XdslLog& log, const char* label, size_t first, size_t second) {
    Line({Text(label), Number(log.Counter(first), "%.0f"), Number(log.Counter(second), "%.0f")},
         true);
  }
  void Header(const char* name, const char* first, const char* second) {
    EmptyLine();
    Line({Text(name), Text(first), Text(second)});
  }
  std::vector<XdslRow> Take() { return std::move(rows_); }

 private:
  std::vector<XdslRow> rows_;
};

// One counter row of a section: its label and the offsets of its two
// values, after an empty line where `gap` says so.
struct CounterRow {
  const char* label;
  size_t first;
  size_t second;
  bool gap = false;
};

// A counter section: its header line, then its rows.
void Section(const XdslLog& log, RowBuilder& b, const char* name, const char* first,
             const char* second, std::initializer_list<CounterRow> rows) {
  b.Header(name, first, second);
  for (const CounterRow& row : rows) {
    if (row.gap) b.EmptyLine();
    b.Counters(log, row.label, row.first, row.second);
  }
}

// A ratio row: 100 × part / whole in each column, the Up column's counters
// 4 bytes after the Down column's.
void Ratios(const XdslLog& log, RowBuilder& b, const char* label, size_t part, size_t whole) {
  b.Line({Text(label), Percent(log.Counter(part), log.Counter(whole)),
          Percent(log.Counter(part + 4), log.Counter(whole + 4))},
         true);
}

void BandBToDCounters(const XdslLog& log, RowBuilder& b) {
  Section(log, b, "ERR", "Down", "Up",
          {{"SF(OHF)", 1536, 1540},
           {"SF(OHF)Error", 1544, 1548},
           {"RS", 1552, 1556, true},
           {"RSCorr", 1560, 1564},
           {"RSUnCorr", 1568, 1572}});
  Section(log, b, "SEC", "Down", "Up",
          {{"EFS", 1580, 1584},
           {"UAS", 1588, 1592},
           {"AS", 1596, 1596},
           {"ES", 1600, 1604, true},
           {"SES", 1608, 1612}});
  Section(log, b, "LOS", "1 day", "15 min",
          {{"SF(OHF)", 1620, 1624},
           {"CRC", 1628, 1632},
           {"LOS", 1636, 1640},
           {"LOF", 1644, 1648},
           {"ES", 1652, 1656, true}});
  b.EmptyLine();
  b.Line({Blank(), Text("BERT Results"), Blank()});
  b.Line({Text("Status"), Empty(), Text("CAPTURED")});
  const std::pair<const char*, size_t> bert[] = {{"Total Time (sec)", 1660},
                                                 {"Elapsed Time (sec)", 1664},
                                                 {"Bits Tested", 1668},
                                                 {"Err Bits", 1672},
                                                 {"Error Ratio", 1676}};
  for (const auto& [label, offset] : bert) {
    b.Line({Text(label), Empty(), Number(log.Counter(offset), "%.0f")}, true);
  }
  b.EmptyLine();
  b.Line({Text("Total Time"), Text(XdslDurationText(log.Counter(1616)))});
}

void BandECounters(const XdslLog& log, RowBuilder& b) {
  Section(log, b, "ERR", "Down", "Up",
          {{"CRCFrm", 1536, 1540},
           {"CRC", 1544, 1548},
           {"RS", 1552, 1556, true},
           {"RSCorr", 1560, 1564},
           {"RSUnCorr", 1568, 1572}});
  Section(log, b, "SEC", "Down", "Up",
          {{"FEC", 1576, 1580},
           {"CRC", 1584, 1588},
           {"UAS", 1592, 1596},
           {"ES", 1600, 1604, true},
           {"SES", 1608, 1612}});
  Section(log, b, "LOS", "Down", "Up", {{"CRCFrm", 1616, 1620}, {"CRC", 1624, 1628}});
  b.Line({Text("LOS"), Number(log.Counter(1632), "%.0f"), Text("-")}, true);
  b.Line({Text("LOF"), Number(log.Counter(1636), "%.0f"), Text("-")}, true);
  b.EmptyLine();
  b.Counters(log, "ES", 1640, 1644);
  Section(log, b, "BER test", "Down", "Up", {{"RS", 1552, 1556}, {"CRCFrm", 1536, 1540}});
  b.EmptyLine();
  Ratios(log, b, "%CRC", 1544, 1536);
  Ratios(log, b, "%RSCorr", 1560, 1552);
  Ratios(log, b, "%RSUnCor", 1568, 1552);
}

std::string CellText(const XdslCell& cell) {
  switch (cell.kind) {
    case Kind::kEmpty:
      return "";
    case Kind::kBlank:
      return " ";
    case Kind::kText:
      return cell.text;
    case Kind::kNumber:
      if (!std::isfinite(cell.value)) return "-";
      return Sprintf(cell.format, cell.value);
  }
  return "";
}

}  // namespace

std::string XdslDurationText(float seconds) {
  constexpr double kLargest = 86400.0 * std::numeric_limits<int>::max();
  if (!std::isfinite(seconds) || seconds < 0 || seconds >= kLargest) return "-";
  const int64_t whole = static_cast<int64_t>(seconds);
  const int days = static_cast<int>(whole / 86400);
  const int rest = static_cast<int>(whole % 86400);
  std::string text = days > 0 ? Sprintf("%d day(s) ", days) : std::string();
  return text + Sprintf("%2.2d:%2.2d:%2.2d", rest / 3600, rest / 60 % 60, rest % 60);
}

std::vector<XdslRow> XdslExportRows(const XdslExportSource& source) {
  const XdslLogEntry& entry = *source.entry;
  const XdslLog& log = *source.log;
  RowBuilder b;
  b.Line({Text("Наименование прибора: " + source.instrument_name)});
  b.Line({Text("Серийный номер: " + source.serial_number)});
  b.Line({Text("Лог измерения xDSL: " + entry.name)});
  if (entry.date) {
    b.Line({Text(
        Sprintf("Дата: %2.2d.%2.2d.%2.2d", entry.date->day, entry.date->month, entry.date->year))});
  }
  b.Line({Text("Режим: " + entry.mode)});
  if (entry.carriers) b.Line({Text(Sprintf("Количество несущих: %u", unsigned{*entry.carriers}))});
  if (entry.connection) b.Line({Text("Время соединения: " + *entry.connection)});

  b.EmptyLine();
  b.Line({Blank(), Text("Down"), Text("Up")});
  for (size_t i = 0; i < kXdslSummaryRows; ++i) {
    const char* format = i < 3 ? "%.1f" : "%.0f";
    b.Line(
        {Text(kXdslSummaryLabels[i]), Number(entry.down[i], format), Number(entry.up[i], format)},
        true);
  }

  b.EmptyLine();
  b.Line({Text("№ бина"), Text("Шум (дБм/Гц)"), Text("SNR (дБ)"), Text("Скорость (бит)")});
  for (size_t bin = 0; bin < kXdslBins; ++bin) {
    b.Line({Number(static_cast<double>(bin), "%.0f"), Number(log.Noise(bin), "%.0f"),
            Number(log.Snr(bin), "%.0f"), Number(log.Bits(bin), "%.0f")},
           true);
  }

  if (log.size() == 1680) {
    BandBToDCounters(log, b);
  } else if (log.size() == 1648) {
    BandECounters(log, b);
  }
  return b.Take();
}

std::string XdslExportText(const XdslExportSource& source, char separator) {
  std::string utf8;
  for (const XdslRow& row : XdslExportRows(source)) {
    std::string line;
    for (size_t i = 0; i < row.cells.size(); ++i) {
      if (i > 0) line += separator;
      line += CellText(row.cells[i]);
    }
    if (row.decimal_comma) {
      for (char& c : line) {
        if (c == '.') c = ',';
      }
    }
    utf8 += line;
    utf8 += '\r';
  }
  return Utf8ToCp1251(utf8);
}

bool WriteXdslWorksheet(const XdslExportSource& source, const std::string& path) {
  // Written beside the target and renamed over it only when complete.
  std::optional<FileReplacement> replacement = FileReplacement::Begin(path);
  if (!replacement) return false;
  replacement->file().Close();  // the writer opens the new file itself
  WorksheetWriter sheet;
  bool ok = sheet.Open(replacement->new_path());
  ok = sheet.WriteFont("arial", 10, 0) && ok;
  ok = sheet.WriteColumnWidth(0, 0, 24, 255) && ok;
  ok = sheet.WriteColumnWidth(1, 3, 14, 255) && ok;
  const std::vector<XdslRow> rows = XdslExportRows(source);
  for (size_t r = 0; r < rows.size(); ++r) {
    const uint16_t row = static_cast<uint16_t>(r);
    for (size_t c = 0; c < rows[r].cells.size(); ++c) {
      const XdslCell& cell = rows[r].cells[c];
      const uint16_t column = static_cast<uint16_t>(c);
      if (cell.kind == Kind::kText) {
        ok = sheet.WriteLabel(row, column, 0, cell.text, 0, 0) && ok;
      } else if (cell.kind == Kind::kNumber) {
        ok &= std::isfinite(cell.value) ? sheet.WriteNumber(row, column, 0, cell.value, 0, 0)
                                        : sheet.WriteLabel(row, column, 0, "-", 0, 0);
      }
    }
  }
  ok = sheet.Close() && ok;
  return ok && replacement->Commit();
}

}  // namespace telvane
