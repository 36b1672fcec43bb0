// What the main window needs of the process-wide link: the start-up search, the
// text-protocol attempt, ending the session and closing everything, and the
// descriptor and exchange that the pages use. The application object adapts the
// real link to it; tests put a scripted link behind it.
#ifndef TELVANE_PAGE_LINK_CONTROL_H_
#define TELVANE_PAGE_LINK_CONTROL_H_

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/screen.h"
#include "link/byte_channel.h"
#include "link/exchange.h"
#include "link/initial_data.h"
#include "link/instrument_info.h"
#include "link/text_instrument.h"
#include "link/transactions.h"

namespace telvane {

// One planned-measurement record of the text-protocol instrument: the two
// numbers as one byte each, then six little-endian floats.
using TextPlannedRecord = TextRecord;

// A page's part of the search, run on the search port (see
// InstrumentPage::SearchTransfer); false when it failed.
using SearchTransfer = std::function<bool(ByteChannel& channel)>;

class LinkControl {
 public:
  virtual ~LinkControl() = default;

  virtual InstrumentInfo& info() = 0;
  virtual LinkKind link_kind() const = 0;
  virtual Exchange& exchange() = 0;
  // The transactions of the exchange table over the link in use.
  virtual Transactions& transactions() = 0;
  // The session serial port as a byte channel (the cable meters' serial
  // transfers); nullptr when no serial session is open.
  virtual ByteChannel* session_channel() = 0;
  // What the search's initial transfer brought.
  virtual InitialData& initial() = 0;

  // Installs the search transfer of `kind` (empty: none), run by every search
  // and known-instrument session on the search port once an instrument of
  // that kind was synchronised.
  virtual void SetSearchTransfer(uint8_t kind, SearchTransfer transfer) = 0;

  // The start-up order: IrDA first, then the serial ports, with the initial
  // transfers of the kinds that have one. Leaves the link open.
  virtual void Search(Screen& screen) = 0;
  // Tries the text-protocol instrument on every port; on success the
  // descriptor holds kind 255 and `records` the received planned measurements.
  virtual bool TryTextInstrument(Screen& screen, const TextReceivingHook& receiving,
                                 std::vector<TextPlannedRecord>& records) = 0;
  // Ends the session (command 0xFF over the link in use). The descriptor is
  // cleared when the instrument confirmed.
  virtual void EndSession(Screen& screen) = 0;
  // Closes the session port and the socket.
  virtual void Close() = 0;

  // The link speed for the label, and the IrDA-adapter flag of the serial link.
  virtual unsigned long baud_rate() const = 0;
  virtual void ResetBaudRate() = 0;
  virtual bool irda_adapter() const = 0;
};

}  // namespace telvane

#endif  // TELVANE_PAGE_LINK_CONTROL_H_
