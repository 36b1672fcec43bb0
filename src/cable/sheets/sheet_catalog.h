// What the sheet page receives besides the sheets, and the texts it builds
// from them: the catalogue record, the notebook records, the entry names of
// "Список листов:", the status and the information text of a sheet.
//
// Wire layouts (docs/sheets.md): the catalogue is one 16-byte record of
// command 0x70, the sheets a series of 604-byte records of command 0x71, the
// notebook two 104-byte records of command 0x72.
#ifndef TELVANE_CABLE_SHEETS_SHEET_CATALOG_H_
#define TELVANE_CABLE_SHEETS_SHEET_CATALOG_H_

#include <cstdint>
#include <string>

#include "base/fixed_record.h"
#include "cable/sheets/sheet_record.h"

namespace telvane {

inline constexpr uint8_t kSheetCatalogCommand = 0x70;
inline constexpr uint8_t kSheetRecordsCommand = 0x71;
inline constexpr uint8_t kNotebookCommand = 0x72;

// The most sheets a catalogue may announce; a larger count is refused.
inline constexpr int kMaxSheets = 64;
// Notebook entries received when the catalogue asks for them.
inline constexpr int kNotebookEntries = 2;

class SheetCatalog : public FixedRecord<16> {
 public:
  using FixedRecord::FixedRecord;

  uint8_t sheet_count() const { return U8(0); }
  // The number of pairs of the pair-selection tables.
  uint8_t pair_count() const { return U8(1); }
  // Selects the entry names: a fractional part above 0.3 names the sheets
  // "Отбор пар".
  float selector() const { return F32(4); }
  // 0.25 or more: the two notebook entries follow the sheets.
  float notebook() const { return F32(8); }
  // The sheet version (kind 13's second page from 302).
  float version() const { return F32(12); }

  bool pair_selection_names() const;
  bool has_notebook() const { return notebook() >= 0.25f; }
};

// A notebook entry: up to ten pairs with capacitance (nF) and insulation
// (kΩ).
class NotebookRecord : public FixedRecord<104> {
 public:
  static constexpr int kMaxPairs = 10;
  using FixedRecord::FixedRecord;

  // The stored count, at most 10.
  int count() const;
  uint16_t pair(int i) const { return U16(Slot(i)); }
  float capacitance(int i) const { return F32(Slot(i) + 2); }
  float insulation(int i) const { return F32(Slot(i) + 6); }

 private:
  static size_t Slot(int i) { return 4 + 10 * static_cast<size_t>(i); }
};

// "Отбор пар (Лист № 01)" or "Плановые АЧХ (Лист № 01)" for sheet `number`
// (1-based).
std::string SheetEntryName(bool pair_selection, int number);
// "Блокнот измерителя (запись № 1)" for notebook entry `number` (1-based).
std::string NotebookEntryName(int number);
// "Измерений нет" or "Измерения есть".
std::string MeasurementStatus(bool any);
// The information text of a sheet.
std::string SheetInformation(const SheetRecord& sheet);
// The information text of a notebook entry.
std::string NotebookInformation(const NotebookRecord& entry);

}  // namespace telvane

#endif  // TELVANE_CABLE_SHEETS_SHEET_CATALOG_H_
