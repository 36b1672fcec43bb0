// The serial search for an instrument: every port, every probed kind code, the
// identification, the person's acceptance, the synchronisation exchange, the
// kind's initial transfer and the opening of the session port.
#ifndef TELVANE_LINK_SEARCH_H_
#define TELVANE_LINK_SEARCH_H_

#include "base/screen.h"
#include "link/instrument_info.h"
#include "link/link.h"
#include "link/serial_port.h"

namespace telvane {

// Probes the serial ports and fills link.info(); leaves the session port open
// (OpenSelectedPort) unless the person cancelled the search.
void InstrumentSearch(Link& link);

// The serial synchronisation: 8 bytes out (kind, serial, sum), 14 bytes back
// (kind, serial, complemented serial, sum). Shows every fault it finds.
bool Synchronize(SerialPort& port, const InstrumentInfo& info, Screen& screen);

// Opens the session port by the recorded port name at the speed of the
// accepted instrument. 0, -1 (mode string rejected) or -2 (port not opened).
int OpenSelectedPort(Link& link);

// Sets link speed and adapter flag from an IrDA_BR byte; an unknown byte gives
// the warning box (when `warn`), 9600 baud and leaves the flag as it was.
void ApplyIrdaBr(Link& link, uint8_t irda_br, bool warn);

}  // namespace telvane

#endif  // TELVANE_LINK_SEARCH_H_
