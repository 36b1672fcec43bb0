// A session with a ScriptedPeer as the instrument, for page tests without a
// simulator process: the descriptor holds the kind and serial number, the
// session channel is the peer, and the page context is built over it. The
// addressed-record exchange is not played by the peer: a page that reaches
// for it fails the test.
#ifndef TELVANE_TESTS_SUPPORT_PEER_LINK_H_
#define TELVANE_TESTS_SUPPORT_PEER_LINK_H_

#include <map>
#include <optional>
#include <vector>

#include "page/instrument_page.h"
#include "page/link_control.h"
#include "support/scripted_peer.h"
#include "support/scripted_screen.h"

namespace telvane::testing {

class PeerLink : public LinkControl, private Exchange {
 public:
  // An instrument of `kind` with the six-character `serial` is connected
  // through `peer`.
  PeerLink(ScriptedPeer& peer, uint8_t kind, const char* serial);

  InstrumentInfo& info() override { return info_; }
  LinkKind link_kind() const override { return LinkKind::kSerial; }
  Exchange& exchange() override { return *this; }
  Transactions& transactions() override { return transactions_; }
  ByteChannel* session_channel() override { return open_ ? &peer_ : nullptr; }
  InitialData& initial() override { return initial_; }
  void SetSearchTransfer(uint8_t kind, SearchTransfer transfer) override;
  void Search(Screen&) override {}
  bool TryTextInstrument(Screen&, const TextReceivingHook&,
                         std::vector<TextPlannedRecord>&) override {
    return false;
  }
  void EndSession(Screen&) override { info_.ClearIdentity(); }
  void Close() override { open_ = false; }
  unsigned long baud_rate() const override { return 9600; }
  void ResetBaudRate() override {}
  bool irda_adapter() const override { return false; }

  // The installed search transfer of `kind`, run on the peer as the search
  // would run it; false when none is installed or it failed.
  bool RunSearchTransfer(uint8_t kind);
  bool has_search_transfer(uint8_t kind) const { return search_transfers_.count(kind) != 0; }

  ScriptedScreen& screen() { return screen_; }
  PageContext& context() { return context_; }

 private:
  // Exchange: not played by the peer.
  bool SendCommand(const Address&, uint8_t, Wait) override;
  bool ReceiveRecord(const Address&, uint8_t*, size_t, ConfirmSource, Progress, Wait) override;
  bool SendRecord(const Address&, const uint8_t*, size_t, uint8_t, Progress, Wait) override;
  bool ReceiveBlock(uint8_t*, size_t, Progress, ConfirmSource, Wait) override;
  bool SendBlock(const uint8_t*, size_t, Progress, ConfirmSource, Wait) override;
  bool Disconnect() override;

  ScriptedPeer& peer_;
  bool open_ = true;
  InstrumentInfo info_;
  InitialData initial_;
  ScriptedScreen screen_;
  AppOptions options_;
  SessionFacts facts_;
  PageContext context_{screen_, *this, options_, facts_};
  Transactions transactions_{*this, screen_};
  std::map<uint8_t, SearchTransfer> search_transfers_;
};

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_SUPPORT_PEER_LINK_H_
