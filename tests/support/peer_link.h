// A session with a ScriptedPeer as the instrument, for page tests without a
// simulator process: the descriptor holds the kind and serial number, the
// session channel is the peer, the exchange and its transactions are the
// serial link's own over the peer, and the page context is built over them.
#ifndef TELVANE_TESTS_SUPPORT_PEER_LINK_H_
#define TELVANE_TESTS_SUPPORT_PEER_LINK_H_

#include <map>
#include <optional>
#include <vector>

#include "link/serial_exchange.h"
#include "page/instrument_page.h"
#include "page/link_control.h"
#include "support/scripted_peer.h"
#include "support/scripted_screen.h"

namespace telvane::testing {

class PeerLink : public LinkControl {
 public:
  // An instrument of `kind` with the six-character `serial` is connected
  // through `peer`.
  PeerLink(ScriptedPeer& peer, uint8_t kind, const char* serial);

  InstrumentInfo& info() override { return info_; }
  LinkKind link_kind() const override { return LinkKind::kSerial; }
  Exchange& exchange() override { return exchange_; }
  Transactions& transactions() override { return transactions_; }
  ByteChannel* session_channel() override { return open_ ? &peer_ : nullptr; }
  InitialData& initial() override { return initial_; }
  void SetSearchTransfer(uint8_t kind, SearchTransfer transfer) override;
  void Search(Screen&) override {}
  bool TryTextInstrument(Screen&, const TextReceivingHook&,
                         std::vector<TextPlannedRecord>&) override {
    return false;
  }
  void EndSession(Screen&) override { exchange_.Disconnect(); }
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
  // The command-line options the pages see.
  AppOptions& options() { return options_; }

 private:
  ScriptedPeer& peer_;
  bool open_ = true;
  InstrumentInfo info_;
  InitialData initial_;
  ScriptedScreen screen_;
  AppOptions options_;
  SessionFacts facts_;
  PageContext context_{screen_, *this, options_, facts_};
  SerialExchange exchange_{peer_, screen_, info_};
  Transactions transactions_{exchange_, screen_};
  std::map<uint8_t, SearchTransfer> search_transfers_;
};

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_SUPPORT_PEER_LINK_H_
