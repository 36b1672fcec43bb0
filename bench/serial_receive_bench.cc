// Receives the data-flash reader's 1 MiB record through the serial
// ReceiveRecord from telvane-sim over a pseudo-terminal, twice: unpaced (the
// program's side must move at least 100 KB/s, nine times a 115200-baud line)
// and paced at 115200 baud (it must finish within 1.05 times the line time of
// the bytes moved). Prints both figures and the CPU time per MiB; exits 1 when
// a figure misses its mark.
//
//   build/bench/serial_receive_bench [--unpaced-only | --paced-only]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "link/link.h"
#include "link/port_setup.h"
#include "link/search.h"
#include "support/scripted_screen.h"
#include "support/sim_process.h"

namespace {

using telvane::testing::ScriptedScreen;
using telvane::testing::SimPortDir;
using telvane::testing::SimProcess;

constexpr size_t kRecord = 1048576;
constexpr uint8_t kFlashReader = 15;
constexpr long kLineBaud = 115200;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

struct Result {
  bool ok = false;
  double seconds = 0;
  double cpu_seconds = 0;
  size_t bytes_in = 0;  // bytes the instrument sent during the transaction
};

// Identifies and synchronises the simulator on COM1 by hand (kind 15 is never
// probed by the search), opens the session port and runs command 1 and the
// record.
Result ReceiveFlashImage(ScriptedScreen& screen) {
  Result result;
  telvane::Link link(screen);
  {
    telvane::SerialPort port;
    if (!telvane::OpenPort(port, "COM1", *telvane::ParseModeString(telvane::kSearchMode), 1000, 256,
                           256)) {
      std::fprintf(stderr, "bench: COM1 does not open\n");
      return result;
    }
    uint8_t ident[9];
    port.WriteByte(kFlashReader);
    for (uint8_t& b : ident) {
      if (port.ReadByte(b) != telvane::ReadResult::kByte) {
        std::fprintf(stderr, "bench: no identification\n");
        return result;
      }
    }
    link.info().kind = kFlashReader;
    link.info().SetSerial(ident + 1);
    link.set_irda_br(ident[7]);
    if (!telvane::Synchronize(port, link.info(), screen)) return result;
  }
  if (telvane::OpenSelectedPort(link) != 0) return result;

  std::vector<uint8_t> image(kRecord);
  const double cpu_start = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  const telvane::Address address = link.address();
  result.ok =
      link.SendCommand(address, 1, telvane::Wait{11, 0}) &&
      link.ReceiveRecord(address, image.data(), image.size(), telvane::ConfirmSource::Value(254),
                         telvane::Progress{true, 0, 1}, telvane::Wait{5, 0});
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  result.cpu_seconds = CpuSeconds() - cpu_start;
  result.bytes_in = 9 + 7 + kRecord + 1;
  for (size_t i = 0; result.ok && i < image.size(); ++i) {
    if (image[i] != static_cast<uint8_t>(i * 7 + (i >> 11))) {
      std::fprintf(stderr, "bench: byte %zu differs\n", i);
      result.ok = false;
    }
  }
  link.Disconnect();
  return result;
}

bool RunUnpaced() {
  SimPortDir ports;
  SimProcess sim(ports.path(), 1, {"--kind", "15", "--serial", "DF0001"});
  ScriptedScreen screen;
  const Result r = ReceiveFlashImage(screen);
  if (!r.ok) {
    std::printf("unpaced: transfer failed\n");
    return false;
  }
  const double rate = static_cast<double>(kRecord) / r.seconds;
  const bool pass = rate >= 100000.0;
  std::printf("unpaced: %.0f KB/s (%.3f s for 1 MiB; needs >= 100 KB/s) %s\n", rate / 1000.0,
              r.seconds, pass ? "PASS" : "FAIL");
  std::printf("unpaced: CPU %.3f s per MiB\n", r.cpu_seconds);
  return pass;
}

bool RunPaced() {
  SimPortDir ports;
  SimProcess sim(ports.path(), 1,
                 {"--kind", "15", "--serial", "DF0001", "--pace", std::to_string(kLineBaud)});
  ScriptedScreen screen;
  const Result r = ReceiveFlashImage(screen);
  if (!r.ok) {
    std::printf("paced: transfer failed\n");
    return false;
  }
  const double line_time = static_cast<double>(r.bytes_in) * 10.0 / kLineBaud;
  const double ratio = r.seconds / line_time;
  const bool pass = ratio <= 1.05;
  std::printf(
      "paced at %ld baud: %.2f s for %zu bytes, line time %.2f s, ratio %.4f "
      "(needs <= 1.05) %s\n",
      kLineBaud, r.seconds, r.bytes_in, line_time, ratio, pass ? "PASS" : "FAIL");
  std::printf("paced: CPU %.3f s per MiB\n", r.cpu_seconds);
  return pass;
}

}  // namespace

int main(int argc, char** argv) {
  const bool unpaced_only = argc > 1 && std::strcmp(argv[1], "--unpaced-only") == 0;
  const bool paced_only = argc > 1 && std::strcmp(argv[1], "--paced-only") == 0;
  bool ok = true;
  if (!paced_only) ok = RunUnpaced() && ok;
  if (!unpaced_only) ok = RunPaced() && ok;
  return ok ? 0 : 1;
}
