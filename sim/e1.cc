// Kind 19, the E1 tester. Command 2: 12 bytes of information whose
// little-endian word at 8 is --tester-info (default 134: 3 files; 135 and
// above: 39). Commands 0x64/0x65 (numbered_records.h): number 1000 i selects
// the 512-byte header of file i, 1000 i + 1 + j its record j (328 bytes, the
// rest of the 512 zero).
//
// Header: byte 32 non-zero for a measurement, i32 record count at 72,
// interval code at 173, channel flags (bit n: channel n) as u32 at 160, start
// day, month, year less 2000, hour, minute, second as bytes at 176-181, line
// code, framing, CRC4, bit control, sequence at 184-188, receive inversion at
// 192. Record: cumulative u32 counters (errors 16-36, alarm seconds 64-92,
// G.821 132-144, G.826 near 164-184 and far 208-228, M.2100 near 256-268 and
// far 288-300), largest jitter and high-band jitter as float32 at 304 and
// 308, elapsed seconds at 320.
//
// File 1 (one-minute interval, 40 records) has error bursts, a whole minute of
// LOF and a restart of the far-end G.826 counters; file 2 is empty; file 3
// (ten-minute interval, 12 records) has AIS and RAI; later files alternate
// between empty and short measurements.
#include <cstdint>
#include <vector>

#include "config.h"
#include "numbered_records.h"
#include "registry.h"

namespace sim {
namespace {

enum : size_t {
  kCode = 16,
  kFas = 20,
  kBit = 24,
  kMfas = 28,
  kCrc = 32,
  kEbit = 36,
  kLos = 64,
  kAis = 68,
  kLof = 72,
  kLomCas = 76,
  kLomCrc = 80,
  kRai = 84,
  kMrai = 88,
  kLss = 92,
  kG821Es = 132,
  kG821Ses = 136,
  kG821Us = 140,
  kG821As = 144,
  kNearEb = 164,
  kNearBbe = 168,
  kNearEs = 172,
  kNearSes = 176,
  kNearUs = 180,
  kNearAs = 184,
  kFarEb = 208,
  kFarBbe = 212,
  kFarEs = 216,
  kFarSes = 220,
  kFarUs = 224,
  kFarAs = 228,
  kMNearEs = 256,
  kMNearSes = 260,
  kMNearUs = 264,
  kMNearAs = 268,
  kMFarEs = 288,
  kMFarSes = 292,
  kMFarUs = 296,
  kMFarAs = 300,
  kElapsed = 320,
};

struct Plan {
  bool measured = false;
  int records = 0;
  uint8_t interval = 0;  // 0: 1 min, 1: 10 min, 2: 1 h
  int day = 1;
  int hour = 8;
  uint8_t framing = 2;
  uint8_t sequence = 3;
};

Plan PlanOf(int file) {
  Plan p;
  p.day = 1 + file % 28;
  if (file == 1) {
    p = {true, 40, 0, 7, 9, 2, 5};
  } else if (file == 2) {
    p = {false, 0, 0, 8, 10, 1, 0};
  } else if (file == 3) {
    p = {true, 12, 1, 9, 14, 1, 8};
  } else if (file % 2 == 0) {
    p.measured = false;
  } else {
    p = {true, 3 + file % 5, 2, p.day, 6, 0, static_cast<uint8_t>(file % 14)};
  }
  // A record whose number ends in 0x9B is confirmed with 0x64, the bytes of
  // the next command: when the program's purge takes the confirmation away,
  // the two cannot be told apart. The files stop before such a record.
  for (int j = 0; j < p.records; ++j) {
    if (((1000 * file + 1 + j) & 0xFF) == 0x9B) p.records = j;
  }
  return p;
}

uint32_t Seconds(uint8_t interval) { return interval == 0 ? 60 : interval == 1 ? 600 : 3600; }

std::vector<uint8_t> Header(int file) {
  const Plan p = PlanOf(file);
  std::vector<uint8_t> h(512, 0);
  h[32] = p.measured ? 1 : 0;
  PutU32(h, 72, static_cast<uint32_t>(p.records));
  PutU32(h, 160, p.framing == 2 ? 0xFFFFFFFEu : 0xFFFEFFFEu);
  h[173] = p.interval;
  h[176] = static_cast<uint8_t>(p.day);
  h[177] = 12;
  h[178] = 26;
  h[179] = static_cast<uint8_t>(p.hour);
  h[180] = 30;
  h[181] = 0;
  h[184] = 1;  // HDB3
  h[185] = p.framing;
  h[186] = p.framing == 2 ? 1 : 0;
  h[187] = 1;
  h[188] = p.sequence;
  h[192] = 0;
  return h;
}

// Record j of file `file`: counters summed over intervals 0..j.
std::vector<uint8_t> Record(int file, int j) {
  const Plan p = PlanOf(file);
  const uint32_t t = Seconds(p.interval);
  std::vector<uint32_t> sum(330, 0);
  auto add = [&](size_t at, uint32_t v) { sum[at] += v; };
  float jitter = 0.05f;
  for (int k = 0; k <= j; ++k) {
    add(kElapsed, t);
    const bool burst = file == 1 && (k == 5 || k == 6 || k == 21);
    const bool lof = file == 1 && k == 12;
    const bool ais = file == 3 && (k == 4 || k == 5);
    uint32_t errored = 0, severe = 0, unavailable = 0;
    add(kCode, static_cast<uint32_t>(k % 3));
    if (burst) {
      add(kCode, 1500 + 100 * k);
      add(kBit, 900 + 10 * k);
      add(kFas, 40);
      add(kCrc, 120);
      add(kEbit, 30);
      add(kMfas, 3);
      errored = 20;
      severe = 4;
      jitter = 0.21f + 0.01f * k;
    }
    if (lof) {
      add(kLof, t);
      add(kLos, 5);
      add(kLomCas, t);
      add(kLomCrc, t);
      add(kFas, 7);
      errored = t;
      severe = t;
      unavailable = t;
    }
    if (ais) {
      add(kAis, 120);
      add(kRai, 60);
      add(kMrai, 10);
      add(kLss, 30);
      errored = 130;
      severe = 120;
    }
    add(kG821Es, errored);
    add(kG821Ses, severe);
    add(kG821Us, unavailable);
    add(kG821As, t - unavailable);
    add(kNearEb, errored * 3);
    add(kNearBbe, errored > severe ? (errored - severe) * 2 : 0);
    add(kNearEs, errored);
    add(kNearSes, severe);
    add(kNearUs, unavailable);
    add(kNearAs, t - unavailable);
    add(kFarEb, burst ? 12 : 0);
    add(kFarBbe, burst ? 8 : 0);
    add(kFarEs, burst ? 2 : 0);
    add(kFarSes, 0);
    add(kFarUs, unavailable);
    add(kFarAs, t - unavailable);
    add(kMNearEs, errored);
    add(kMNearSes, severe);
    add(kMNearUs, unavailable);
    add(kMNearAs, t - unavailable);
    add(kMFarEs, burst ? 2 : 0);
    add(kMFarSes, 0);
    add(kMFarUs, unavailable);
    add(kMFarAs, t - unavailable);
  }
  // The far end restarted its G.826 counts after the LOF minute.
  if (file == 1 && j >= 13) {
    for (size_t at : {kFarEb, kFarBbe, kFarEs, kFarSes, kFarUs, kFarAs}) {
      sum[at] = j == 13 ? 0 : sum[at] / 4;
    }
  }
  std::vector<uint8_t> r(512, 0);
  for (size_t at = 16; at <= kElapsed; at += 4) PutU32(r, at, sum[at]);
  PutFloat(r, 304, jitter);
  PutFloat(r, 308, jitter / 2);
  return r;
}

std::vector<uint8_t> Selected(uint32_t number) {
  const int file = static_cast<int>(number / 1000);
  const int rest = static_cast<int>(number % 1000);
  if (file < 1 || file > 39) return std::vector<uint8_t>(512, 0);
  if (rest == 0) return Header(file);
  if (rest - 1 >= PlanOf(file).records) return std::vector<uint8_t>(512, 0);
  return Record(file, rest - 1);
}

void Information(Session& s) {
  std::vector<uint8_t> info(12, 0);
  info[0] = 'E';
  info[1] = '1';
  const long value = s.config().tester_info;
  PutU32(info, 8, static_cast<uint32_t>(value < 0 ? 134 : value));
  SendTesterInfo(s, info);
}

const CommandRegistrar kInfo(19, 0x02, Information);
const bool kRecords = (RegisterNumberedRecords(19, Selected), true);

}  // namespace
}  // namespace sim
