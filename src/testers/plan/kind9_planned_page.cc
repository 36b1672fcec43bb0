#include "testers/plan/kind9_planned_page.h"

#include "base/sprintf.h"
#include "base/values.h"

namespace telvane {
namespace {

constexpr char kNoCable[] = "Не выбран кабель";
constexpr char kNoPairs[] = "Нет принятых измерений";

// A stored pair in the file's column order; the pair-not-measured marker is
// looked for in the record's first value.
CsvPair PairOf(const Kind9PairRecord& r) {
  CsvPair pair;
  pair.measured = r.capacitance_ab() != kPairNotMeasured;
  pair.values = {r.capacitance_ac(), r.capacitance_bc(), r.capacitance_ab(),
                 r.insulation_ac(),  r.insulation_bc(),  r.insulation_ab()};
  return pair;
}

}  // namespace

Kind9PlannedPage::Kind9PlannedPage(PageContext& context, std::shared_ptr<Kind9Database> database)
    : InstrumentPage(context, PageId::kPlanned9, "База плановых измерений"),
      database_(std::move(database)) {
  database_->AddListener([this] { Changed(); });
}

const std::array<const char*, Kind9PlannedPage::kColumns>& Kind9PlannedPage::Headings() {
  static const std::array<const char*, kColumns> kHeadings = {
      "Номер пары",  "Емкость AC",  "Емкость BC", "Емкость AB",
      "Изоляция AC", "Изоляция BC", "Изоляция AB"};
  return kHeadings;
}

unsigned Kind9PlannedPage::cable_number() const {
  return static_cast<unsigned>(database_->selected() + 1);
}

std::string Kind9PlannedPage::cable_name() const {
  const int cable = database_->selected();
  return cable < 0 ? std::string() : database_->records()[static_cast<size_t>(cable)].name();
}

std::string Kind9PlannedPage::CableText() const {
  if (cable_number() == 0) return {};
  return Sprintf("Кабель №%u: %s", cable_number(), cable_name().c_str());
}

std::vector<Kind9PlannedPage::Row> Kind9PlannedPage::Rows() const {
  std::vector<Row> rows;
  const int cable = database_->selected();
  if (cable < 0) return rows;
  for (const Kind9PairRecord& r : database_->pairs(static_cast<size_t>(cable))) {
    const auto cells = PlannedCells(PairOf(r));
    Row row;
    row[0] = Sprintf("%u", static_cast<unsigned>(r.pair()));
    for (size_t i = 0; i < cells.size(); ++i) row[i + 1] = cells[i];
    rows.push_back(row);
  }
  return rows;
}

CsvCable Kind9PlannedPage::CsvOfSelected() const {
  CsvCable out;
  const int cable = database_->selected();
  if (cable < 0) return out;
  out.number = static_cast<unsigned>(cable + 1);
  for (const Kind9PairRecord& r : database_->pairs(static_cast<size_t>(cable))) {
    out.pairs.push_back(PairOf(r));
  }
  return out;
}

bool Kind9PlannedPage::Receive() {
  const int cable = database_->selected();
  if (cable < 0) {
    screen().ShowMessage(Icon::kWarning, "Предупреждение", kNoCable);
    return false;
  }
  return database_->ReadPairs(context(), static_cast<size_t>(cable));
}

bool Kind9PlannedPage::Save() {
  const int cable = database_->selected();
  if (cable < 0 || !database_->has_pairs(static_cast<size_t>(cable))) {
    screen().ShowMessage(Icon::kWarning, "Предупреждение", cable < 0 ? kNoCable : kNoPairs);
    return false;
  }
  return ExportCsvCables(screen(), context().instrument(), {CsvOfSelected()}, true);
}

}  // namespace telvane
