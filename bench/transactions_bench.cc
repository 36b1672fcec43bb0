// A series of 1000 addressed records of 328 bytes received (code 0x60) and
// 1000 sent (code 0x62) through the transactions of the exchange table over
// the serial exchange, against an instrument played by the bench on a
// pseudo-terminal; every command frame and confirmation is on the wire.
//
// Twice: unpaced (each direction must carry at least 200 KB/s of record
// data) and paced at 115200 baud, the instrument's side writing and taking
// bytes no faster than the line (each direction must finish within 1.05
// times the line time of all its bytes, both ways). Prints the figures;
// exits 1 when one misses its mark.
//
//   build/bench/transactions_bench [--unpaced-only | --paced-only]
#include <sys/prctl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "link/port_setup.h"
#include "link/serial_exchange.h"
#include "link/serial_port.h"
#include "link/transactions.h"
#include "support/pty_peer.h"
#include "support/scripted_screen.h"

namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<uint8_t>;
using telvane::testing::PtyPeer;

constexpr size_t kRecords = 1000;
constexpr size_t kRecordSize = 328;
constexpr long kLineBaud = 115200;
constexpr uint8_t kReceiveCode = 0x60;
constexpr uint8_t kSendCode = 0x62;
const telvane::Address kAddress = {0x0B, 0x30, 0x30, 0x30, 0x30, 0x30, 0x31};

uint8_t Sum(const Bytes& bytes) {
  unsigned sum = 0;
  for (const uint8_t b : bytes) sum += b;
  return static_cast<uint8_t>(sum);
}

Bytes Framed(Bytes bytes) {
  bytes.push_back(Sum(bytes));
  return bytes;
}

Bytes AddressPlus(uint8_t byte) {
  Bytes frame(kAddress.begin(), kAddress.end());
  frame.push_back(byte);
  return Framed(frame);
}

uint8_t DataByte(size_t record, size_t i) { return static_cast<uint8_t>(record * 31 + i * 7); }

// The instrument's side of the line: with a pace, bytes it writes go out no
// faster than the line carries them, and a frame it reads is taken only once
// the line could have carried it.
class Line {
 public:
  Line(PtyPeer& peer, long baud) : peer_(peer), baud_(baud) {}

  void Out(const Bytes& bytes) {
    bytes_ += bytes.size();
    if (baud_ == 0) {
      peer_.Write(bytes);
      return;
    }
    // Eight bytes at a time, each piece when the line has carried the one
    // before; the line starts when it is free and the frame is ready.
    clock_ = std::max(clock_, Clock::now());
    for (size_t done = 0; done < bytes.size(); done += 8) {
      const size_t n = std::min<size_t>(8, bytes.size() - done);
      std::this_thread::sleep_until(clock_);
      peer_.Write(Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(done),
                        bytes.begin() + static_cast<std::ptrdiff_t>(done + n)));
      clock_ += Duration(n);
    }
  }

  Bytes In(size_t count) {
    Bytes bytes = peer_.Read(1, 6000);
    if (bytes.empty()) return bytes;
    // The frame's first byte went on the line when it came.
    const auto first = Clock::now();
    if (baud_ == 0) {
      // The program writes a byte at a time: let them gather between reads
      // rather than waking for each one.
      const auto deadline = first + std::chrono::seconds(6);
      while (bytes.size() < count && Clock::now() < deadline) {
        const Bytes more = peer_.Read(count - bytes.size(), 0);
        bytes.insert(bytes.end(), more.begin(), more.end());
        if (bytes.size() < count) std::this_thread::sleep_for(std::chrono::microseconds(200));
      }
    } else {
      const Bytes more = peer_.Read(count - 1, 6000);
      bytes.insert(bytes.end(), more.begin(), more.end());
      clock_ = std::max(clock_, first) + Duration(bytes.size());
      std::this_thread::sleep_until(clock_);
    }
    bytes_ += bytes.size();
    return bytes;
  }

  size_t bytes() const { return bytes_; }

 private:
  // The line time of `n` bytes (start bit, 8 data bits, stop bit).
  std::chrono::nanoseconds Duration(size_t n) const {
    return std::chrono::nanoseconds(static_cast<long long>(n) * 10 * 1000000000LL / baud_);
  }

  PtyPeer& peer_;
  long baud_;
  Clock::time_point clock_{};
  size_t bytes_ = 0;
};

struct Result {
  bool ok = false;
  double seconds = 0;
  size_t wire_bytes = 0;
};

// Plays code 0x60: the confirmation, then each record and its confirmation.
bool ServeReceive(Line& line) {
  if (line.In(9) != AddressPlus(kReceiveCode)) return false;
  line.Out(AddressPlus(static_cast<uint8_t>(~kReceiveCode)));
  for (size_t r = 0; r < kRecords; ++r) {
    Bytes frame(kAddress.begin(), kAddress.end());
    for (size_t i = 0; i < kRecordSize; ++i) frame.push_back(DataByte(r, i));
    line.Out(Framed(frame));
    if (line.In(9) != AddressPlus(static_cast<uint8_t>(~r))) return false;
  }
  return true;
}

// Plays code 0x62: the confirmation, then takes each record and confirms it.
bool ServeSend(Line& line) {
  if (line.In(9) != AddressPlus(kSendCode)) return false;
  line.Out(AddressPlus(static_cast<uint8_t>(~kSendCode)));
  for (size_t r = 0; r < kRecords; ++r) {
    const Bytes frame = line.In(7 + kRecordSize + 1);
    if (frame.size() != 7 + kRecordSize + 1 ||
        Sum(Bytes(frame.begin(), frame.end() - 1)) != frame.back()) {
      return false;
    }
    line.Out(AddressPlus(static_cast<uint8_t>(~r)));
  }
  return true;
}

Result Run(long pace, bool receive) {
  Result result;
  PtyPeer peer;
  telvane::SerialPort port;
  if (!peer.ok() || !port.OpenDevice(peer.device()) ||
      !port.Apply(*telvane::ParseModeString(telvane::kSessionMode))) {
    std::fprintf(stderr, "bench: no pseudo-terminal\n");
    return result;
  }
  telvane::testing::ScriptedScreen screen;
  telvane::InstrumentInfo info;
  telvane::SerialExchange exchange(port, screen, info);
  telvane::Transactions transactions(exchange, screen);
  Line line(peer, pace);
  bool served = false;
  peer.Run([&](PtyPeer&) {
    // Wake-ups as close to the line's times as the system allows.
    prctl(PR_SET_TIMERSLACK, 1UL);
    served = receive ? ServeReceive(line) : ServeSend(line);
  });

  Bytes records(kRecords * kRecordSize);
  if (!receive) {
    for (size_t r = 0; r < kRecords; ++r) {
      for (size_t i = 0; i < kRecordSize; ++i) records[r * kRecordSize + i] = DataByte(r, i);
    }
  }
  const auto start = Clock::now();
  const bool ok = receive ? transactions.ReceiveSeries(kAddress, kReceiveCode, records, kRecords)
                          : transactions.SendSeries(kAddress, kSendCode, records, kRecords);
  result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  peer.Join();
  result.wire_bytes = line.bytes();
  result.ok = ok && served;
  for (size_t r = 0; result.ok && receive && r < kRecords; ++r) {
    for (size_t i = 0; i < kRecordSize; ++i) {
      if (records[r * kRecordSize + i] != DataByte(r, i)) {
        std::fprintf(stderr, "bench: record %zu byte %zu differs\n", r, i);
        result.ok = false;
        break;
      }
    }
  }
  if (!result.ok) {
    for (const std::string& line_text : screen.MessageLines()) {
      std::fprintf(stderr, "bench: %s\n", line_text.c_str());
    }
  }
  return result;
}

const char* Direction(bool receive) { return receive ? "receive 0x60" : "send 0x62"; }

bool Unpaced(bool receive) {
  const Result r = Run(0, receive);
  if (!r.ok) {
    std::printf("unpaced %s: transfer failed\n", Direction(receive));
    return false;
  }
  const double rate = static_cast<double>(kRecords * kRecordSize) / r.seconds;
  const bool pass = rate >= 200000.0;
  std::printf("unpaced %s: %.0f KB/s of records (%.3f s; needs >= 200 KB/s) %s\n",
              Direction(receive), rate / 1000.0, r.seconds, pass ? "PASS" : "FAIL");
  return pass;
}

bool Paced(bool receive) {
  const Result r = Run(kLineBaud, receive);
  if (!r.ok) {
    std::printf("paced %s: transfer failed\n", Direction(receive));
    return false;
  }
  const double line_time = static_cast<double>(r.wire_bytes) * 10.0 / kLineBaud;
  const double ratio = r.seconds / line_time;
  const bool pass = ratio <= 1.05;
  std::printf(
      "paced %s at %ld baud: %.2f s for %zu bytes on the wire, line time %.2f s, ratio %.4f "
      "(needs <= 1.05) %s\n",
      Direction(receive), kLineBaud, r.seconds, r.wire_bytes, line_time, ratio,
      pass ? "PASS" : "FAIL");
  return pass;
}

}  // namespace

int main(int argc, char** argv) {
  const bool unpaced_only = argc > 1 && std::strcmp(argv[1], "--unpaced-only") == 0;
  const bool paced_only = argc > 1 && std::strcmp(argv[1], "--paced-only") == 0;
  bool ok = true;
  for (const bool receive : {true, false}) {
    if (!paced_only) ok = Unpaced(receive) && ok;
    if (!unpaced_only) ok = Paced(receive) && ok;
  }
  return ok ? 0 : 1;
}
