// The serial session as the cable pages use it: the process-wide Link behind
// the page's context, its session port as a CablePort, and the cable transfers
// on that port. Pages never open or close the port; they only run transfers
// while the session lasts.
#ifndef TELVANE_CABLE_PAGES_CABLE_SESSION_H_
#define TELVANE_CABLE_PAGES_CABLE_SESSION_H_

#include <optional>

#include "page/instrument_page.h"
#include "cable/cable_transfer.h"
#include "cable/serial_cable_port.h"
#include "link/initial_data.h"
#include "link/link.h"

namespace telvane {

// The Link behind a page context, or nullptr when the context's exchange is
// not the process-wide link (a test double).
Link* LinkOf(PageContext& context);

class CableSession {
 public:
  explicit CableSession(PageContext& context);

  // A binary-protocol instrument is connected and its serial port is open.
  bool open() const { return transfer_.has_value(); }
  // The transfers; only while open().
  CableTransfer& transfer() { return *transfer_; }
  // What the search's initial transfer brought, or nullptr without a link.
  InitialData* initial() { return link_ ? &link_->initial() : nullptr; }

 private:
  Link* link_;
  std::optional<SerialCablePort> port_;
  std::optional<CableTransfer> transfer_;
};

// Shown when a page is asked to move data without a serial session.
void ShowNoSession(Screen& screen);

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_CABLE_SESSION_H_
