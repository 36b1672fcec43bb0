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

void FullFamilyModel::SetLocked(int locked) {
  locked_ = std::clamp(locked, 0, kMaxCables - 1);
  for (int i = 0; i < locked_; ++i) checks[static_cast<size_t>(i)] = false;
}

int FullFamilyModel::selected() const {
  const bool beyond = selected_ > base.header.max_cables() || selected_ >= kMaxCables;
  return beyond || selected_ < locked_ ? locked_ : selected_;
}

void FullFamilyModel::Select(int cable) {
  if (cable < locked_ || cable >= std::max(Count(), locked_ + 1)) return;
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
  SetLocked(locked_);
  selected_ = locked_;
  database = 0;
}

void FullFamilyModel::Notify() {
  for (auto& listener : listeners_) listener();
}

}  // namespace telvane
