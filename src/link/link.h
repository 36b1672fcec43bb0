// The process-wide link state: the connected instrument's descriptor, which
// link carries the session, the session serial port with its name, speed and
// IrDA-adapter flag, the IrDA side when one is attached, and the person at the
// screen that every link operation reports to.
//
// Link is the Exchange that pages call. Each operation goes to the IrDA
// exchange when the session runs over IrDA (kind() == LinkKind::kIrda and an
// IrDA exchange is attached) and to the serial exchange on the session port
// otherwise.
//
// Seams for the other parts of the program:
//  - AttachIrda() hands the link the IrDA exchange (it owns the socket); the
//    IrDA exchange keeps a reference to the Link to reach info() and screen().
//    The constructor attaches the IrDA side of irda_session.h.
//  - SetIrdaStartup() installs the IrDA attempt that RunStartupSearch() makes
//    before the serial search (see startup.h for its contract).
//  - SetInitialTransfer() installs the initial transfer that the serial search
//    runs on the search port after a successful synchronisation, for the kinds
//    whose transfer belongs to their pages (2 and 8); kinds 4, 6, 7 and 9 have
//    theirs built in (initial_transfer.h) and may be overridden the same way.
#ifndef TELVANE_LINK_LINK_H_
#define TELVANE_LINK_LINK_H_

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/screen.h"
#include "link/exchange.h"
#include "link/initial_data.h"
#include "link/instrument_info.h"
#include "link/serial_channel.h"
#include "link/serial_exchange.h"
#include "link/serial_port.h"
#include "link/transactions.h"

namespace telvane {

class Link;

// The IrDA attempt of the start-up search. Returns true when the socket could
// be connected (then it has run the IrDA identification and left its result in
// link.info(); when that found nothing it has closed the socket), false when no
// socket could be connected.
using IrdaStartup = std::function<bool(Link& link)>;

// An initial transfer run on the search port; false when it failed (it has
// shown its message).
using InitialTransfer = std::function<bool(Link& link, SerialPort& port)>;

class Link : public Exchange {
 public:
  explicit Link(Screen& screen);
  ~Link() override;
  Link(const Link&) = delete;
  Link& operator=(const Link&) = delete;

  Screen& screen() { return screen_; }
  InstrumentInfo& info() { return info_; }
  const InstrumentInfo& info() const { return info_; }
  Address address() const { return info_.address(); }

  LinkKind kind() const { return kind_; }
  void set_kind(LinkKind kind) { kind_ = kind; }

  // The session serial port.
  SerialPort& port() { return port_; }
  // Default "COM1"; the first port the search could open, then the accepted one.
  const std::string& port_name() const { return port_name_; }
  void set_port_name(std::string name) { port_name_ = std::move(name); }
  // The link speed in baud, as the main window shows it.
  uint32_t baud() const { return baud_; }
  void set_baud(uint32_t baud) { baud_ = baud; }
  // The instrument is reached through an IrDA adapter on the serial port.
  bool irda_adapter() const { return irda_adapter_; }
  void set_irda_adapter(bool on) { irda_adapter_ = on; }
  // The IrDA_BR byte of the accepted instrument; nullopt before one was.
  std::optional<uint8_t> irda_br() const { return irda_br_; }
  void set_irda_br(std::optional<uint8_t> irda_br) { irda_br_ = irda_br; }

  // What the initial transfer of the search brought.
  InitialData& initial() { return initial_; }

  // --- IrDA seam ---------------------------------------------------------
  void AttachIrda(std::unique_ptr<Exchange> irda) { irda_ = std::move(irda); }
  Exchange* irda() { return irda_.get(); }
  void DetachIrda() { irda_.reset(); }
  void SetIrdaStartup(IrdaStartup startup) { irda_startup_ = std::move(startup); }
  const IrdaStartup& irda_startup() const { return irda_startup_; }

  // --- Initial transfers ---------------------------------------------------
  void SetInitialTransfer(uint8_t kind, InitialTransfer transfer) {
    initial_transfers_[kind] = std::move(transfer);
  }
  const InitialTransfer& initial_transfer(uint8_t kind) const { return initial_transfers_[kind]; }

  // The serial exchange on the session port, whatever the link kind.
  SerialExchange& serial() { return serial_; }

  // The transactions of the exchange table, over this link.
  Transactions& transactions() { return transactions_; }
  // The session serial port as a byte channel, for the cable meters' own
  // serial transfers; nullptr while the port is closed.
  ByteChannel* session_channel() { return port_.is_open() ? &channel_ : nullptr; }

  // --- Exchange, dispatched on the link kind --------------------------------
  bool SendCommand(const Address& address, uint8_t code, Wait wait) override;
  bool ReceiveRecord(const Address& address, uint8_t* destination, size_t length,
                     ConfirmSource confirm, Progress progress, Wait wait) override;
  bool SendRecord(const Address& address, const uint8_t* data, size_t length, uint8_t expected,
                  Progress progress, Wait wait) override;
  bool ReceiveBlock(uint8_t* destination, size_t length, Progress progress, ConfirmSource confirm,
                    Wait wait) override;
  bool SendBlock(const uint8_t* data, size_t length, Progress progress, ConfirmSource expected,
                 Wait wait) override;
  bool Disconnect() override;

  // Closes the session port (ClosePort).
  void ClosePort() { port_.Close(); }

 private:
  Exchange& Active();

  Screen& screen_;
  InstrumentInfo info_;
  LinkKind kind_ = LinkKind::kSerial;
  SerialPort port_;
  std::string port_name_ = "COM1";
  uint32_t baud_ = 9600;
  bool irda_adapter_ = false;
  std::optional<uint8_t> irda_br_;
  InitialData initial_;
  SerialChannel channel_{port_};
  SerialExchange serial_;
  Transactions transactions_{*this, screen_};
  std::unique_ptr<Exchange> irda_;
  IrdaStartup irda_startup_;
  std::array<InitialTransfer, 256> initial_transfers_;
};

}  // namespace telvane

#endif  // TELVANE_LINK_LINK_H_
