// The cable-parameter page of the compact family (kind 7, "База параметров
// кабелей"): a list of up to 255 cables edited on the computer, each with a
// cleaned name, a temperature, up to five sections of a chosen type and
// length, and the option that lets the instrument compute the length; marks
// choose the cables written to the instrument, at most its maximum. The
// database menu's "Создать БД..." exports the list to a new database, and an
// import reads such a database back.
#ifndef TELVANE_CABLE_PAGES_COMPACT_CABLE_PAGE_H_
#define TELVANE_CABLE_PAGES_COMPACT_CABLE_PAGE_H_

#include <memory>
#include <string>
#include <vector>

#include "cable/pages/compact_model.h"
#include "page/instrument_page.h"
#include "page/locked_entries.h"

namespace telvane {

inline constexpr int kMaxCompactEntries = 255;
inline constexpr int kLowestTemperature = -10;
inline constexpr int kHighestTemperature = 20;
inline constexpr float kMaxTotalLength = 99999;

class CompactCablePage : public InstrumentPage {
 public:
  CompactCablePage(PageContext& context, std::shared_ptr<CompactModel> model);

  // --- What the view shows ------------------------------------------------
  const std::vector<CompactCableRecord>& cables() const { return cables_; }
  int size() const { return static_cast<int>(cables_.size()); }
  bool marked(int entry) const;
  // False for a locked entry ("/i0B:") or one beyond the list.
  bool selectable(int entry) const { return list_.Selectable(entry); }
  int marked_count() const;
  // The cursor's entry; -1 when no entry can be selected.
  int selected() const { return list_.selected(); }
  const CompactCableRecord* selected_cable() const;
  // "№ %d из %d".
  std::string PositionText() const;
  int instrument_cables() const { return model_->base.counts.cables; }
  int instrument_maximum() const { return model_->base.counts.max_cables; }
  std::vector<std::string> TypeNames() const;
  // "Участок 1" .. for the selected cable's section count.
  std::vector<std::string> SectionNames() const;
  int section() const { return section_; }
  // The chosen section's type index, diameter ("%.2f") and capacitance
  // ("%.1f"), and its length field (empty while the instrument computes it).
  int SectionType() const;
  std::string DiameterText() const;
  std::string CapacitanceText() const;
  std::string LengthText() const;
  // The sum of the section lengths, "%.0f".
  std::string TotalText() const;
  bool length_calculation() const;
  bool length_calculation_enabled() const;
  bool modified() const { return modified_; }
  bool can_transfer();

  // --- The person's actions -------------------------------------------------
  void Select(int entry);
  // The typed name, cleaned, into the selected entry (the first entry of an
  // empty list). Returns the cleaned text the field shows.
  std::string EditName(const std::string& typed);
  // Leaving the name field: false (after the warning) when another entry has
  // the same name.
  bool CheckName();
  // A new entry with the typed name.
  bool Add(const std::string& typed);
  void SetMarked(int entry, bool on);
  void PlusKey();
  void MinusKey();
  void DeleteMarked();
  void SetTemperature(int celsius);
  // One character, 1 to 5; other text is ignored. Returns what the field shows.
  std::string EditSectionCount(const std::string& text);
  void ChooseSection(int section);
  void SetSectionType(int type);
  // The length as typed; returns what the field shows after the rules.
  std::string EditLength(const std::string& typed);
  void SetLengthCalculation(bool on);
  void SaveEdits();
  void CancelEdits();
  bool Receive();  // "Принять от прибора"
  bool Send();     // "Передать в прибор"
  // "Создать БД..." and the import of such a database.
  bool CreateDatabase();
  bool ImportDatabase();

  // --- InstrumentPage ---------------------------------------------------------
  void Start() override;
  void ClearBuffers() override;
  bool HandleMenu(MenuCommand command) override;
  bool HasUnsavedData() const override { return modified_; }
  void SaveData() override { CreateDatabase(); }
  void MarkSaved() override;

  // The 45-byte slots "Передать в прибор" sends: as many as the instrument's
  // maximum, the marked entries first in list order, the rest empty. Sets
  // `left_out` when marked entries did not fit.
  std::vector<CompactCableRecord> BuildImage(bool& left_out);

 private:
  CompactCableRecord* selected_mutable();
  void TakeList(std::vector<CompactCableRecord> cables);
  void UpdateChecksums();
  bool NameTakenByOther(const std::string& name, int except) const;
  void Edited();

  std::shared_ptr<CompactModel> model_;
  std::vector<CompactCableRecord> cables_;
  // The list as last received, imported or saved; "cancel edits" goes back to
  // it.
  std::vector<CompactCableRecord> held_;
  // The marks and the cursor; "/i0B:" locks the leading entries.
  CableCheckList list_;
  int section_ = 0;
  bool modified_ = false;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_COMPACT_CABLE_PAGE_H_
