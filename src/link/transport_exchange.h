// The exchange operations written once over a ByteTransport: the frames of
// frame_codec.h written and read, checked, confirmed, asked for and sent
// again, with the bar and the messages, as the ExchangePolicy of the link
// says.
#ifndef TELVANE_LINK_TRANSPORT_EXCHANGE_H_
#define TELVANE_LINK_TRANSPORT_EXCHANGE_H_

#include <cstddef>
#include <cstdint>
#include <span>

#include "base/screen.h"
#include "link/byte_transport.h"
#include "link/exchange.h"
#include "link/exchange_policy.h"
#include "link/frame_codec.h"
#include "link/instrument_info.h"
#include "link/transfer_progress.h"

namespace telvane {

// The read time-out constant of every serial transfer.
inline constexpr int kTransferTimeoutMs = 5000;

class TransportExchange : public Exchange {
 public:
  // `info` is the session's descriptor, which Disconnect clears.
  TransportExchange(ByteTransport& transport, const ExchangePolicy& policy, Screen& screen,
                    InstrumentInfo& info)
      : transport_(transport), policy_(policy), screen_(screen), info_(info) {}

  // Purges the transport and sets its read time-out, then writes the command
  // frame and checks its confirmation.
  bool SendCommand(const Address& address, uint8_t code, Wait wait) override;
  // Receives into a scratch frame and copies the data to `destination` only
  // after the record checked out and was confirmed; a bad record is answered
  // with 0 and received again.
  bool ReceiveRecord(const Address& address, uint8_t* destination, size_t length,
                     ConfirmSource confirm, Progress progress, Wait wait) override;
  bool SendRecord(const Address& address, const uint8_t* data, size_t length, uint8_t expected,
                  Progress progress, Wait wait) override;
  bool ReceiveBlock(uint8_t* destination, size_t length, Progress progress, ConfirmSource confirm,
                    Wait wait) override;
  bool SendBlock(const uint8_t* data, size_t length, Progress progress, ConfirmSource expected,
                 Wait wait) override;
  // Command 0xFF, then what the policy's DisconnectRule clears.
  bool Disconnect() override;

  // The read time-out set before each command; kTransferTimeoutMs unless a
  // test shortens it.
  void set_timeout_ms(int milliseconds) { timeout_ms_ = milliseconds; }

 private:
  // How a received record's attempt ended.
  enum class Attempt { kChecked, kBad, kFailed };

  bool Prepare(const Message& failure);
  bool Command(const Address& address, uint8_t code, Wait wait, bool* reply_complete);
  // Shows `message` with its %d filled by `number`.
  void Show(const Message& message, int number);
  // Shows what `status` of a move means in `messages`; `last` tells whether
  // the byte that failed was a reply's sum byte.
  void ShowMove(const MoveMessages& messages, FrameStatus status, bool last);

  // Writes all of `bytes` at once (one call per piece, each taking the whole
  // piece), waiting first when `wait` is given.
  FrameStatus WriteWhole(std::span<const uint8_t> bytes, const Wait* wait);
  // Writes `bytes` in pieces, waiting before each; `done` receives the bytes
  // sent, `on_done` is told after each piece.
  template <typename OnDone>
  FrameStatus SendPieces(std::span<const uint8_t> bytes, Wait wait, size_t& done, OnDone on_done);
  // Reads exactly `out.size()` bytes in pieces of at most `piece`, waiting
  // before each.
  template <typename OnDone>
  FrameStatus ReceivePieces(std::span<uint8_t> out, size_t piece, Wait wait, size_t& done,
                            OnDone on_done);
  // Reads a reply: one read after one wait, or byte by byte. `got` receives
  // the bytes that came; fails are shown from `messages`.
  bool ReadReply(std::span<uint8_t> reply, Wait wait, const MoveMessages& messages, size_t& got);

  Attempt ReceiveAttempt(std::span<uint8_t> frame, const Address& address, TransferProgress& meter,
                         Wait wait);

  ByteTransport& transport_;
  const ExchangePolicy& policy_;
  Screen& screen_;
  InstrumentInfo& info_;
  int timeout_ms_ = kTransferTimeoutMs;
};

}  // namespace telvane

#endif  // TELVANE_LINK_TRANSPORT_EXCHANGE_H_
