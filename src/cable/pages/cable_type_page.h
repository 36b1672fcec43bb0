// The cable-type page (kind 2, "База данных"): the instrument's table of cable
// types as a check list with the selected type's name, specific resistance and
// temperature factor, the transfers of the table, and the file menu that reads
// and writes it as binary file, text file and Excel workbook.
//
// The page edits a display copy of the table; "Обновить" copies it into the
// table that "Передать" sends. Slots at and above the instrument's current
// count are greyed and cannot be checked.
#ifndef TELVANE_CABLE_PAGES_CABLE_TYPE_PAGE_H_
#define TELVANE_CABLE_PAGES_CABLE_TYPE_PAGE_H_

#include <string>
#include <vector>

#include "cable/cable_database.h"
#include "cable/cable_transfer.h"
#include "page/instrument_page.h"

namespace telvane {

class CableTypePage : public InstrumentPage {
 public:
  explicit CableTypePage(PageContext& context);

  // --- What the view shows ------------------------------------------------
  int slot_count() const { return static_cast<int>(display_.size()); }
  // The list text of a slot: its name, or 16 blanks for an empty name.
  std::string EntryText(int slot) const;
  bool checked(int slot) const;
  // Slots below the current count are enabled; the others are greyed.
  bool enabled(int slot) const { return slot >= 0 && slot < current(); }
  int selected() const { return selected_; }
  const CableTypeRecord* selected_type() const;
  // The edit fields of the selected slot (empty without a selection).
  std::string NameField() const;
  std::string ResistanceField() const;
  std::string FactorField() const;
  // "Текущий" and "Максимальный".
  int current() const { return table_.current; }
  int maximum() const { return table_.maximum; }
  // "Принять" and "Передать" work while an instrument is connected.
  bool can_transfer();
  const CableTypeTable& table() const { return table_; }
  const std::vector<CableTypeRecord>& display() const { return display_; }

  // --- The person's actions -------------------------------------------------
  void Select(int slot);
  void SetChecked(int slot, bool checked);
  void EditName(const std::string& text);
  void EditResistance(const std::string& text);
  void EditFactor(const std::string& text);
  void Update();   // "Обновить"
  void Delete();   // "Удалить"
  void Clear();    // "Очистить"
  bool Receive();  // "Принять"
  bool Send();     // "Передать"

  // --- InstrumentPage ---------------------------------------------------------
  void ClearBuffers() override;
  bool HandleMenu(MenuCommand command) override;

  // The first transfer of kind 2: the type-database status (0x00), read
  // through the page's session.
  bool ReadStatus();
  // The same status read on the search port: kind 2's initial transfer.
  bool SearchTransfer(ByteChannel& channel) override;

 private:
  // Shows the table afresh: display copy, check marks and greys.
  void Rebuild();
  bool ReadStatusWith(CableTransfer& transfer);
  CableTypeRecord* selected_mutable();

  CableTypeTable table_;
  std::vector<CableTypeRecord> display_;
  std::vector<bool> checks_;
  int selected_ = 0;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_CABLE_TYPE_PAGE_H_
