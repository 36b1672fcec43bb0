// "БД плановых измерений" of kinds 11, 12, 16 (435-byte family) and kind 14
// (233-byte family): the cables of the family's model by name, and the
// selected cable's planned measurements in a table, one row per pair of the
// cable; "Принять" receives the planned measurements of every cable,
// "Сохранить..." reports the selected cable's (family_planned_report.h).
//
// The first AppOptions::locked_leading_entries cables of the list can never
// be the selected one; selecting the first cable means the first selectable.
#ifndef TELVANE_CABLE_FAMILY_FAMILY_PLANNED_PAGE_H_
#define TELVANE_CABLE_FAMILY_FAMILY_PLANNED_PAGE_H_

#include <memory>
#include <string>
#include <vector>

#include "cable/family/family_model.h"
#include "cable/family/family_planned.h"
#include "cable/family/family_planned_report.h"
#include "page/instrument_page.h"

namespace telvane {

// The planned measurements of the 435-byte family: 0x69, one record per cable.
inline constexpr uint8_t kReadPlanned435 = 0x69;
// Of the 233-byte family: code 5 with the cable number, one record.
inline constexpr uint8_t kReadPlanned233 = 0x05;

class FamilyPlannedPage : public InstrumentPage {
 public:
  FamilyPlannedPage(PageContext& context, std::shared_ptr<FamilyModel> model);

  Family family() const { return model_->layout().family; }

  // --- The cable list ----------------------------------------------------------
  std::vector<std::string> CableNames() const;
  // Whether the entry can be the selected one (not one of the locked leading
  // entries, within the list).
  bool selectable(int cable) const;
  // The selected cable; -1 when no entry is selectable.
  int selected() const;
  // Ignored for an entry that cannot be selected.
  void Select(int cable);

  // --- The selected cable's planned measurements --------------------------------
  // Whether they were received.
  bool has_planned() const;
  // The pairs shown: the cable's pair count, at most the 2000 slots.
  int pairs() const;
  // 435-byte family: the name and "%.2u.%.2u.%.4u" date of the planned
  // measurements; empty otherwise.
  std::string PlannedName() const;
  std::string DateText() const;
  // The column headings of the table: nine, or seven in the 233-byte family.
  std::vector<std::string> Headings() const;
  std::vector<PlannedRow> Rows() const;

  // --- Actions -------------------------------------------------------------------
  // "Принять": reads the cable database first when the model holds none, then
  // the planned measurements of every cable; what was held stays when any
  // part fails.
  bool Receive();
  // "Сохранить...": the save dialog, then the report of the selected cable.
  bool Save();
  // The report of the selected cable as the save writes it.
  PlannedReport Report();

  void ClearBuffers() override;

 private:
  const PlannedCable* SelectedPlanned() const;
  int locked() const;
  void Fit();
  bool Receive435(std::vector<PlannedCable>& out);
  bool Receive233(std::vector<PlannedCable>& out);

  std::shared_ptr<FamilyModel> model_;
  const AppOptions& options_;
  // One per cable of the model once received; empty before.
  std::vector<PlannedCable> planned_;
  int selected_ = -1;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_PLANNED_PAGE_H_
