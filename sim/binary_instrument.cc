#include <algorithm>
#include <array>
#include <cstdio>

#include "instruments.h"
#include "registry.h"
#include "session.h"

namespace sim {
namespace {

// A frame's bytes follow each other at once; a lone byte that waits longer
// than this for the next one was a probe, not a frame.
constexpr int kInterByteMs = 1000;
constexpr uint8_t kEndOfSession = 0xFF;

enum class State { kIdle, kIdentified, kSession };

// Reads the rest of a frame whose first byte is already in frame[0]; traces
// the whole frame.
bool ReadFrame(Session& s, uint8_t* frame, size_t total) {
  size_t got = 1;
  while (got < total && s.ReadByte(frame[got], kInterByteMs)) ++got;
  s.channel().Trace("<-", std::span<const uint8_t>(frame, got));
  return got == total;
}

void SendIdentification(Session& s) {
  const Config& c = s.config();
  std::array<uint8_t, 9> frame{static_cast<uint8_t>(c.kind)};
  std::copy(c.serial.begin(), c.serial.end(), frame.begin() + 1);
  frame[7] = c.baud_code;
  frame[8] = Sum(std::span<const uint8_t>(frame.data(), 8));
  if (c.faults.bad_id_sum) frame[8] = static_cast<uint8_t>(frame[8] + 1);
  s.Write(frame);
}

// True when the synchronisation was answered (the session begins).
bool AnswerSync(Session& s, const std::array<uint8_t, 8>& frame) {
  const Address own = s.address();
  if (!std::equal(own.begin(), own.end(), frame.begin()) ||
      frame[7] != Sum(std::span<const uint8_t>(frame.data(), 7))) {
    std::fprintf(stderr, "sim: synchronisation frame not for this instrument\n");
    return false;
  }
  const SyncFault fault = s.config().faults.sync;
  if (fault == SyncFault::kSilent) return false;
  std::array<uint8_t, 14> reply{};
  std::copy(own.begin(), own.end(), reply.begin());
  for (int i = 0; i < 6; ++i) reply[7 + i] = static_cast<uint8_t>(~own[1 + i]);
  if (fault == SyncFault::kKind) reply[0] = static_cast<uint8_t>(reply[0] + 1);
  if (fault == SyncFault::kSerial) reply[1] = static_cast<uint8_t>(reply[1] ^ 0x01);
  if (fault == SyncFault::kInvert) reply[7] = static_cast<uint8_t>(reply[7] ^ 0x10);
  reply[13] = Sum(std::span<const uint8_t>(reply.data(), 13));
  if (fault == SyncFault::kSum) reply[13] = static_cast<uint8_t>(reply[13] + 1);
  s.Write(reply);
  return true;
}

// A command frame that began with `first`; returns the state after it.
State ServeCommand(Session& s, uint8_t first) {
  std::array<uint8_t, 9> frame{first};
  if (!ReadFrame(s, frame.data(), frame.size())) return State::kIdle;
  const Address own = s.address();
  if (!std::equal(own.begin(), own.end(), frame.begin()) ||
      frame[8] != Sum(std::span<const uint8_t>(frame.data(), 8))) {
    std::fprintf(stderr, "sim: command frame refused (address or sum)\n");
    return State::kSession;
  }
  const uint8_t code = frame[7];
  if (code == kEndOfSession) {
    s.SendConfirmation(static_cast<uint8_t>(~code));
    return State::kIdle;
  }
  const CommandHandler* handler = FindCommand(s.config().kind, code);
  if (handler == nullptr) {
    std::fprintf(stderr, "sim: command 0x%02X not known to kind %d\n", code, s.config().kind);
    return State::kSession;
  }
  if (code == s.config().faults.unconfirmed_code) {
    std::fprintf(stderr, "sim: command 0x%02X left unconfirmed (fault)\n", code);
    return State::kSession;
  }
  s.SendConfirmation(static_cast<uint8_t>(~code));
  (*handler)(s);
  return State::kSession;
}

}  // namespace

void ServeBinary(Channel& channel, const Config& config) {
  Session s(channel, config);
  const uint8_t kind = static_cast<uint8_t>(config.kind);
  State state = State::kIdle;
  while (!g_stop) {
    uint8_t b = 0;
    const Got got = channel.ReadByte(b, -1);
    if (got == Got::kClosed) return;
    if (got != Got::kByte) continue;
    if (config.faults.echo) {
      channel.Write(std::span<const uint8_t>(&b, 1));
      continue;
    }
    if (config.faults.silent) continue;
    switch (state) {
      case State::kIdle:
        channel.Trace("<-", std::span<const uint8_t>(&b, 1));
        if (b == kind) {
          SendIdentification(s);
          state = State::kIdentified;
        }
        break;
      case State::kIdentified: {
        if (b != kind) {
          channel.Trace("<-", std::span<const uint8_t>(&b, 1));
          state = State::kIdle;
          break;
        }
        std::array<uint8_t, 8> frame{b};
        if (!ReadFrame(s, frame.data(), frame.size())) {
          state = State::kIdle;
          break;
        }
        state = AnswerSync(s, frame) ? State::kSession : State::kIdle;
        break;
      }
      case State::kSession:
        state = b == kind ? ServeCommand(s, b) : State::kIdle;
        break;
    }
  }
}

}  // namespace sim
