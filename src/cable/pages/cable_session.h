// The serial session as the cable pages use it: the session channel of the
// page's context and the cable transfers on it. Pages never open or close the port; they only run
// transfers while the session lasts.
#ifndef TELVANE_CABLE_PAGES_CABLE_SESSION_H_
#define TELVANE_CABLE_PAGES_CABLE_SESSION_H_

#include <optional>

#include "cable/cable_transfer.h"
#include "link/initial_data.h"
#include "page/instrument_page.h"

namespace telvane {

class CableSession {
 public:
  explicit CableSession(PageContext& context);

  // A binary-protocol instrument is connected and its serial port is open.
  bool open() const { return transfer_.has_value(); }
  // The transfers; only while open().
  CableTransfer& transfer() { return *transfer_; }
  // What the search's initial transfer brought.
  const InitialData* initial() { return initial_; }

 private:
  const InitialData* initial_;
  std::optional<CableTransfer> transfer_;
};

// Shown when a page is asked to move data without a serial session.
void ShowNoSession(Screen& screen);

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_CABLE_SESSION_H_
