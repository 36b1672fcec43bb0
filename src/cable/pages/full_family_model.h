// What the three pages of the full family (kind 6) share: the cable database
// with its planned measurements, one check mark per cable, the selected cable
// and the database choice. The database page, the cable page and the size page
// of one window hold the same model.
#ifndef TELVANE_CABLE_PAGES_FULL_FAMILY_MODEL_H_
#define TELVANE_CABLE_PAGES_FULL_FAMILY_MODEL_H_

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cable/cable_database.h"
#include "page/instrument_page.h"

namespace telvane {

// The database choice of the database page, in list order.
enum class FullDatabase { kParameters = 0, kPlanned = 1, kReflectograms = 2 };
inline constexpr int kFullDatabaseCount = 3;
const char* FullDatabaseName(int index);

class FullFamilyModel {
 public:
  FullFamilyModel();

  CableBase base;
  // One mark per cable slot, initially set.
  std::vector<bool> checks = std::vector<bool>(kMaxCables, true);
  int database = 0;

  // Cables that take part in a transfer and that the lists show: the current
  // count or the maximum, whichever is smaller.
  int Count() const;
  // The number of leading cables that can be neither selected nor checked
  // ("/i0B:"); the pages set it from the window's options.
  int locked() const { return locked_; }
  void SetLocked(int locked);
  bool Selectable(int cable) const { return cable >= locked_ && cable < kMaxCables; }
  // The selected cable: the first selectable one when the remembered one
  // exceeds the maximum or is locked.
  int selected() const;
  // Refused for a locked cable or one beyond the list.
  void Select(int cable);
  CableRecord* SelectedCable();

  // Clears the database, the marks and the selection.
  void Reset();

  // Every page of the model redraws when one changes it.
  void AddListener(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }
  void Notify();

 private:
  int selected_ = 0;
  int locked_ = 0;
  std::vector<std::function<void()>> listeners_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_FULL_FAMILY_MODEL_H_
