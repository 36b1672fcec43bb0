// The process-wide Link as the main window sees it.
#ifndef TELVANE_APP_LINK_ADAPTER_H_
#define TELVANE_APP_LINK_ADAPTER_H_

#include "page/link_control.h"
#include "link/link.h"

namespace telvane {

class LinkAdapter : public LinkControl {
 public:
  explicit LinkAdapter(Link& link) : link_(link) {}

  InstrumentInfo& info() override { return link_.info(); }
  LinkKind link_kind() const override { return link_.kind(); }
  Exchange& exchange() override { return link_; }
  void Search(Screen& screen) override;
  bool TryTextInstrument(Screen& screen, const TextReceivingHook& receiving,
                         std::vector<TextPlannedRecord>& records) override;
  void EndSession(Screen& screen) override;
  void Close() override;
  unsigned long baud_rate() const override { return link_.baud(); }
  void ResetBaudRate() override { link_.set_baud(9600); }
  bool irda_adapter() const override { return link_.irda_adapter(); }

  Link& link() { return link_; }

 private:
  Link& link_;
};

}  // namespace telvane

#endif  // TELVANE_APP_LINK_ADAPTER_H_
