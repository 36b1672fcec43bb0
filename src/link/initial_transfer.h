// The initial transfers that the serial search runs on the search port right
// after a successful synchronisation, so that the kind's first page opens with
// data: kind 4 (planned-measurement counters), kind 6 (full-family database
// header and name tables), kind 7 (compact database header) and kind 9
// (database parameters). Each shows its own messages and leaves what it
// received in link.initial() only when the whole transfer succeeded.
#ifndef TELVANE_LINK_INITIAL_TRANSFER_H_
#define TELVANE_LINK_INITIAL_TRANSFER_H_

#include "link/link.h"
#include "link/serial_port.h"

namespace telvane {

bool InitialTransferKind4(Link& link, SerialPort& port);
bool InitialTransferKind6(Link& link, SerialPort& port);
bool InitialTransferKind7(Link& link, SerialPort& port);
bool InitialTransferKind9(Link& link, SerialPort& port);

// Installs the four transfers above into the link.
void InstallBuiltInInitialTransfers(Link& link);

}  // namespace telvane

#endif  // TELVANE_LINK_INITIAL_TRANSFER_H_
