// The armour-wear meter's page (kind 8, "База измерений"): the six values of
// the information record that the search's transfer read, read-only, and
// "Принять и сохранить...", which receives the stored series and writes it
// as a CSV file.
#ifndef TELVANE_CABLE_WEAR_WEAR_PAGE_H_
#define TELVANE_CABLE_WEAR_WEAR_PAGE_H_

#include <optional>
#include <vector>

#include "cable/wear/wear_record.h"
#include "page/instrument_page.h"

namespace telvane {

class WearPage : public InstrumentPage {
 public:
  explicit WearPage(PageContext& context);

  // --- What the view shows ------------------------------------------------
  std::vector<WearField> Fields() const { return WearFields(info_ ? &*info_ : nullptr); }
  const std::optional<WearInfo>& info() const { return info_; }

  // --- The person's actions -----------------------------------------------
  // "Принять и сохранить...". True when a file was written.
  bool ReceiveAndSave();

  // --- InstrumentPage ---------------------------------------------------------
  // The information record, read on the search port (command 0x40).
  bool SearchTransfer(ByteChannel& channel) override;
  void ClearBuffers() override;

 private:
  std::optional<WearInfo> info_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_WEAR_WEAR_PAGE_H_
