// The exchange operations over the IrDA socket: frames sent and received in
// pieces of at most 61 bytes, each wait bounded by the caller's time-out, a
// received record asked for again up to five attempts in all and a sent record
// sent again while the instrument answers 0, five sends at most.
#ifndef TELVANE_LINK_IRDA_EXCHANGE_H_
#define TELVANE_LINK_IRDA_EXCHANGE_H_

#include "link/exchange_policy.h"
#include "link/instrument_info.h"
#include "link/irda_link.h"
#include "link/irda_transport.h"
#include "link/transport_exchange.h"

namespace telvane {

namespace irda_exchange_internal {

// Constructed before the exchange that uses it.
struct TransportHolder {
  explicit TransportHolder(IrdaLink& link) : transport(link) {}
  IrdaTransport transport;
};

}  // namespace irda_exchange_internal

class IrdaExchange : private irda_exchange_internal::TransportHolder, public TransportExchange {
 public:
  // `info` is the session's descriptor, cleared by a successful Disconnect,
  // which also closes the socket.
  IrdaExchange(IrdaLink& link, InstrumentInfo& info)
      : TransportHolder(link),
        TransportExchange(transport, kIrdaExchangePolicy, link.screen(), info) {}
};

}  // namespace telvane

#endif  // TELVANE_LINK_IRDA_EXCHANGE_H_
