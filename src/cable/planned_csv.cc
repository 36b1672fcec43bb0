#include "cable/planned_csv.h"

#include <array>

#include "base/cp1251.h"
#include "base/file_write.h"
#include "base/sprintf.h"
#include "base/values.h"

namespace telvane {
namespace {

constexpr std::array<const char*, 9> kTitles = {"Номер пары",  "Емкость AC",  "Емкость BC",
                                                "Емкость AB",  "Изоляция AC", "Изоляция BC",
                                                "Изоляция AB", "Rшл (Ом)",    "Rа (Ом)"};

constexpr char kNoMeasurement[] = "НЕТ ИЗМЕРЕНИЙ";

void AppendCable(std::string& out, const CsvCable& cable, size_t titles, char separator) {
  out += Utf8ToCp1251(Sprintf("Плановые измерения по Кабелю №%u\r", cable.number));
  for (size_t t = 0; t < titles; ++t) {
    if (t > 0) out += separator;
    out += Sprintf("%-15.15s", Utf8ToCp1251(kTitles[t]).c_str());
  }
  out += '\r';
  const char* row_format = separator == ';' ? "%u;%s;%s;%s;%s;%s;%s\r" : "%u,%s,%s,%s,%s,%s,%s\r";
  for (size_t pair = 0; pair < cable.pairs.size(); ++pair) {
    const auto cells = PlannedCells(cable.pairs[pair]);
    out += Utf8ToCp1251(Sprintf(row_format, static_cast<unsigned>(pair), cells[0].c_str(),
                                cells[1].c_str(), cells[2].c_str(), cells[3].c_str(),
                                cells[4].c_str(), cells[5].c_str()));
  }
}

// The compact family's cable in the file's form: its stored order is already
// the file's column order.
CsvCable CompactCable(const CompactBase& base, int cable) {
  CsvCable out;
  out.number = static_cast<unsigned>(cable + 1);
  for (int pair = 0; pair < base.counts.planned_pairs; ++pair) {
    const CompactPlannedMeasurement* slot = base.PlannedSlot(cable, pair);
    const CompactPlannedMeasurement& values = slot ? *slot : CompactPlannedMeasurement::Cleared();
    CsvPair row;
    row.measured = values.value(0) != kPairNotMeasured;
    for (int i = 0; i < 6; ++i) row.values[static_cast<size_t>(i)] = values.value(i);
    out.pairs.push_back(row);
  }
  return out;
}

// Cable `cable`, or every cable of the planned measurements.
std::vector<CsvCable> CompactCables(const CompactBase& base, int cable) {
  std::vector<CsvCable> cables;
  if (cable != kAllCables) return {CompactCable(base, cable)};
  for (int c = 0; c < base.counts.planned_cables; ++c) cables.push_back(CompactCable(base, c));
  return cables;
}

}  // namespace

FileDialog PlannedCsvDialog() {
  return {"",
          {{"CSV (разделители - точка с запятой)", "*.csv"},
           {"CSV (разделители - запятые)", "*.csv"},
           {"All files", "*.*"}},
          "csv",
          ""};
}

char CsvSeparatorForFilter(int filter_index) { return filter_index == 1 ? ';' : ','; }

std::array<std::string, 6> PlannedCells(const CsvPair& pair) {
  std::array<std::string, 6> cells;
  cells.fill(kNoMeasurement);
  if (!pair.measured) return cells;
  for (size_t i = 0; i < pair.values.size(); ++i) {
    if (pair.values[i] == kValueNotMeasured) continue;
    FormatMeasurement(pair.values[i], i < 3 ? kCapacitance : kInsulation, cells[i]);
  }
  return cells;
}

std::string PlannedCsvText(const InstrumentInfo& instrument, const std::vector<CsvCable>& cables,
                           bool single_cable, char separator) {
  std::string out = Utf8ToCp1251("Наименование прибора: " + instrument.name + "\r");
  out += Utf8ToCp1251("Серийный номер: " + instrument.SerialText() + "\r");
  for (const CsvCable& cable : cables) AppendCable(out, cable, single_cable ? 9 : 7, separator);
  return out;
}

std::string PlannedCsv(const CompactBase& base, const InstrumentInfo& instrument, int cable,
                       char separator) {
  return PlannedCsvText(instrument, CompactCables(base, cable), cable != kAllCables, separator);
}

bool SavePlannedCsv(Screen& screen, const CompactBase& base, const InstrumentInfo& instrument,
                    int cable, const std::string& path, char separator) {
  return WriteWholeFile(screen, path, PlannedCsv(base, instrument, cable, separator),
                        WriteFailure::kFileName);
}

bool ExportCsvCables(Screen& screen, const InstrumentInfo& instrument,
                     const std::vector<CsvCable>& cables, bool single_cable) {
  const auto choice = screen.ChooseSaveFile(PlannedCsvDialog());
  if (!choice) return false;
  return WriteWholeFile(
      screen, choice->path,
      PlannedCsvText(instrument, cables, single_cable, CsvSeparatorForFilter(choice->filter_index)),
      WriteFailure::kFileName);
}

bool ExportPlannedCsv(Screen& screen, const CompactBase& base, const InstrumentInfo& instrument,
                      int cable) {
  return ExportCsvCables(screen, instrument, CompactCables(base, cable), cable != kAllCables);
}

}  // namespace telvane
