// What the exchange operations do differently on each link: how many bytes
// go per call, how replies are read, how often a record is asked for or sent
// again, whether the person is asked to go on, whether the address of a
// received record is compared, how the bar follows a record, what the end of
// the session clears, and every message. TransportExchange runs the
// operations once over a ByteTransport with one of these.
#ifndef TELVANE_LINK_EXCHANGE_POLICY_H_
#define TELVANE_LINK_EXCHANGE_POLICY_H_

#include <cstddef>

#include "link/exchange.h"
#include "link/frame_codec.h"
#include "link/frame_messages.h"

namespace telvane {

// Failed attempts in a row of a received record before giving up or asking,
// on either link.
inline constexpr int kReceiveAttempts = 5;

// One error box; a null text shows nothing. A %d in the text takes the
// transport's last error number (or the number the caller gives).
struct Message {
  const char* caption = "Ошибка";
  const char* text = nullptr;
};

// What moving the bytes of one step shows when it fails. The sum variants
// apply to the last byte of a reply read byte by byte.
struct MoveMessages {
  Message timeout;  // nothing came, or the transport was not ready in time
  Message failed;   // the write or read failed, or the other side closed
  Message sum_timeout;
  Message sum_failed;
};

// A step whose sum byte fails no differently: `timeout` and `failed` alone.
constexpr MoveMessages Moves(Message timeout, Message failed) {
  MoveMessages messages;
  messages.timeout = timeout;
  messages.failed = failed;
  return messages;
}

// What the end of the session clears in the instrument's descriptor.
enum class DisconnectRule {
  // Kind, serial number and name once all 9 reply bytes came, even when the
  // reply was wrong.
  kClearIdentityWhenReplied,
  // The whole descriptor, and the transport is closed, once the command was
  // confirmed.
  kCloseAndClearWhenConfirmed,
};

struct ExchangePolicy {
  // Bytes per write or read call of data that go in pieces.
  size_t piece = 1;
  // True: a reply is what one read after one wait brings (up to its full
  // length). False: its bytes are read one by one, the sum byte on its own.
  bool reply_in_one_read = false;

  // Received records: failed attempts in a row before giving up or asking;
  // whether a record that did not come whole is answered with 0 and asked
  // for again (otherwise the receive fails); the Yes/No question that grants
  // as many attempts again (none when its text is null); whether the
  // address is compared.
  int receive_attempts = kReceiveAttempts;
  bool retry_incomplete_record = false;
  Message retry_question{"Вопрос", nullptr};
  bool compare_received_address = true;
  // Sent records: sends in all while the confirmation asks for the record
  // again, and how confirmations are judged.
  int record_sends = 1;
  RecordConfirmRules record_confirm_rules;

  // The bar of a record: true follows the whole frame (a sent record's every
  // byte, a received record's data and sum) and a sent record or block shows
  // the bar; false follows the data bytes alone and leaves showing it to the
  // caller. A received record gets a new bar per attempt when true.
  bool bar_counts_frame = false;

  DisconnectRule disconnect_rule = DisconnectRule::kClearIdentityWhenReplied;
  Wait disconnect_wait;

  // Setting the read time-out before a command, and before the end of the
  // session.
  Message prepare_failed;
  Message disconnect_prepare_failed;
  // The end-of-session command was not confirmed.
  Message disconnect_failed;
  // No memory for a received record (%d: the error number).
  Message no_memory;

  // Commands: the frame written, the reply read, the reply judged.
  MoveMessages command_send;
  MoveMessages command_reply;
  const FrameTexts* command_check = nullptr;

  // Received records: the first address byte did not come; a later one did
  // not; an address byte could not be read; the data and sum; the checks;
  // the confirmation.
  Message head_timeout;
  Message head_short;
  Message head_failed;
  MoveMessages record_data;
  const FrameTexts* record_check = nullptr;
  MoveMessages record_confirm_send;

  // Sent records: the address, the data and the sum written; the reply read
  // and judged.
  MoveMessages record_address_send;
  MoveMessages record_data_send;
  MoveMessages record_sum_send;
  MoveMessages record_reply;
  const FrameTexts* record_reply_check = nullptr;

  // Raw blocks: received data and its confirmation; sent data, the
  // confirmation byte read and judged.
  MoveMessages block_data;
  MoveMessages block_confirm_send;
  MoveMessages block_send;
  MoveMessages block_reply;
  const FrameTexts* block_check = nullptr;
};

// The session serial port: byte by byte, a record asked for again after any
// fault and the question "Ошибка обмена данными.\r\nПовторить попытку?" after
// every fifth failure, no resend of a sent record, the address of a received
// record not compared.
extern const ExchangePolicy kSerialExchangePolicy;
// The IrDA socket: pieces of 61 bytes, a received record asked for again up
// to five attempts in all, a sent record sent again while the instrument
// answers 0, five sends at most.
extern const ExchangePolicy kIrdaExchangePolicy;

}  // namespace telvane

#endif  // TELVANE_LINK_EXCHANGE_POLICY_H_
