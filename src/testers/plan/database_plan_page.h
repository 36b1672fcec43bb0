// The database-counters page of kind 9 ("Информация о базе данных"): the nine
// database parameters of the instrument's memory chip, of which the maximum
// numbers of cables and of sections are edited; every edit runs the memory
// plan (memory_plan.h) and stores its result.
//
// The parameters come from the search's initial transfer over the serial
// port, or over IrDA from the first block of command 0x30, which carries the
// same 15 bytes in the same order (docs/memory-plan.md).
#ifndef TELVANE_TESTERS_PLAN_DATABASE_PLAN_PAGE_H_
#define TELVANE_TESTERS_PLAN_DATABASE_PLAN_PAGE_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "page/instrument_page.h"
#include "testers/plan/kind9_database.h"

namespace telvane {

class DatabasePlanPage : public InstrumentPage {
 public:
  struct Field {
    std::string label;
    std::string value;
    bool editable = false;
  };

  // The page shares `database` with the kind's other pages; without one it
  // keeps its own.
  explicit DatabasePlanPage(PageContext& context,
                            std::shared_ptr<Kind9Database> database = nullptr);

  // --- What the view shows ------------------------------------------------
  // The nine fields in the page's order; empty values before a reading.
  std::vector<Field> Fields() const;
  bool has_parameters() const { return database_->parameters().has_value(); }
  // The parameters held; all zero before a reading.
  const Kind9Parameters& parameters() const;
  // The maximum of cables as shown: the stored value less the cable offset.
  long shown_maximum_cables() const;

  // --- The person's actions -----------------------------------------------
  // A new maximum of cables (kept 1..65535) or of sections (kept 1..20); both
  // run the plan. False when the plan was refused (the stored values stay).
  // An accepted plan is stored in the shared database, which cuts every
  // cable's sections to the plan's (Kind9Database::StorePlan).
  bool EditMaximumCables(long shown);
  bool EditMaximumSections(long sections);

  // --- InstrumentPage ---------------------------------------------------------
  // Kind 9's first transfer: the parameters of the initial transfer, or over
  // IrDA the 0x30 block.
  void Start() override;
  void ClearBuffers() override;
  void Reset() override { ClearBuffers(); }

  // The parameters as if received (the command line's plan and tests).
  void SetParameters(const Kind9Parameters& parameters);

 private:
  bool RunPlan(long shown_cables, int sections);

  std::shared_ptr<Kind9Database> database_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_PLAN_DATABASE_PLAN_PAGE_H_
