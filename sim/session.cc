#include "session.h"

#include <algorithm>
#include <cstdio>

namespace sim {

uint8_t Sum(std::span<const uint8_t> bytes) {
  unsigned sum = 0;
  for (uint8_t b : bytes) sum += b;
  return static_cast<uint8_t>(sum);
}

Session::Session(Channel& channel, const Config& config) : channel_(channel), config_(config) {}

Address Session::address() const {
  Address a{static_cast<uint8_t>(config_.kind)};
  std::copy(config_.serial.begin(), config_.serial.end(), a.begin() + 1);
  return a;
}

Address Session::reply_address(bool record) const {
  Address a = address();
  if (config_.faults.foreign_serial || (record && config_.faults.foreign_serial_records)) {
    a[6] = static_cast<uint8_t>(a[6] ^ 0x5A);
  }
  return a;
}

bool Session::ReadByte(uint8_t& byte, int timeout_ms) {
  return channel_.ReadByte(byte, timeout_ms) == Got::kByte;
}

bool Session::ReadBytes(uint8_t* out, size_t length, int timeout_ms) {
  size_t got = 0;
  while (got < length && ReadByte(out[got], timeout_ms)) ++got;
  channel_.Trace("<-", std::span<const uint8_t>(out, got));
  return got == length;
}

void Session::Write(std::span<const uint8_t> bytes) {
  channel_.Trace("->", bytes);
  channel_.Write(bytes);
}

void Session::SendConfirmation(uint8_t byte) {
  const Address a = reply_address(false);
  std::array<uint8_t, 9> frame{};
  std::copy(a.begin(), a.end(), frame.begin());
  frame[7] = byte;
  frame[8] = Sum(std::span<const uint8_t>(frame.data(), 8));
  Write(frame);
}

std::optional<uint8_t> Session::SendRecord(std::span<const uint8_t> data,
                                           std::optional<uint8_t> number, int max_sends) {
  const Address a = reply_address(true);
  std::vector<uint8_t> frame(a.begin(), a.end());
  if (number) {
    uint8_t n = *number;
    if (config_.faults.bad_slot) n = 0xFE;
    frame.push_back(n);
  }
  frame.insert(frame.end(), data.begin(), data.end());
  const uint8_t sum = Sum(frame);
  frame.push_back(sum);
  const long index = records_sent_++;
  for (int send = 0; send < max_sends; ++send) {
    const bool spoil =
        index == config_.faults.bad_sum_record && send < config_.faults.bad_sum_times;
    frame.back() = spoil ? static_cast<uint8_t>(sum + 1) : sum;
    Write(frame);
    std::array<uint8_t, 9>& reply = last_reply_;
    reply = {};
    if (!ReadBytes(reply.data(), reply.size())) return std::nullopt;
    if (reply[8] != Sum(std::span<const uint8_t>(reply.data(), 8))) {
      std::fprintf(stderr, "sim: record confirmation with a wrong sum\n");
      // The program's purge before its next command can take the sum byte
      // of its confirmation away: the byte read in its place then begins
      // that command, which goes back to the command loop.
      if (reply[8] == address()[0]) channel_.Unread(std::span<const uint8_t>(&reply[8], 1));
    }
    if (reply[7] != 0) return reply[7];
  }
  return 0;
}

bool Session::last_reply_sum_ok() const {
  return last_reply_[8] == Sum(std::span<const uint8_t>(last_reply_.data(), 8));
}

bool Session::GiveBackCommand() {
  const Address own = address();
  const std::array<uint8_t, 9>& reply = last_reply_;
  // The reply may begin with what was left of a confirmation whose other
  // bytes the program's purge took away: the command starts where the
  // instrument's address does.
  for (size_t start = 0; start < reply.size(); ++start) {
    const size_t rest = reply.size() - start;
    const size_t compared = std::min(rest, own.size());
    if (!std::equal(own.begin(), own.begin() + static_cast<long>(compared),
                    reply.begin() + static_cast<long>(start))) {
      continue;
    }
    if (start == 0 && reply[8] != Sum(std::span<const uint8_t>(reply.data(), 8))) continue;
    channel_.Unread(std::span<const uint8_t>(reply.data() + start, rest));
    last_reply_ = {};
    return true;
  }
  return false;
}

std::optional<std::vector<uint8_t>> Session::ReceiveRecord(
    size_t length, const std::function<uint8_t(const std::vector<uint8_t>&)>& confirm,
    int max_attempts) {
  const Address own = address();
  for (int attempt = 0; attempt < max_attempts; ++attempt) {
    std::vector<uint8_t> frame(length + 8);
    if (!ReadBytes(frame.data(), frame.size())) return std::nullopt;
    const bool sum_ok = Sum(std::span<const uint8_t>(frame.data(), length + 7)) == frame.back();
    const bool address_ok = std::equal(own.begin(), own.end(), frame.begin());
    std::vector<uint8_t> data(frame.begin() + 7, frame.end() - 1);
    if (sum_ok && address_ok) {
      SendConfirmation(confirm(data));
      return data;
    }
    SendConfirmation(0);
  }
  return std::nullopt;
}

std::optional<std::vector<uint8_t>> Session::ReceiveSeriesRecord(size_t length,
                                                                 std::optional<uint8_t> number,
                                                                 int first_byte_ms) {
  const Address own = address();
  constexpr int kAttempts = 10;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    // address, number, data, sum
    std::vector<uint8_t> frame(length + 9);
    if (!ReadByte(frame[0], first_byte_ms)) return std::nullopt;
    size_t got = 1;
    while (got < 8 && ReadByte(frame[got], kInFrameWaitMs)) ++got;
    const bool header_ok = got == 8 && std::equal(own.begin(), own.end(), frame.begin()) &&
                           (!number || frame[7] == *number);
    if (header_ok) {
      while (got < frame.size() && ReadByte(frame[got], kInFrameWaitMs)) ++got;
    } else if (got == 8 && ReadByte(frame[8], kInFrameWaitMs)) {
      got = 9;  // the rest of a command frame
    }
    channel_.Trace("<-", std::span<const uint8_t>(frame.data(), got));
    if (got != frame.size()) {
      std::fprintf(stderr, "sim: no record where one was awaited\n");
      channel_.Unread(std::span<const uint8_t>(frame.data(), got));
      return std::nullopt;
    }
    if (Sum(std::span<const uint8_t>(frame.data(), frame.size() - 1)) == frame.back()) {
      SendConfirmation(static_cast<uint8_t>(~frame[7]));
      return std::vector<uint8_t>(frame.begin() + 7, frame.end() - 1);
    }
    SendConfirmation(0);
  }
  return std::nullopt;
}

std::optional<uint8_t> Session::SendBlock(std::span<const uint8_t> data) {
  Write(data);
  uint8_t answer = 0;
  if (!ReadBytes(&answer, 1)) return std::nullopt;
  return answer;
}

std::optional<std::vector<uint8_t>> Session::ReceiveBlock(size_t length, uint8_t confirm) {
  std::vector<uint8_t> data(length);
  if (!ReadBytes(data.data(), length)) return std::nullopt;
  const uint8_t answer[1] = {confirm};
  Write(answer);
  return data;
}

}  // namespace sim
