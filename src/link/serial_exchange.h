// The exchange operations over the session serial port: every byte is written
// and read singly, a read that moves no byte is a time-out, and the time-out of
// one wait is the port's read time-out constant (5000 ms), not the Wait given.
// A received record is answered with 0 and asked for again after any fault,
// the person is asked whether to go on after every fifth failure, and its
// address is not compared; a sent record is not sent again.
#ifndef TELVANE_LINK_SERIAL_EXCHANGE_H_
#define TELVANE_LINK_SERIAL_EXCHANGE_H_

#include <memory>

#include "base/screen.h"
#include "link/byte_channel.h"
#include "link/exchange_policy.h"
#include "link/instrument_info.h"
#include "link/serial_channel.h"
#include "link/serial_port.h"
#include "link/serial_transport.h"
#include "link/transport_exchange.h"

namespace telvane {

namespace serial_exchange_internal {

// Constructed before the exchange that uses it.
struct TransportHolder {
  explicit TransportHolder(ByteChannel& channel) : transport(channel) {}
  explicit TransportHolder(SerialPort& port)
      : own_channel(std::make_unique<SerialChannel>(port)), transport(*own_channel) {}

  std::unique_ptr<ByteChannel> own_channel;
  SerialTransport transport;
};

}  // namespace serial_exchange_internal

class SerialExchange : private serial_exchange_internal::TransportHolder, public TransportExchange {
 public:
  // `info` is the descriptor that Disconnect clears.
  SerialExchange(ByteChannel& channel, Screen& screen, InstrumentInfo& info)
      : TransportHolder(channel),
        TransportExchange(transport, kSerialExchangePolicy, screen, info) {}
  // On a serial port, through its own SerialChannel.
  SerialExchange(SerialPort& port, Screen& screen, InstrumentInfo& info)
      : TransportHolder(port), TransportExchange(transport, kSerialExchangePolicy, screen, info) {}
};

}  // namespace telvane

#endif  // TELVANE_LINK_SERIAL_EXCHANGE_H_
