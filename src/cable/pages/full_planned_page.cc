#include "cable/pages/full_planned_page.h"

#include <algorithm>

#include "base/sprintf.h"
#include "base/values.h"

namespace telvane {

FullPlannedPage::FullPlannedPage(PageContext& context, std::shared_ptr<FullFamilyModel> model)
    : InstrumentPage(context, PageId::kPlanned6, "Плановые измерения"), model_(std::move(model)) {
  model_->AddListener([this] { Changed(); });
}

std::string FullPlannedPage::CableText() const {
  const CableRecord* cable = model_->SelectedCable();
  return cable ? cable->name() : std::string();
}

std::string FullPlannedPage::DateText() const {
  const int cable = model_->selected();
  if (model_->SelectedCable() == nullptr) return {};
  const PlannedDatabase& planned = model_->base.planned[static_cast<size_t>(cable)];
  if (planned.slots.empty()) return {};
  return Sprintf("%.2u.%.2u.%.4u", planned.date[0], planned.date[1], planned.date[2] + 2000u);
}

std::vector<std::array<std::string, 7>> FullPlannedPage::Rows() const {
  std::vector<std::array<std::string, 7>> rows;
  const CableRecord* cable = model_->SelectedCable();
  if (cable == nullptr) return rows;
  const PlannedDatabase& planned = model_->base.planned[static_cast<size_t>(model_->selected())];
  const size_t count = std::min<size_t>(cable->pair_count(), planned.slots.size());
  for (size_t p = 0; p < count; ++p) {
    const PlannedMeasurement& slot = planned.slots[p];
    const auto values = slot.values();
    std::array<std::string, 7> row;
    row[0] = Sprintf("%u", static_cast<unsigned>(slot.pair()));
    for (size_t v = 0; v < values.size(); ++v) {
      std::string& cell = row[v + 1];
      cell = "НЕТ ИЗМЕРЕНИЙ";
      if (values[0] == kPairNotMeasured || values[v] == kValueNotMeasured) continue;
      FormatMeasurement(values[v], v < 3 ? kCapacitance : kInsulation, cell);
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace telvane
