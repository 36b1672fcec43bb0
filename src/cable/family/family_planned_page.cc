#include "cable/family/family_planned_page.h"

#include <algorithm>

#include "base/translatable.h"
#include "base/values.h"

namespace telvane {
namespace {

constexpr char kNotReceived[] = "Плановые измерения не приняты";

// The pair count of a cable record: offset 2 of the 435-byte block, offset 42
// of the 233-byte record.
size_t PairsOffset(Family family) { return family == Family::k435 ? 2 : 42; }

PageId PlannedPageId(const FamilyModel& model) {
  return model.layout().family == Family::k233 ? PageId::kPlanned14 : PageId::kPlanned11;
}

}  // namespace

FamilyPlannedPage::FamilyPlannedPage(PageContext& context, std::shared_ptr<FamilyModel> model)
    : InstrumentPage(context, PlannedPageId(*model),
                     QT_TRANSLATE_NOOP("Tabs", "БД плановых измерений")),
      model_(std::move(model)),
      options_(context.options) {
  model_->AddListener([this] {
    // Another database: the planned measurements no longer match its cables.
    if (planned_.size() != static_cast<size_t>(model_->cable_count())) planned_.clear();
    Fit();
    Changed();
  });
  Fit();
}

int FamilyPlannedPage::locked() const { return std::max(0, options_.locked_leading_entries); }

void FamilyPlannedPage::Fit() {
  if (!selectable(selected_)) selected_ = selectable(locked()) ? locked() : -1;
}

std::vector<std::string> FamilyPlannedPage::CableNames() const {
  std::vector<std::string> names;
  for (int i = 0; i < model_->cable_count(); ++i) names.push_back(model_->name(i));
  return names;
}

bool FamilyPlannedPage::selectable(int cable) const {
  return cable >= locked() && model_->HasCable(cable);
}

int FamilyPlannedPage::selected() const { return selectable(selected_) ? selected_ : -1; }

void FamilyPlannedPage::Select(int cable) {
  if (!selectable(cable)) return;
  selected_ = cable;
  Changed();
}

const PlannedCable* FamilyPlannedPage::SelectedPlanned() const {
  const int cable = selected();
  if (cable < 0 || static_cast<size_t>(cable) >= planned_.size()) return nullptr;
  return &planned_[static_cast<size_t>(cable)];
}

bool FamilyPlannedPage::has_planned() const { return SelectedPlanned() != nullptr; }

int FamilyPlannedPage::pairs() const {
  const auto record = model_->block_bytes(selected());
  const size_t offset = PairsOffset(family());
  if (record.size() < offset + 2) return 0;
  return std::min<int>(LoadLe16(record.data() + offset), kPlannedPairSlots);
}

std::string FamilyPlannedPage::PlannedName() const {
  const PlannedCable* planned = SelectedPlanned();
  return planned && family() == Family::k435 ? planned->name : std::string();
}

std::string FamilyPlannedPage::DateText() const {
  const PlannedCable* planned = SelectedPlanned();
  return planned && family() == Family::k435 ? PlannedDateText(*planned) : std::string();
}

std::vector<std::string> FamilyPlannedPage::Headings() const {
  std::vector<std::string> headings = {"Номер пары",  "Емкость AC",  "Емкость BC",
                                       "Емкость AB",  "Изоляция AC", "Изоляция BC",
                                       "Изоляция AB", "Rшл (Ом)",    "Rа (Ом)"};
  headings.resize(static_cast<size_t>(PlannedValueCount(family()) + 1));
  return headings;
}

std::vector<PlannedRow> FamilyPlannedPage::Rows() const {
  const PlannedCable* planned = SelectedPlanned();
  if (planned == nullptr) return {};
  return PlannedRows(family(), *planned, pairs());
}

bool FamilyPlannedPage::Receive435(std::vector<PlannedCable>& out) {
  const size_t count = static_cast<size_t>(model_->cable_count());
  const size_t size = PlannedRecordSize(Family::k435);
  std::vector<uint8_t> bytes(count * size);
  if (!context().transactions().ReceiveSeries(context().instrument().address(), kReadPlanned435,
                                              bytes, count)) {
    return false;
  }
  for (size_t i = 0; i < count; ++i) {
    out.push_back(*DecodePlannedCable(Family::k435, std::span(bytes).subspan(i * size, size)));
  }
  return true;
}

bool FamilyPlannedPage::Receive233(std::vector<PlannedCable>& out) {
  std::vector<uint8_t> bytes(PlannedRecordSize(Family::k233));
  for (int i = 0; i < model_->cable_count(); ++i) {
    if (!context().transactions().ReceiveNumbered(context().instrument().address(), kReadPlanned233,
                                                  CableNumber(i), bytes)) {
      return false;
    }
    out.push_back(*DecodePlannedCable(Family::k233, bytes));
  }
  return true;
}

bool FamilyPlannedPage::Receive() {
  if (!model_->info() && !model_->Read(context())) return false;
  std::vector<PlannedCable> received;
  if (model_->cable_count() > 0) {
    const bool ok = family() == Family::k435 ? Receive435(received) : Receive233(received);
    if (!ok) return false;
  }
  planned_ = std::move(received);
  Fit();
  Changed();
  return true;
}

PlannedReport FamilyPlannedPage::Report() {
  PlannedReport report;
  report.family = family();
  const InstrumentInfo& instrument = context().instrument();
  report.instrument = instrument.name;
  report.serial = instrument.SerialText();
  report.cable = model_->name(selected());
  report.planned_name = PlannedName();
  report.date = DateText();
  report.rows = Rows();
  return report;
}

bool FamilyPlannedPage::Save() {
  if (!has_planned()) {
    screen().ShowMessage(Icon::kWarning, "Предупреждение", kNotReceived);
    return false;
  }
  const auto choice = screen().ChooseSaveFile(PlannedReportDialog(family()));
  if (!choice) return false;
  return SavePlannedReport(screen(), *choice, Report());
}

void FamilyPlannedPage::ClearBuffers() {
  planned_.clear();
  Fit();
  Changed();
}

}  // namespace telvane
