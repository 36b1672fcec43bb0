// COM port names and the devices they stand for.
//
// The program names ports as the instruments' documentation does: "COM1" to
// "COM9", and "\\.\COM10" to "\\.\COM254". When the environment variable
// TELVANE_PORT_DIR is set, COMn is the entry "COMn" of that folder (usually a
// link to a serial device or a pseudo-terminal) and nothing else is a port.
// Otherwise COMn maps onto the machine's serial devices that really exist:
//   COM1..COM32    /dev/ttyS0..ttyS31    (only UARTs the kernel found hardware for)
//   COM33..COM132  /dev/ttyUSB0..ttyUSB99 (USB serial adapters)
//   COM133..COM232 /dev/ttyACM0..ttyACM99 (USB modem-class adapters)
// so that a search never waits on a device node without hardware behind it.
#ifndef TELVANE_LINK_PORT_NAMES_H_
#define TELVANE_LINK_PORT_NAMES_H_

#include <optional>
#include <string>

namespace telvane {

inline constexpr unsigned kFirstPort = 1;
inline constexpr unsigned kLastPort = 254;

// "COM%u" below 10, "\\.\COM%u" from 10 upwards.
std::string PortName(unsigned number);

// The port number of "COMn" or "\\.\COMn" (1 to 254), or nullopt.
std::optional<unsigned> PortNumber(const std::string& name);

// The device path for a port name, or nullopt when no device stands behind it.
std::optional<std::string> ResolvePortName(const std::string& name);

}  // namespace telvane

#endif  // TELVANE_LINK_PORT_NAMES_H_
