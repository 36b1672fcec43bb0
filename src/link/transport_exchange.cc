#include "link/transport_exchange.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <vector>

#include "base/sprintf.h"
#include "link/frame_messages.h"

namespace telvane {

namespace {

constexpr uint8_t kDisconnectCode = 0xFF;
// The address bytes that open a record frame.
constexpr size_t kAddressLength = 7;
// Far above the largest record any instrument sends (1 MiB); keeps the frame
// arithmetic from wrapping.
constexpr size_t kMaxRecord = size_t{1} << 30;

// A zeroed heap buffer; null when the memory is not there.
std::unique_ptr<uint8_t[]> Allocate(size_t length) {
  return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[length]());
}

}  // namespace

void TransportExchange::Show(const Message& message, int number) {
  if (message.text == nullptr) return;
  const std::string text = std::strstr(message.text, "%d") != nullptr
                               ? Sprintf(message.text, number)
                               : std::string(message.text);
  screen_.ShowMessage(Icon::kError, message.caption, text);
}

void TransportExchange::ShowMove(const MoveMessages& messages, FrameStatus status, bool last) {
  const bool timeout = status == FrameStatus::kTimeout;
  const Message& message = timeout ? (last ? messages.sum_timeout : messages.timeout)
                                   : (last ? messages.sum_failed : messages.failed);
  Show(message, transport_.last_error());
}

FrameStatus TransportExchange::WriteWhole(std::span<const uint8_t> bytes, const Wait* wait) {
  if (wait != nullptr && !transport_.WaitWritable(*wait)) return FrameStatus::kTimeout;
  for (size_t done = 0; done < bytes.size();) {
    const size_t piece = std::min(policy_.piece, bytes.size() - done);
    size_t moved = 0;
    if (transport_.Write(bytes.data() + done, piece, moved) != ByteTransport::Io::kOk ||
        moved != piece) {
      return FrameStatus::kWriteFailed;
    }
    done += moved;
  }
  return FrameStatus::kOk;
}

template <typename OnDone>
FrameStatus TransportExchange::SendPieces(std::span<const uint8_t> bytes, Wait wait, size_t& done,
                                          OnDone on_done) {
  for (done = 0; done < bytes.size();) {
    if (!transport_.WaitWritable(wait)) return FrameStatus::kTimeout;
    size_t moved = 0;
    if (transport_.Write(bytes.data() + done, std::min(policy_.piece, bytes.size() - done),
                         moved) != ByteTransport::Io::kOk ||
        moved == 0) {
      return FrameStatus::kWriteFailed;
    }
    done += moved;
    on_done(done);
  }
  return FrameStatus::kOk;
}

template <typename OnDone>
FrameStatus TransportExchange::ReceivePieces(std::span<uint8_t> out, size_t piece, Wait wait,
                                             size_t& done, OnDone on_done) {
  for (done = 0; done < out.size();) {
    if (!transport_.WaitReadable(wait)) return FrameStatus::kTimeout;
    size_t moved = 0;
    switch (transport_.Read(out.data() + done, std::min(piece, out.size() - done), moved)) {
      case ByteTransport::Io::kOk:
        break;
      case ByteTransport::Io::kTimeout:
        return FrameStatus::kTimeout;
      case ByteTransport::Io::kClosed:
      case ByteTransport::Io::kFailed:
        return FrameStatus::kReadFailed;
    }
    done += moved;
    on_done(done);
  }
  return FrameStatus::kOk;
}

bool TransportExchange::ReadReply(std::span<uint8_t> reply, Wait wait, const MoveMessages& messages,
                                  size_t& got) {
  got = 0;
  if (policy_.reply_in_one_read) {
    if (!transport_.WaitReadable(wait)) {
      Show(messages.timeout, 0);
      return false;
    }
    // One read: a short reply is judged by its checker. Never more than the
    // reply's length: the rest belongs to what follows.
    if (transport_.Read(reply.data(), reply.size(), got) == ByteTransport::Io::kFailed) {
      Show(messages.failed, transport_.last_error());
      return false;
    }
    return true;
  }
  const FrameStatus status = ReceivePieces(reply, 1, wait, got, [](size_t) {});
  if (status == FrameStatus::kOk) return true;
  ShowMove(messages, status, got + 1 == reply.size());
  return false;
}

bool TransportExchange::Prepare(const Message& failure) {
  transport_.Purge();
  if (!transport_.SetReadTimeout(timeout_ms_)) {
    Show(failure, 0);
    return false;
  }
  return true;
}

bool TransportExchange::Command(const Address& address, uint8_t code, Wait wait,
                                bool* reply_complete) {
  if (reply_complete != nullptr) *reply_complete = false;
  const Frame9 frame = CommandFrame(address, code);
  if (const FrameStatus status = WriteWhole(frame, nullptr); status != FrameStatus::kOk) {
    ShowMove(policy_.command_send, status, false);
    return false;
  }
  Frame9 reply{};
  size_t got = 0;
  if (!ReadReply(reply, wait, policy_.command_reply, got)) return false;
  if (reply_complete != nullptr) *reply_complete = got == reply.size();
  return ReportFrame(screen_, *policy_.command_check,
                     CheckCommandReply(std::span(reply).first(got), address, code));
}

bool TransportExchange::SendCommand(const Address& address, uint8_t code, Wait wait) {
  return Prepare(policy_.prepare_failed) && Command(address, code, wait, nullptr);
}

bool TransportExchange::Disconnect() {
  if (!Prepare(policy_.disconnect_prepare_failed)) return false;
  bool reply_complete = false;
  const bool ok =
      Command(info_.address(), kDisconnectCode, policy_.disconnect_wait, &reply_complete);
  if (!ok) Show(policy_.disconnect_failed, 0);
  switch (policy_.disconnect_rule) {
    case DisconnectRule::kClearIdentityWhenReplied:
      if (reply_complete) info_.ClearIdentity();
      break;
    case DisconnectRule::kCloseAndClearWhenConfirmed:
      if (ok) {
        transport_.Close();
        info_.Clear();
      }
      break;
  }
  return ok;
}

TransportExchange::Attempt TransportExchange::ReceiveAttempt(std::span<uint8_t> frame,
                                                             const Address& address,
                                                             TransferProgress& meter, Wait wait) {
  const size_t length = frame.size() - kAddressLength - 1;
  const Attempt incomplete = policy_.retry_incomplete_record ? Attempt::kBad : Attempt::kFailed;
  size_t done = 0;
  FrameStatus status = ReceivePieces(frame.first(kAddressLength), 1, wait, done, [](size_t) {});
  if (status != FrameStatus::kOk) {
    if (status == FrameStatus::kTimeout) {
      Show(done == 0 ? policy_.head_timeout : policy_.head_short, 0);
    } else {
      Show(policy_.head_failed, transport_.last_error());
    }
    return incomplete;
  }
  status = ReceivePieces(
      frame.subspan(kAddressLength), policy_.piece, wait, done,
      [&](size_t body) { meter.Done(policy_.bar_counts_frame ? body : std::min(body, length)); });
  if (status != FrameStatus::kOk) {
    ShowMove(policy_.record_data, status, false);
    return incomplete;
  }
  return ReportFrame(screen_, *policy_.record_check,
                     CheckRecord(frame, address, policy_.compare_received_address))
             ? Attempt::kChecked
             : Attempt::kBad;
}

bool TransportExchange::ReceiveRecord(const Address& address, uint8_t* destination, size_t length,
                                      ConfirmSource confirm, Progress progress, Wait wait) {
  if (!ConfirmSourceFits(confirm, length) || length > kMaxRecord) return false;
  const size_t frame_length = RecordFrameLength(length, false);
  std::unique_ptr<uint8_t[]> buffer = Allocate(frame_length);
  if (!buffer) {
    Show(policy_.no_memory, ENOMEM);
    return false;
  }
  const std::span<uint8_t> frame(buffer.get(), frame_length);
  const std::span<const uint8_t> data = frame.subspan(kAddressLength, length);
  // A bar that follows the data alone lasts over every attempt; one that
  // follows the frame starts again with each.
  std::optional<TransferProgress> meter;
  if (!policy_.bar_counts_frame) meter.emplace(screen_, progress, length);
  for (int failures = 0;;) {
    if (policy_.bar_counts_frame) {
      meter.emplace(screen_, progress, length + 1);
    } else {
      meter->Rewind();
    }
    const Attempt attempt = ReceiveAttempt(frame, address, *meter, wait);
    if (attempt == Attempt::kFailed) return false;
    const bool checked = attempt == Attempt::kChecked;
    const Frame9 reply = ConfirmationFrame(address, checked ? RecordConfirmByte(confirm, data) : 0);
    if (const FrameStatus status = WriteWhole(reply, &wait); status != FrameStatus::kOk) {
      ShowMove(policy_.record_confirm_send, status, false);
      return false;
    }
    if (checked) {
      std::copy(data.begin(), data.end(), destination);
      return true;
    }
    if (++failures % policy_.receive_attempts != 0) continue;
    if (policy_.retry_question.text == nullptr ||
        screen_.AskYesNo(Icon::kQuestion, policy_.retry_question.caption,
                         policy_.retry_question.text) != Answer::kYes) {
      return false;
    }
  }
}

bool TransportExchange::SendRecord(const Address& address, const uint8_t* data, size_t length,
                                   uint8_t expected, Progress progress, Wait wait) {
  if (length > kMaxRecord) return false;
  std::vector<uint8_t> frame;
  try {
    frame = RecordFrame(address, std::nullopt, std::span<const uint8_t>(data, length));
  } catch (const std::bad_alloc&) {
    return false;
  }
  TransferProgress meter(screen_, progress, policy_.bar_counts_frame ? frame.size() : length);
  if (policy_.bar_counts_frame && progress.shown) meter.Show();
  const auto follow = [&](size_t done) {
    if (policy_.bar_counts_frame) {
      meter.Done(done);
    } else {
      meter.Done(std::min(done - std::min(done, kAddressLength), length));
    }
  };
  for (int send = 0; send < policy_.record_sends; ++send) {
    meter.Rewind();
    size_t done = 0;
    if (const FrameStatus status = SendPieces(frame, wait, done, follow);
        status != FrameStatus::kOk) {
      const MoveMessages& messages = done < kAddressLength            ? policy_.record_address_send
                                     : done < kAddressLength + length ? policy_.record_data_send
                                                                      : policy_.record_sum_send;
      ShowMove(messages, status, false);
      return false;
    }
    Frame9 reply{};
    size_t got = 0;
    if (!ReadReply(reply, wait, policy_.record_reply, got)) return false;
    const FrameStatus status = CheckRecordConfirmation(std::span(reply).first(got), address,
                                                       expected, policy_.record_confirm_rules);
    if (status == FrameStatus::kResend) continue;
    return ReportFrame(screen_, *policy_.record_reply_check, status);
  }
  return false;
}

bool TransportExchange::ReceiveBlock(uint8_t* destination, size_t length, Progress progress,
                                     ConfirmSource confirm, Wait wait) {
  if (!ConfirmSourceFits(confirm, length)) return false;
  std::unique_ptr<uint8_t[]> buffer = Allocate(length);
  if (!buffer) return false;
  const std::span<uint8_t> block(buffer.get(), length);
  TransferProgress meter(screen_, progress, length);
  size_t done = 0;
  FrameStatus status =
      ReceivePieces(block, policy_.piece, wait, done, [&](size_t d) { meter.Done(d); });
  if (status != FrameStatus::kOk) {
    ShowMove(policy_.block_data, status, false);
    return false;
  }
  const uint8_t reply = BlockConfirmByte(confirm, block);
  status = WriteWhole(std::span(&reply, 1), &wait);
  if (status != FrameStatus::kOk) {
    ShowMove(policy_.block_confirm_send, status, false);
    return false;
  }
  std::copy(block.begin(), block.end(), destination);
  return true;
}

bool TransportExchange::SendBlock(const uint8_t* data, size_t length, Progress progress,
                                  ConfirmSource expected, Wait wait) {
  if (!ConfirmSourceFits(expected, length)) return false;
  const std::span<const uint8_t> block(data, length);
  TransferProgress meter(screen_, progress, length);
  if (policy_.bar_counts_frame && progress.shown) meter.Show();
  size_t done = 0;
  if (const FrameStatus status = SendPieces(block, wait, done, [&](size_t d) { meter.Done(d); });
      status != FrameStatus::kOk) {
    ShowMove(policy_.block_send, status, false);
    return false;
  }
  uint8_t reply = 0;
  size_t got = 0;
  if (!ReadReply(std::span(&reply, 1), wait, policy_.block_reply, got)) return false;
  return ReportFrame(
      screen_, *policy_.block_check,
      CheckBlockConfirmation(std::span(&reply, got), BlockConfirmByte(expected, block)));
}

}  // namespace telvane
