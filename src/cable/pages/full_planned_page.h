// The planned-measurement page of the full family (kind 6, "Плановые
// измерения"): the date and the pairs of the selected cable's planned
// measurements, as the database page received them; read-only.
#ifndef TELVANE_CABLE_PAGES_FULL_PLANNED_PAGE_H_
#define TELVANE_CABLE_PAGES_FULL_PLANNED_PAGE_H_

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "page/instrument_page.h"
#include "cable/pages/full_family_model.h"

namespace telvane {

class FullPlannedPage : public InstrumentPage {
 public:
  FullPlannedPage(PageContext& context, std::shared_ptr<FullFamilyModel> model);

  // The selected cable's name and "%.2u.%.2u.%.4u" date; empty before the
  // planned measurements were received.
  std::string CableText() const;
  std::string DateText() const;
  // One row per pair of the cable (its pair count, at most the slots held):
  // the pair number and the six values in stored order (AB, BC, AC
  // capacitance, AB, BC, AC insulation), "НЕТ ИЗМЕРЕНИЙ" where not measured.
  std::vector<std::array<std::string, 7>> Rows() const;

 private:
  std::shared_ptr<FullFamilyModel> model_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_FULL_PLANNED_PAGE_H_
