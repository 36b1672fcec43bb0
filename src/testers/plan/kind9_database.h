// The cable database of a kind 9 meter as the program holds it, shared by the
// kind's three pages of one window: the database parameters, the cable
// records (the trailing "/i9:" records included, as the instrument keeps
// them) and the planned measurements of the cables read so far.
//
// Reading: the parameters come from command 0x30 (over IrDA its first block;
// over the serial port the search's initial transfer already brought them),
// the cables from command 0x33 (one 26-byte block per cable the parameters
// count), one cable again from 0x34 and a cable's pairs from 0x35, one
// exchange per pair record. Writing: the parameters with 0x31, then every
// cable record with 0x37. The layouts are in docs/kind9.md.
#ifndef TELVANE_TESTERS_PLAN_KIND9_DATABASE_H_
#define TELVANE_TESTERS_PLAN_KIND9_DATABASE_H_

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "link/initial_data.h"
#include "page/instrument_page.h"
#include "testers/plan/kind9_records.h"
#include "testers/plan/memory_plan.h"

namespace telvane {

class Kind9Database {
 public:
  // `trailing_records`: the "/i9:" option, also the cable offset of the plan.
  explicit Kind9Database(int trailing_records);

  uint32_t trailing_records() const { return trailing_; }

  // --- What is held ----------------------------------------------------------
  const std::optional<Kind9Parameters>& parameters() const { return parameters_; }
  void SetParameters(const Kind9Parameters& parameters);
  bool has_cables() const { return has_cables_; }
  // Every cable record received, the trailing ones included.
  const std::vector<Kind9CableRecord>& records() const { return records_; }
  // The cables the pages list: the records less the trailing ones.
  size_t shown_count() const;
  // The pairs of cable `cable` as last read; empty before.
  const std::vector<Kind9PairRecord>& pairs(size_t cable) const;
  bool has_pairs(size_t cable) const;

  // The cable both lists point at; -1 for none.
  int selected() const { return selected_; }
  void Select(int cable);

  // --- Transfers (each reports its own failures) ------------------------------
  // The parameters: over IrDA command 0x30 and its 15-byte block, over the
  // serial port those of the search's initial transfer.
  bool ReadParameters(PageContext& context);
  // All cables (0x33), as many as the parameters count; taken over only
  // when every block came. Reads the parameters first when none are held.
  bool ReadCables(PageContext& context);
  // Cable record `cable` again (0x34).
  bool ReadCable(PageContext& context, size_t cable);
  // The pairs of cable `cable` (0x35 for each of its pair records).
  bool ReadPairs(PageContext& context, size_t cable);
  // The parameters (0x31), then every cable record (0x37).
  bool Write(PageContext& context);

  // The memory plan's result stored: maximum of cables, maximum of pairs,
  // first free byte and maximum of sections from the plan; no pairs in use;
  // the current number of cables is that of the database held (when cables
  // were read); every cable's sections in use cut to the plan's sections and
  // its pairs forgotten (the planned area starts over).
  void StorePlan(const MemoryPlan& plan);

  // Forgets everything (a session's end, "Конец связи").
  void Reset();

  // Every page of the model redraws when one changes it.
  void AddListener(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }
  void Notify();

 private:
  uint32_t trailing_;
  std::optional<Kind9Parameters> parameters_;
  bool has_cables_ = false;
  std::vector<Kind9CableRecord> records_;
  std::vector<std::vector<Kind9PairRecord>> pairs_;
  int selected_ = -1;
  std::vector<std::function<void()>> listeners_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_PLAN_KIND9_DATABASE_H_
