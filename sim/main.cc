// telvane-sim: a simulated instrument on a pseudo-terminal, the peer of the
// end-to-end tests and the demo instrument.
//
//   telvane-sim --kind K --serial NNNNNN --port-dir DIR --com N [options]
//   telvane-sim --kind K --serial NNNNNN --irda-dir DIR --name NAME [options]
//
// creates the pseudo-terminal, places the link DIR/COMN to it, serves until
// SIGTERM or SIGINT, and removes the link.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "channel.h"
#include "config.h"
#include "instruments.h"
#include "irda_transport.h"

namespace sim {
namespace {

constexpr char kUsage[] =
    "usage: telvane-sim --kind K --serial NNNNNN --port-dir DIR --com N [options]\n"
    "       telvane-sim --kind K --serial NNNNNN --irda-dir DIR --name NAME [options]\n"
    "  --kind K           instrument kind 1..20, or 255 for the text-protocol instrument\n"
    "  --serial NNNNNN    the 6 serial-number characters\n"
    "  --port-dir DIR     folder that gets the link COMN to the pseudo-terminal\n"
    "  --irda-dir DIR     serve as the IrDA device NAME: a Unix socket DIR/NAME\n"
    "  --name NAME        the IrDA device name\n"
    "  --com N            port number 1..254\n"
    "  --baud-code B      IrDA_BR byte announced (default 13: 115200 baud by cable)\n"
    "  --pace BAUD        send at this line rate (default: as fast as possible)\n"
    "  --cables N         cables in the generated database (default 3)\n"
    "  --max-cables N     maximum number of cables of the full family (default 50)\n"
    "  --reflectograms N  reflectograms in the generated database (default 2)\n"
    "  --text-records N   records of the text reply (default 12)\n"
    "  --text-size N      pad the text reply to N bytes in all\n"
    "  --firmware V       firmware version of kinds 11, 12 and 16, instrument\n"
    "                     version of kind 17 (default 8.0)\n"
    "  --xdsl-logs N      xDSL logs held by kinds 11, 12 and 16 (default 3)\n"
    "  --sheet-version V  sheet version of kinds 13 and 14 (default 301)\n"
    "  --wear-count N     measurements of the armour-wear meter (default 300)\n"
    "  --fs DIR           kinds 17, 18: the folder served as the instrument's file system\n"
    "                     (default: a generated one with /mnt/ext2/ content)\n"
    "  --tester-info N    kind 19: the information value (default 134: 3 files, 135 and up:\n"
    "                     39); kind 20: the number of result files (default 6)\n"
    "  --trace            log every frame to stderr in hex\n"
    "  --fault F          (repeatable) one of:\n"
    "      bad-sum:I[:N]        record I (0-based, since synchronisation) with a wrong sum,\n"
    "                           on its first N sends (default 1)\n"
    "      foreign-serial       every frame after synchronisation has another serial number\n"
    "      foreign-serial-records  only the records do\n"
    "      bad-id-sum           wrong control sum in the identification\n"
    "      silence-after:N      send nothing after the first N bytes\n"
    "      echo                 echo every byte and nothing else\n"
    "      silent               never answer\n"
    "      sync-kind|sync-serial|sync-invert|sync-sum|sync-silent  wrong synchronisation\n"
    "      bad-slot             numbered records carry a slot number beyond the table\n"
    "      no-trailer           text reply without its trailer\n"
    "      no-confirm:CODE      file service: command CODE (hex) is not confirmed\n"
    "      short-listing        file service: a listing stops half way\n"
    "      bad-confirm-byte     file service: records are confirmed with 1, not 0xFE\n"
    "      hostile-listing      file service, kind 17: paths pointing outside are listed\n";

void OnSignal(int) { g_stop = 1; }

bool ParseLong(const char* text, long& value) {
  char* end = nullptr;
  value = std::strtol(text, &end, 10);
  return end != text && *end == '\0';
}

bool ParseFault(const std::string& f, Faults& faults) {
  long value = 0;
  if (f.rfind("bad-sum:", 0) == 0) {
    std::string rest = f.substr(8);
    const size_t colon = rest.find(':');
    if (colon != std::string::npos) {
      long times = 0;
      if (!ParseLong(rest.substr(colon + 1).c_str(), times) || times < 1) return false;
      faults.bad_sum_times = static_cast<int>(times);
      rest.resize(colon);
    }
    if (!ParseLong(rest.c_str(), value) || value < 0) return false;
    faults.bad_sum_record = value;
  } else if (f.rfind("silence-after:", 0) == 0) {
    if (!ParseLong(f.c_str() + 14, value) || value < 0) return false;
    faults.silence_after = value;
  } else if (f == "foreign-serial") {
    faults.foreign_serial = true;
  } else if (f == "foreign-serial-records") {
    faults.foreign_serial_records = true;
  } else if (f == "bad-id-sum") {
    faults.bad_id_sum = true;
  } else if (f == "echo") {
    faults.echo = true;
  } else if (f == "silent") {
    faults.silent = true;
  } else if (f == "sync-kind") {
    faults.sync = SyncFault::kKind;
  } else if (f == "sync-serial") {
    faults.sync = SyncFault::kSerial;
  } else if (f == "sync-invert") {
    faults.sync = SyncFault::kInvert;
  } else if (f == "sync-sum") {
    faults.sync = SyncFault::kSum;
  } else if (f == "sync-silent") {
    faults.sync = SyncFault::kSilent;
  } else if (f == "bad-slot") {
    faults.bad_slot = true;
  } else if (f == "no-trailer") {
    faults.no_trailer = true;
  } else if (f.rfind("no-confirm:", 0) == 0) {
    char* end = nullptr;
    value = std::strtol(f.c_str() + 11, &end, 16);
    if (end == f.c_str() + 11 || *end != '\0' || value < 0 || value > 255) return false;
    faults.unconfirmed_code = static_cast<int>(value);
  } else if (f == "short-listing") {
    faults.short_listing = true;
  } else if (f == "bad-confirm-byte") {
    faults.bad_confirm_byte = true;
  } else if (f == "hostile-listing") {
    faults.hostile_listing = true;
  } else {
    return false;
  }
  return true;
}

int Fail(const std::string& what) {
  std::fprintf(stderr, "telvane-sim: %s\n%s", what.c_str(), kUsage);
  return 2;
}

int Main(int argc, char** argv) {
  Config config;
  std::string port_dir;
  long com = 0;
  std::string irda_dir;
  std::string irda_name;
  bool have_serial = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help") {
      std::printf("%s", kUsage);
      return 0;
    }
    if (arg == "--trace") {
      config.trace = true;
      continue;
    }
    if (i + 1 >= argc) return Fail("missing value after " + arg);
    const char* value = argv[++i];
    long number = 0;
    const bool numeric = ParseLong(value, number);
    if (arg == "--kind") {
      if (!numeric || !((number >= 1 && number <= 20) || number == 255)) return Fail("bad --kind");
      config.kind = static_cast<int>(number);
    } else if (arg == "--serial") {
      if (std::strlen(value) != 6) return Fail("--serial takes 6 characters");
      std::memcpy(config.serial.data(), value, 6);
      have_serial = true;
    } else if (arg == "--port-dir") {
      port_dir = value;
    } else if (arg == "--com") {
      if (!numeric || number < 1 || number > 254) return Fail("bad --com");
      com = number;
    } else if (arg == "--irda-dir") {
      irda_dir = value;
    } else if (arg == "--name") {
      irda_name = value;
    } else if (arg == "--baud-code") {
      if (!numeric || number < 0 || number > 255) return Fail("bad --baud-code");
      config.baud_code = static_cast<uint8_t>(number);
    } else if (arg == "--pace") {
      if (!numeric || number < 0) return Fail("bad --pace");
      config.pace = number;
    } else if (arg == "--cables") {
      if (!numeric || number < 0 || number > 255) return Fail("bad --cables");
      config.cables = static_cast<int>(number);
    } else if (arg == "--max-cables") {
      if (!numeric || number < 1 || number > 255) return Fail("bad --max-cables");
      config.max_cables = static_cast<int>(number);
    } else if (arg == "--reflectograms") {
      if (!numeric || number < 0 || number > 255) return Fail("bad --reflectograms");
      config.reflectograms = static_cast<int>(number);
    } else if (arg == "--text-records") {
      if (!numeric || number < 0) return Fail("bad --text-records");
      config.text_records = static_cast<int>(number);
    } else if (arg == "--text-size") {
      if (!numeric || number < 0) return Fail("bad --text-size");
      config.text_size = static_cast<size_t>(number);
    } else if (arg == "--xdsl-logs") {
      if (!numeric || number < 0 || number > 255) return Fail("bad --xdsl-logs");
      config.xdsl_logs = static_cast<int>(number);
    } else if (arg == "--firmware") {
      char* end = nullptr;
      config.firmware = std::strtof(value, &end);
      if (end == value || *end != '\0') return Fail("bad --firmware");
    } else if (arg == "--sheet-version") {
      char* end = nullptr;
      config.sheet_version = std::strtof(value, &end);
      if (end == value || *end != '\0') return Fail("bad --sheet-version");
    } else if (arg == "--wear-count") {
      if (!numeric || number < 0 || number > 65535) return Fail("bad --wear-count");
      config.wear_count = static_cast<int>(number);
    } else if (arg == "--fs") {
      config.fs_dir = value;
    } else if (arg == "--tester-info") {
      if (!numeric || number < 0 || number > 0xFFFFFFFFL) return Fail("bad --tester-info");
      config.tester_info = number;
    } else if (arg == "--fault") {
      if (!ParseFault(value, config.faults)) return Fail(std::string("unknown fault ") + value);
    } else {
      return Fail("unknown option " + arg);
    }
  }
  if (!irda_dir.empty() && (config.kind == 0 || config.kind == 255 || irda_name.empty())) {
    return Fail("--irda-dir takes --kind 1..20 and --name");
  }
  if (irda_dir.empty() && (config.kind == 0 || port_dir.empty() || com == 0)) {
    return Fail("--kind, --port-dir and --com are required");
  }
  if (!have_serial && config.kind != 255) return Fail("--serial is required");

  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
  config.irda = !irda_dir.empty();
  if (!irda_dir.empty()) return ServeIrda(irda_dir, irda_name, config);

  PtyChannel channel;
  if (!channel.Create()) return Fail("cannot create a pseudo-terminal");
  channel.set_pace(config.pace);
  channel.set_trace(config.trace);
  channel.set_silence_after(config.faults.silence_after);

  const std::string link = port_dir + "/COM" + std::to_string(com);
  ::unlink(link.c_str());
  if (::symlink(channel.slave_path().c_str(), link.c_str()) != 0) {
    return Fail("cannot create the link " + link);
  }
  if (config.trace) {
    std::fprintf(stderr, "sim: kind %d on %s -> %s\n", config.kind, link.c_str(),
                 channel.slave_path().c_str());
  }
  if (config.kind == 255) {
    ServeText(channel, config);
  } else {
    ServeBinary(channel, config);
  }
  ::unlink(link.c_str());
  return 0;
}

}  // namespace
}  // namespace sim

int main(int argc, char** argv) { return sim::Main(argc, argv); }
