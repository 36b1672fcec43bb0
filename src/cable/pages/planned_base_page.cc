#include "cable/pages/planned_base_page.h"

#include "base/sprintf.h"
#include "base/values.h"
#include "cable/pages/cable_session.h"
#include "cable/planned_csv.h"

namespace telvane {
namespace {

constexpr char kNoMeasurement[] = "НЕТ ИЗМЕРЕНИЙ";

}  // namespace

PlannedBasePage::PlannedBasePage(PageContext& context, std::shared_ptr<CompactModel> model)
    : InstrumentPage(context, PageId::kPlannedBase47, "База плановых измерений"),
      model_(std::move(model)) {}

const CompactBase& PlannedBasePage::Side(PlannedSide side) const {
  return side == PlannedSide::kComputer ? computer_ : model_->base;
}

std::vector<std::string> PlannedBasePage::CableNames(PlannedSide side) const {
  const CompactBase& base = Side(side);
  std::vector<std::string> names;
  const size_t pairs = base.counts.planned_pairs;
  const size_t cables = pairs == 0 ? 0 : base.planned.size() / pairs;
  for (size_t i = 0; i < cables; ++i) names.push_back(Sprintf("Кабель №%zu", i + 1));
  return names;
}

std::vector<std::array<std::string, 7>> PlannedBasePage::PairRows() const {
  const CompactBase& base = Side(shown_side_);
  const int cable = selected(shown_side_);
  std::vector<std::array<std::string, 7>> rows;
  for (int pair = 0; pair < base.counts.planned_pairs; ++pair) {
    const CompactPlannedMeasurement* slot = base.PlannedSlot(cable, pair);
    if (slot == nullptr) break;
    std::array<std::string, 7> row;
    row[0] = Sprintf("%d", pair);
    for (int v = 0; v < 6; ++v) {
      std::string& cell = row[static_cast<size_t>(v + 1)];
      cell = kNoMeasurement;
      const float value = slot->value(v);
      if (slot->value(0) == kPairNotMeasured || value == kValueNotMeasured) continue;
      FormatMeasurement(value, v < 3 ? kCapacitance : kInsulation, cell);
    }
    rows.push_back(row);
  }
  return rows;
}

bool PlannedBasePage::can_transfer() { return context().instrument().kind != kNoInstrument; }

void PlannedBasePage::Select(PlannedSide side, int cable) {
  if (cable < 0 || cable >= static_cast<int>(CableNames(side).size())) return;
  selected_[static_cast<size_t>(side)] = cable;
  shown_side_ = side;
  Changed();
}

bool PlannedBasePage::Receive() {
  CableSession session(context());
  if (!session.open()) {
    ShowNoSession(screen());
    return false;
  }
  // Kind 4 has no first transfer of its own: its counters are taken here.
  if (model_->base.counts.planned_cables == 0 && session.initial()) {
    model_->TakeInitial(*session.initial());
  }
  // The received slots are taken over only when every one arrived.
  CompactBase received = model_->base;
  received.planned.clear();
  if (!session.transfer().ReceiveCompactPlanned(received)) return false;
  model_->base.planned = std::move(received.planned);
  selected_[static_cast<size_t>(PlannedSide::kInstrument)] = 0;
  shown_side_ = PlannedSide::kInstrument;
  Changed();
  return true;
}

void PlannedBasePage::CopyToComputer() {
  computer_ = model_->base;
  selected_[static_cast<size_t>(PlannedSide::kComputer)] = 0;
  shown_side_ = PlannedSide::kComputer;
  Changed();
}

bool PlannedBasePage::Export(int cable) {
  if (CableNames(shown_side_).empty()) {
    screen().ShowMessage(Icon::kError, "Ошибка", "Нет кабелей 0\n\rВозможно не считаны параметры");
    return false;
  }
  return ExportPlannedCsv(screen(), Side(shown_side_), context().instrument(), cable);
}

bool PlannedBasePage::ExportSelected() { return Export(selected(shown_side_)); }

bool PlannedBasePage::ExportAll() { return Export(kAllCables); }

void PlannedBasePage::Start() {
  CableSession session(context());
  if (const InitialData* initial = session.initial()) model_->TakeInitial(*initial);
  Changed();
}

void PlannedBasePage::ClearBuffers() {
  model_->base.planned.clear();
  computer_ = CompactBase();
  selected_ = {0, 0};
  Changed();
}

}  // namespace telvane
