// The armour-wear meter's two transfers over the serial port, byte by byte in
// the exchange's framing: the information record (command 0x40, run by the
// search right after synchronisation) and the measurement series (command
// 0x41). Each shows its own messages and returns what it received only when
// every check passed.
#ifndef TELVANE_CABLE_WEAR_WEAR_TRANSFER_H_
#define TELVANE_CABLE_WEAR_WEAR_TRANSFER_H_

#include <cstdint>
#include <optional>
#include <vector>

#include "base/screen.h"
#include "cable/wear/wear_record.h"
#include "link/byte_channel.h"
#include "link/instrument_info.h"

namespace telvane {

inline constexpr uint8_t kWearInfoCommand = 0x40;
inline constexpr uint8_t kWearSeriesCommand = 0x41;

// Command 0x40, the 14-byte record, its confirmation with the complement of
// data byte 8.
std::optional<WearInfo> ReadWearInfo(ByteChannel& channel, Screen& screen, const Address& address);

// Command 0x41 and the series of `count` wear bytes (count > 0), with the
// main window's progress bar; confirmed with the complement of the first
// byte.
std::optional<std::vector<uint8_t>> ReceiveWearSeries(ByteChannel& channel, Screen& screen,
                                                      const Address& address, uint16_t count);

}  // namespace telvane

#endif  // TELVANE_CABLE_WEAR_WEAR_TRANSFER_H_
