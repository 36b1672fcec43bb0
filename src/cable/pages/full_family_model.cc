#include "cable/pages/full_family_model.h"

#include <algorithm>

namespace telvane {

const char* FullDatabaseName(int index) {
  static constexpr std::array<const char*, kFullDatabaseCount> kNames = {
      "Параметры кабелей", "Плановые измерения", "Рефлектограммы"};
  return index >= 0 && index < kFullDatabaseCount ? kNames[static_cast<size_t>(index)] : "";
}

FullFamilyModel::FullFamilyModel() = default;

int FullFamilyModel::Count() const {
  return std::min({static_cast<int>(base.header.cable_count()),
                   static_cast<int>(base.header.max_cables()), kMaxCables});
}

int FullFamilyModel::selected() const {
  return selected_ > base.header.max_cables() || selected_ >= kMaxCables ? 0 : selected_;
}

void FullFamilyModel::Select(int cable) {
  if (cable < 0 || cable >= std::max(Count(), 1)) return;
  selected_ = cable;
  Notify();
}

CableRecord* FullFamilyModel::SelectedCable() {
  const int cable = selected();
  return cable < Count() ? &base.cables[static_cast<size_t>(cable)] : nullptr;
}

void FullFamilyModel::Reset() {
  base = CableBase();
  checks.assign(kMaxCables, true);
  selected_ = 0;
  database = 0;
}

void FullFamilyModel::Notify() {
  for (auto& listener : listeners_) listener();
}

}  // namespace telvane
