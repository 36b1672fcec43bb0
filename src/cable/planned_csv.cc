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

// The six cells of one pair, UTF-8.
std::array<std::string, 6> Cells(const CompactPlannedMeasurement& slot) {
  std::array<std::string, 6> cells;
  cells.fill(kNoMeasurement);
  if (slot.value(0) == kPairNotMeasured) return cells;
  for (int i = 0; i < 6; ++i) {
    const float v = slot.value(i);
    if (v == kValueNotMeasured) continue;
    FormatMeasurement(v, i < 3 ? kCapacitance : kInsulation, cells[static_cast<size_t>(i)]);
  }
  return cells;
}

void AppendCable(std::string& out, const CompactBase& base, int cable, size_t titles,
                 char separator) {
  out +=
      Utf8ToCp1251(Sprintf("Плановые измерения по Кабелю №%u\r", static_cast<unsigned>(cable + 1)));
  for (size_t t = 0; t < titles; ++t) {
    if (t > 0) out += separator;
    out += Sprintf("%-15.15s", Utf8ToCp1251(kTitles[t]).c_str());
  }
  out += '\r';
  const char* row_format = separator == ';' ? "%u;%s;%s;%s;%s;%s;%s\r" : "%u,%s,%s,%s,%s,%s,%s\r";
  for (int pair = 0; pair < base.counts.planned_pairs; ++pair) {
    const CompactPlannedMeasurement* slot = base.PlannedSlot(cable, pair);
    const auto cells = Cells(slot ? *slot : CompactPlannedMeasurement::Cleared());
    out += Utf8ToCp1251(Sprintf(row_format, static_cast<unsigned>(pair), cells[0].c_str(),
                                cells[1].c_str(), cells[2].c_str(), cells[3].c_str(),
                                cells[4].c_str(), cells[5].c_str()));
  }
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

std::string PlannedCsv(const CompactBase& base, const InstrumentInfo& instrument, int cable,
                       char separator) {
  std::string out = Utf8ToCp1251("Наименование прибора: " + instrument.name + "\r");
  out += Utf8ToCp1251("Серийный номер: " + instrument.SerialText() + "\r");
  if (cable == kAllCables) {
    for (int c = 0; c < base.counts.planned_cables; ++c) AppendCable(out, base, c, 7, separator);
  } else {
    AppendCable(out, base, cable, 9, separator);
  }
  return out;
}

bool SavePlannedCsv(Screen& screen, const CompactBase& base, const InstrumentInfo& instrument,
                    int cable, const std::string& path, char separator) {
  return WriteWholeFile(screen, path, PlannedCsv(base, instrument, cable, separator),
                        WriteFailure::kFileName);
}

bool ExportPlannedCsv(Screen& screen, const CompactBase& base, const InstrumentInfo& instrument,
                      int cable) {
  const auto choice = screen.ChooseSaveFile(PlannedCsvDialog());
  if (!choice) return false;
  return SavePlannedCsv(screen, base, instrument, cable, choice->path,
                        CsvSeparatorForFilter(choice->filter_index));
}

}  // namespace telvane
