// The command and record exchange over the IrDA socket: frames sent and
// received in pieces of at most 61 bytes, each wait bounded by the caller's
// time-out, a received record asked for again up to five attempts in all and a
// sent record sent again while the instrument answers 0, five sends at most.
#ifndef TELVANE_LINK_IRDA_EXCHANGE_H_
#define TELVANE_LINK_IRDA_EXCHANGE_H_

#include "link/exchange.h"
#include "link/instrument_info.h"
#include "link/irda_link.h"
#include "link/transfer_progress.h"

namespace telvane {

class IrdaExchange : public Exchange {
 public:
  // `info` is the session's descriptor, cleared by a successful Disconnect.
  IrdaExchange(IrdaLink& link, InstrumentInfo& info) : link_(link), info_(info) {}

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

 private:
  enum class Outcome { kDone, kFailed };

  // Sends `length` bytes in pieces, waiting until writable before each.
  bool SendPieces(const uint8_t* data, size_t length, TransferProgress& progress, Wait wait);
  // Receives exactly `length` bytes in pieces, waiting before each; a piece
  // never asks for more than the bytes still expected.
  bool ReceivePieces(uint8_t* data, size_t length, TransferProgress& progress, Wait wait);
  // Waits until writable and sends `length` bytes (a confirmation) at once.
  bool SendConfirmation(const uint8_t* data, size_t length, Wait wait);

  // One attempt of ReceiveRecord: kDone with `checked` telling whether the
  // record checked out, kFailed when the link failed.
  Outcome ReceiveRecordAttempt(const Address& address, uint8_t* record, size_t length,
                               ConfirmSource confirm, const Progress& progress, Wait wait,
                               bool& checked);

  IrdaLink& link_;
  InstrumentInfo& info_;
};

}  // namespace telvane

#endif  // TELVANE_LINK_IRDA_EXCHANGE_H_
