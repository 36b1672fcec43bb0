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
#include <string>
#include <vector>

#include "page/instrument_page.h"

namespace telvane {

// The parameters as the page holds them (the first free byte in 32 bits).
struct PlanParameters {
  uint8_t chip_type = 0;
  uint16_t maximum_cables = 0;  // with the cable offset
  uint16_t current_cables = 0;
  uint8_t cable_types = 0;
  uint16_t maximum_pairs = 0;
  uint16_t current_pairs = 0;
  uint16_t working_cable = 0;
  uint8_t maximum_sections = 0;
  uint32_t first_free_byte = 0;
};

// The 15 bytes of the parameters (16-bit values most significant byte first).
inline constexpr size_t kPlanParametersSize = 15;
PlanParameters DecodePlanParameters(const uint8_t* data);

class DatabasePlanPage : public InstrumentPage {
 public:
  struct Field {
    std::string label;
    std::string value;
    bool editable = false;
  };

  explicit DatabasePlanPage(PageContext& context);

  // --- What the view shows ------------------------------------------------
  // The nine fields in the page's order; empty values before a reading.
  std::vector<Field> Fields() const;
  bool has_parameters() const { return has_parameters_; }
  const PlanParameters& parameters() const { return parameters_; }
  // The maximum of cables as shown: the stored value less the cable offset.
  long shown_maximum_cables() const;

  // --- The person's actions -----------------------------------------------
  // A new maximum of cables (kept 1..65535) or of sections (kept 1..20); both
  // run the plan. False when the plan was refused (the stored values stay).
  bool EditMaximumCables(long shown);
  bool EditMaximumSections(long sections);

  // --- InstrumentPage ---------------------------------------------------------
  // Kind 9's first transfer: the parameters of the initial transfer, or over
  // IrDA the 0x30 block.
  void Start() override;
  void ClearBuffers() override;
  void Reset() override { ClearBuffers(); }

  // The parameters as if received (the command line's plan and tests).
  void SetParameters(const PlanParameters& parameters);

 private:
  bool RunPlan(long shown_cables, int sections);

  // The cable offset ("/i9:").
  const uint32_t offset_;
  PlanParameters parameters_;
  bool has_parameters_ = false;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_PLAN_DATABASE_PLAN_PAGE_H_
