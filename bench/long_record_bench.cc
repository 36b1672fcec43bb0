// One long record of 1 MiB sent by SendLongRecord over the serial port to an
// instrument played by the bench on a pseudo-terminal, paced at 115200 baud:
// once as a database file (50-byte chunks, no pauses), once as a "*.ldr"
// update (the address, then 1024-byte chunks, 10 ms after each). The
// instrument takes the whole frame, checks its sum and answers with the
// 9-byte confirmation carrying 0xFE.
//
// A pseudo-terminal carries bytes as fast as they are written and buffers
// tens of kilobytes, so the program's end of the line is paced as a UART with
// a 16-byte transmit FIFO: a byte is handed to the port once the line has room
// for it. The instrument's end writes its confirmation no faster than the
// line. The marks:
//   database: within 1.05 times the line time of all bytes, both ways;
//   "*.ldr":  the line time plus 10 ms per chunk, within 5 % either way.
// Prints the figures; exits 1 when one misses its mark.
//
//   build/bench/long_record_bench [--database-only | --loader-only]
#include <sched.h>
#include <sys/prctl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <thread>
#include <vector>

#include "link/long_record.h"
#include "link/port_setup.h"
#include "link/serial_channel.h"
#include "link/serial_port.h"
#include "support/pty_peer.h"
#include "support/scripted_screen.h"

namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<uint8_t>;
using telvane::testing::PtyPeer;

constexpr size_t kDataSize = 1 << 20;
constexpr long kLineBaud = 115200;
constexpr size_t kFifo = 16;
constexpr size_t kConfirmLength = 9;
constexpr uint8_t kAccepted = 0xFE;
const telvane::Address kAddress = {0x12, 0x30, 0x30, 0x30, 0x30, 0x30, 0x31};

// The line time of `n` bytes (start bit, 8 data bits, stop bit).
std::chrono::nanoseconds LineTime(size_t n) {
  return std::chrono::nanoseconds(static_cast<long long>(n) * 10 * 1000000000LL / kLineBaud);
}

uint8_t Sum(const uint8_t* bytes, size_t n) {
  unsigned sum = 0;
  for (size_t i = 0; i < n; ++i) sum += bytes[i];
  return static_cast<uint8_t>(sum);
}

// The program's end of the line: the serial port, with each byte written
// only when the transmitter's FIFO has room; line_end() is when the line
// finishes the last byte handed over.
class UartChannel : public telvane::ByteChannel {
 public:
  explicit UartChannel(telvane::SerialChannel& port) : port_(port) {}

  bool SetQueues(size_t input, size_t output) override { return port_.SetQueues(input, output); }
  bool Purge() override { return port_.Purge(); }
  bool SetEventMask() override { return port_.SetEventMask(); }
  bool SetReadTimeout(int milliseconds) override { return port_.SetReadTimeout(milliseconds); }
  int read_timeout() const override { return port_.read_timeout(); }
  Read ReadByte(uint8_t& byte) override { return port_.ReadByte(byte); }

  bool WriteByte(uint8_t byte) override {
    // The FIFO holds the bytes the line has not finished. A full FIFO waits
    // until half of it left, as a transmitter's interrupt comes at a trigger
    // level: a wake-up per byte would come late often enough to let the line
    // go idle, which a real FIFO does not.
    if (leaving_.size() >= kFifo) std::this_thread::sleep_until(leaving_[kFifo / 2 - 1]);
    while (!leaving_.empty() && leaving_.front() <= Clock::now()) leaving_.pop_front();
    last_ = std::max(last_, Clock::now()) + LineTime(1);
    leaving_.push_back(last_);
    line_end_.store(last_.time_since_epoch().count(), std::memory_order_release);
    return port_.WriteByte(byte);
  }

  // Read by the instrument's thread.
  Clock::time_point line_end() const {
    return Clock::time_point(Clock::duration(line_end_.load(std::memory_order_acquire)));
  }

 private:
  telvane::SerialChannel& port_;
  std::deque<Clock::time_point> leaving_;
  Clock::time_point last_{};
  std::atomic<Clock::rep> line_end_{0};
};

struct Result {
  bool ok = false;
  double seconds = 0;
  size_t wire_bytes = 0;
  size_t chunks = 0;
};

// The instrument: takes address + data + sum, checks it, and once the line
// has carried the frame answers with the confirmation at the line's pace.
bool Serve(PtyPeer& peer, const UartChannel& uart, size_t frame_length) {
  // What arrived, taken every 20 ms: the pseudo-terminal holds far more than
  // the line carries meanwhile, and a wake-up per byte would take the time
  // the program's side needs on a busy machine.
  Bytes frame;
  auto quiet_since = Clock::now();
  while (frame.size() < frame_length && Clock::now() - quiet_since < std::chrono::seconds(35)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const Bytes more = peer.Read(frame_length - frame.size(), 0);
    if (!more.empty()) quiet_since = Clock::now();
    frame.insert(frame.end(), more.begin(), more.end());
  }
  if (frame.size() != frame_length) {
    std::fprintf(stderr, "bench: the instrument took %zu of %zu bytes\n", frame.size(),
                 frame_length);
    return false;
  }
  if (!std::equal(kAddress.begin(), kAddress.end(), frame.begin()) ||
      Sum(frame.data(), frame_length - 1) != frame.back()) {
    std::fprintf(stderr, "bench: the frame's address or sum is wrong\n");
    return false;
  }
  std::this_thread::sleep_until(uart.line_end());
  Bytes confirm(kAddress.begin(), kAddress.end());
  confirm.push_back(kAccepted);
  confirm.push_back(Sum(confirm.data(), confirm.size()));
  auto at = Clock::now();
  for (const uint8_t byte : confirm) {
    at += LineTime(1);
    std::this_thread::sleep_until(at);
    peer.Write({byte});
  }
  return true;
}

// Real-time scheduling for the calling thread where the system allows it, so
// that a busy machine does not make the line idle between the bench's wake-ups;
// false (and the figures taken as they come) where it does not.
bool Prompt() {
  prctl(PR_SET_TIMERSLACK, 1UL);
  sched_param param{};
  param.sched_priority = 10;
  return sched_setscheduler(0, SCHED_FIFO, &param) == 0;
}

Result Run(const telvane::LongRecordChunks& chunks) {
  Result result;
  PtyPeer peer;
  telvane::SerialPort port;
  if (!peer.ok() || !port.OpenDevice(peer.device()) ||
      !port.Apply(*telvane::ParseModeString(telvane::kSessionMode))) {
    std::fprintf(stderr, "bench: no pseudo-terminal\n");
    return result;
  }
  telvane::SerialChannel serial(port);
  UartChannel uart(serial);
  telvane::testing::ScriptedScreen screen;
  Bytes data(kDataSize);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 7 + i / 251);
  const size_t frame_length = kAddress.size() + data.size() + 1;
  bool served = false;
  peer.Run([&](PtyPeer& p) {
    Prompt();
    served = Serve(p, uart, frame_length);
  });
  if (!Prompt()) std::printf("(no real-time scheduling: figures depend on the machine's load)\n");
  const auto start = Clock::now();
  const bool sent = telvane::SendLongRecord(uart, screen, kAddress, data, chunks);
  result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  peer.Join();
  result.ok = sent && served;
  result.wire_bytes = frame_length + kConfirmLength;
  result.chunks =
      1 + (frame_length - std::min(frame_length, chunks.first) + chunks.next - 1) / chunks.next;
  // The bar after every chunk, the last at 100.
  const auto& bar = screen.progress_positions();
  if (bar.size() != result.chunks || bar.empty() || bar.back() != 100) {
    std::fprintf(stderr, "bench: %zu progress positions for %zu chunks\n", bar.size(),
                 result.chunks);
    result.ok = false;
  }
  for (const std::string& line : screen.MessageLines()) {
    std::fprintf(stderr, "bench: %s\n", line.c_str());
  }
  return result;
}

double Seconds(std::chrono::nanoseconds time) {
  return std::chrono::duration<double>(time).count();
}

bool Database() {
  const Result r = Run(telvane::kFileChunks);
  if (!r.ok) {
    std::printf("database: transfer failed\n");
    return false;
  }
  const double line = Seconds(LineTime(r.wire_bytes));
  const double ratio = r.seconds / line;
  const bool pass = ratio <= 1.05;
  std::printf(
      "database, 50-byte chunks, %ld baud: %.2f s for %zu bytes on the wire, line time %.2f s, "
      "ratio %.4f (needs <= 1.05) %s\n",
      kLineBaud, r.seconds, r.wire_bytes, line, ratio, pass ? "PASS" : "FAIL");
  return pass;
}

bool Loader() {
  const Result r = Run(telvane::kLoaderChunks);
  if (!r.ok) {
    std::printf("*.ldr: transfer failed\n");
    return false;
  }
  const double expected = Seconds(LineTime(r.wire_bytes)) + static_cast<double>(r.chunks) * 0.010;
  const double ratio = r.seconds / expected;
  const bool pass = std::fabs(ratio - 1.0) <= 0.05;
  std::printf(
      "*.ldr, 7 then 1024-byte chunks, 10 ms pauses, %ld baud: %.2f s for %zu bytes in %zu "
      "chunks, line time + pauses %.2f s, ratio %.4f (needs 0.95 .. 1.05) %s\n",
      kLineBaud, r.seconds, r.wire_bytes, r.chunks, expected, ratio, pass ? "PASS" : "FAIL");
  return pass;
}

}  // namespace

int main(int argc, char** argv) {
  const bool database_only = argc > 1 && std::strcmp(argv[1], "--database-only") == 0;
  const bool loader_only = argc > 1 && std::strcmp(argv[1], "--loader-only") == 0;
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  bool ok = true;
  if (!loader_only) ok = Database() && ok;
  if (!database_only) ok = Loader() && ok;
  return ok ? 0 : 1;
}
