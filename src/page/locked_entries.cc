#include "page/locked_entries.h"

#include <algorithm>

namespace telvane {

CableCheckList::CableCheckList(int locked) : locked_(std::clamp(locked, 0, kOptionMaximum)) {}

void CableCheckList::Resize(int size, bool check) {
  const int old_size = this->size();
  checks_.resize(static_cast<size_t>(std::max(size, 0)), false);
  for (int i = std::max(old_size, locked_); i < this->size(); ++i) {
    checks_[static_cast<size_t>(i)] = check;
  }
  if (!Selectable(selected_)) SelectFirst();
}

void CableCheckList::Clear() {
  checks_.clear();
  selected_ = -1;
}

void CableCheckList::Refill(int size) {
  const int place = selected_;
  checks_.assign(static_cast<size_t>(std::max(size, 0)), false);
  selected_ = -1;
  if (!Select(std::min(place, this->size() - 1))) SelectFirst();
}

bool CableCheckList::checked(int entry) const {
  return entry >= 0 && entry < size() && checks_[static_cast<size_t>(entry)];
}

bool CableCheckList::SetChecked(int entry, bool on) {
  if (!Selectable(entry)) return false;
  checks_[static_cast<size_t>(entry)] = on;
  return true;
}

void CableCheckList::CheckAll(bool on) {
  for (int i = locked_; i < size(); ++i) checks_[static_cast<size_t>(i)] = on;
}

bool CableCheckList::AnyChecked() const {
  return std::find(checks_.begin(), checks_.end(), true) != checks_.end();
}

bool CableCheckList::AllChecked() const {
  return !checks_.empty() && std::find(checks_.begin(), checks_.end(), false) == checks_.end();
}

std::vector<int> CableCheckList::Checked() const {
  std::vector<int> entries;
  for (int i = 0; i < size(); ++i) {
    if (checks_[static_cast<size_t>(i)]) entries.push_back(i);
  }
  return entries;
}

bool CableCheckList::Select(int entry) {
  if (!Selectable(entry)) return false;
  selected_ = entry;
  return true;
}

}  // namespace telvane
