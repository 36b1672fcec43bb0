// "БД рефлектограмм" of the reflectometers: the older page (kind 10, compact
// 173-byte records, codes 0x57/0x58) and the newer page (kinds 11 and 12,
// extended records of 197, 201 or 233 bytes by firmware, codes 0x67/0x68).
//
// The page lists the cables of its family's database and, for the chosen
// cable, its 20 reflectogram slots; it receives marked slots from the
// instrument, sends marked ones back, and saves or opens them in trace files
// (one dialog per slot) or in a database (one dialog for all slots), as the
// storage switch says. The page holds the records of every slot it filled;
// names, slot statuses and cable blocks belong to the family model.
#ifndef TELVANE_CABLE_REFLECTOGRAMS_REFLECTOGRAM_PAGE_H_
#define TELVANE_CABLE_REFLECTOGRAMS_REFLECTOGRAM_PAGE_H_

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cable/reflectograms/reflectogram_texts.h"
#include "cable/reflectograms/reflectometer_cables.h"
#include "page/instrument_page.h"
#include "storage/trace/cable_block.h"
#include "storage/trace/plot/trace_plot_model.h"
#include "storage/trace/reflectogram_record.h"
#include "storage/trace/wv_file.h"

namespace telvane {

// The 3-byte reflectogram number of codes 0x57, 0x58, 0x67 and 0x68: the
// cable index, the slot index (0 to 19), zero.
std::array<uint8_t, 3> ReflectogramNumber(int cable, int slot);

class ReflectogramPage : public InstrumentPage {
 public:
  ReflectogramPage(PageContext& context, PageId id, TracePage generation,
                   std::shared_ptr<ReflectometerCables> cables);

  // --- What the view shows ------------------------------------------------
  TracePage generation() const { return generation_; }
  int cable_count() const { return cables_->cable_count(); }
  std::vector<std::string> CableNames() const;
  // -1 while the family holds no cable.
  int current_cable() const;
  int current_slot() const { return current_slot_; }
  bool marked(int slot) const;
  // The 20 lines of the current cable; empty without a cable.
  std::vector<std::string> SlotLines() const;
  uint8_t slot_status(int slot) const;
  // The panel of the current slot.
  SlotPanel Panel() const;
  // Whether the coordination label and value are shown (newer page from
  // firmware 8.007).
  bool coordination_shown() const;
  bool database_mode() const { return database_mode_; }
  StorageButtons Buttons() const { return StorageButtonTexts(database_mode_); }
  // The firmware in thousandths (0 on the older page or before a reading).
  int firmware() const;
  // Samples a record of this page holds: 128, or 160 on the newer page from
  // firmware 8.025.
  int sample_count() const;
  // The record of a slot of the current cable (all zero until filled).
  const ReflectogramRecord& record(int slot) const;
  // What the plot shows: the cursor's slot first (the active trace, when it
  // is valid), then every other marked valid slot of the cable, each named
  // by its slot line and scaled by its range, stretch and the cable's k.
  std::vector<PlotTrace> PlotTraces() const;

  // --- The person's actions -------------------------------------------------
  // Chooses a cable; the marks are cleared and the list rebuilt.
  void SelectCable(int cable);
  void SetCursor(int slot);
  void SetMarked(int slot, bool on);
  void SetDatabaseMode(bool on);
  // False when a transfer failed or the person cancelled a dialog.
  bool Receive();
  bool Send();
  bool Save();
  bool Open();

  // --- InstrumentPage ---------------------------------------------------------
  void ClearBuffers() override;

 private:
  // Rebuilds the list: the marks of slots that are not valid are cleared.
  void Rebuild();
  void ClearInvalidMarks();
  ReflectogramRecord& mutable_record(int cable, int slot);
  RecordForm form() const;
  // The scale tables of the page's family (343-byte or 435-byte).
  const ScaleTable& scales() const;
  uint8_t receive_code() const;
  uint8_t send_code() const;
  size_t wire_length() const;
  bool ReceiveSlot(int cable, int slot);
  bool SendSlot(int cable, int slot);
  // The older page's check of the current cable's block.
  bool CableBlockComplete(int cable);
  // Saves one slot to `path` by its extension; false after a shown failure.
  bool SaveSlot(int cable, int slot, const std::string& path);
  // The slots an open fills: marked or under the cursor.
  std::vector<int> OpenTargets() const;
  bool OpenFiles(int cable, const std::vector<int>& targets);
  bool OpenDatabase(int cable, const std::vector<int>& targets);

  TracePage generation_;
  const SessionFacts& facts_;
  std::shared_ptr<ReflectometerCables> cables_;
  // records_[cable][slot], grown as cables are filled.
  std::vector<std::vector<ReflectogramRecord>> records_;
  ReflectogramRecord empty_record_;
  std::array<bool, kReflectogramSlots> marks_{};
  int current_cable_ = 0;
  int current_slot_ = 0;
  bool database_mode_ = false;
};

// The two generations as page classes for the page lists.
class OlderReflectogramPage : public ReflectogramPage {
 public:
  OlderReflectogramPage(PageContext& context, std::shared_ptr<ReflectometerCables> cables);
};

class NewerReflectogramPage : public ReflectogramPage {
 public:
  NewerReflectogramPage(PageContext& context, std::shared_ptr<ReflectometerCables> cables);
};

}  // namespace telvane

#endif  // TELVANE_CABLE_REFLECTOGRAMS_REFLECTOGRAM_PAGE_H_
