// The planned-measurement page of kinds 4 and 7 ("База плановых измерений"):
// "База данных на приборе" lists the cables of the planned measurements
// received from the instrument (command 0x21), "База данных на персональном
// компьютере" the cables the person copied to the computer; the pairs of the
// cable chosen on either side are shown, and that side is exported as CSV, one
// cable or all.
#ifndef TELVANE_CABLE_PAGES_PLANNED_BASE_PAGE_H_
#define TELVANE_CABLE_PAGES_PLANNED_BASE_PAGE_H_

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "page/instrument_page.h"
#include "cable/pages/compact_model.h"

namespace telvane {

enum class PlannedSide { kComputer = 0, kInstrument = 1 };

class PlannedBasePage : public InstrumentPage {
 public:
  PlannedBasePage(PageContext& context, std::shared_ptr<CompactModel> model);

  // "Кабель №n" for each cable of a side.
  std::vector<std::string> CableNames(PlannedSide side) const;
  // The side and cable whose pairs are shown.
  PlannedSide shown_side() const { return shown_side_; }
  int selected(PlannedSide side) const { return selected_[static_cast<size_t>(side)]; }
  // One row per pair of the shown cable: the pair index and the six values as
  // texts, "НЕТ ИЗМЕРЕНИЙ" for those not measured.
  std::vector<std::array<std::string, 7>> PairRows() const;
  const CompactBase& computer() const { return computer_; }
  const CompactBase& instrument() const { return model_->base; }
  bool can_transfer();

  void Select(PlannedSide side, int cable);
  bool Receive();         // "Принять"
  void CopyToComputer();  // instrument -> computer, every cable
  // CSV export of the shown side's selected cable, or of all its cables.
  bool ExportSelected();
  bool ExportAll();

  void Start() override;
  void ClearBuffers() override;

 private:
  const CompactBase& Side(PlannedSide side) const;
  bool Export(int cable);
  std::shared_ptr<CompactModel> model_;
  CompactBase computer_;
  std::array<int, 2> selected_{0, 0};
  PlannedSide shown_side_ = PlannedSide::kInstrument;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_PLANNED_BASE_PAGE_H_
