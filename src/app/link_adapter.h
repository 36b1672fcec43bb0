// The process-wide Link as the main window sees it.
#ifndef TELVANE_APP_LINK_ADAPTER_H_
#define TELVANE_APP_LINK_ADAPTER_H_

#include "link/link.h"
#include "page/link_control.h"

namespace telvane {

class LinkAdapter : public LinkControl {
 public:
  explicit LinkAdapter(Link& link) : link_(link) {}

  InstrumentInfo& info() override { return link_.info(); }
  LinkKind link_kind() const override { return link_.kind(); }
  Exchange& exchange() override { return link_; }
  Transactions& transactions() override { return link_.transactions(); }
  ByteChannel* session_channel() override { return link_.session_channel(); }
  InitialData& initial() override { return link_.initial(); }
  void SetSearchTransfer(uint8_t kind, SearchTransfer transfer) override;
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
