// Kind 20, the Ethernet tester. Command 2: 12 bytes of information whose
// little-endian word at 0 is the number of stored result files
// (--tester-info, default 6). Commands 0x64/0x65 (numbered_records.h): number
// i selects the 768-byte RFC 2544 result of file i.
//
// Result: start second, minute, hour, day, month, year as u32 at 0-20, the
// held flag u32 at 32 and byte 68, end at 36-56, the file name at 69, the
// interface, autonegotiation, rate code, duplex, flow control bytes at
// 198-202, MAC at 203, IP at 209, label at 213, section enable bytes at 245
// (Throughput), 246 (Back-to-Back), 247 (Frame loss), 248 (Latency), TTL 250,
// TOS 251, UDP ports u16 at 252 and 254, thresholds float32 at 272, 288, 300,
// latency rate 312 and threshold 320, latency method 324 and unit 325, remote
// label at 332, frame-size count i32 at 356 and sizes u32 from 360, total
// seconds 400, and per section (Throughput, Back-to-Back, Frame loss,
// Latency) status byte 404/476/548/620, float32 results from 408/480/552/624,
// verdict bytes from 458/530/602/684 and seconds 472/544/616/696.
//
// The six results cycle over every section status (2, 3, 6, other) and
// verdict (0, 1, 2, other), the three line rates and a wrong one, both
// latency units and a wrong one, one empty file, and a run with 12 frame
// sizes.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "config.h"
#include "numbered_records.h"
#include "registry.h"

namespace sim {
namespace {

struct Section {
  size_t enable, threshold, status, results, verdicts, seconds;
};
constexpr Section kSections[] = {
    {245, 272, 404, 408, 458, 472},
    {246, 288, 476, 480, 530, 544},
    {247, 300, 548, 552, 602, 616},
    {248, 320, 620, 624, 684, 696},
};

constexpr uint32_t kSizes[] = {64, 128, 256, 512, 1024, 1280, 1518, 2000, 4096, 9000, 9600, 9700};

void Text(std::vector<uint8_t>& r, size_t at, const std::string& text) {
  std::memcpy(&r[at], text.data(), text.size());
}

std::vector<uint8_t> Result(uint32_t number) {
  std::vector<uint8_t> r(768, 0);
  if (number < 1) return r;
  const int kind = static_cast<int>((number - 1) % 6);  // which of the six results
  const uint32_t start[] = {10, 15, 9, number % 28 + 1, 12, 2026};
  const uint32_t end[] = {40, 52, 10, number % 28 + 1, 12, 2026};
  for (int i = 0; i < 6; ++i) {
    PutU32(r, 4 * i, start[i]);
    PutU32(r, 36 + 4 * i, end[i]);
  }
  const bool held = kind != 1;
  PutU32(r, 32, held ? 1 : 0);
  r[68] = 1;
  Text(r, 69, "RFC2544_" + std::to_string(number));
  r[198] = kind == 3 ? 1 : 0;
  r[199] = kind == 4 ? 1 : 0;
  const uint8_t rates[] = {2, 1, 2, 1, 0, 5};
  r[200] = rates[kind];
  r[201] = 1;
  r[202] = kind == 2 ? 1 : 0;
  const uint8_t mac[] = {0x00, 0x50, 0xC2, 0x4D, 0x10, static_cast<uint8_t>(number)};
  std::memcpy(&r[203], mac, 6);
  const uint8_t ip[] = {10, 0, 0, static_cast<uint8_t>(number)};
  std::memcpy(&r[209], ip, 4);
  Text(r, 213, "\xD3\xE7\xE5\xEB 1");  // "Узел 1" in CP1251
  r[250] = 64;
  r[251] = static_cast<uint8_t>(0x20 * kind);
  r[252] = 0x89;
  r[253] = 0x13;  // 5001
  r[254] = 0x8A;
  r[255] = 0x13;  // 5002
  Text(r, 332, "REMOTE-" + std::to_string(kind));
  const int sizes = kind == 3 ? 12 : kind == 4 ? 3 : 7;
  PutU32(r, 356, static_cast<uint32_t>(sizes));
  for (int i = 0; i < sizes && i < 10; ++i) PutU32(r, 360 + 4 * i, kSizes[i]);
  PutU32(r, 400, kind == 0 ? 90061 : 3725);  // 25:01:01 (more than a day's hours)
  PutFloat(r, 312, 80.0f);
  r[324] = kind == 2 ? 1 : 0;
  r[325] = static_cast<uint8_t>(kind == 5 ? 2 : kind % 2);
  const uint8_t statuses[6][4] = {{2, 2, 2, 2}, {2, 2, 2, 2}, {3, 6, 9, 2},
                                  {2, 2, 3, 2}, {2, 0, 0, 0}, {2, 2, 2, 6}};
  const bool enabled[6][4] = {{true, true, true, true},    {true, true, true, true},
                              {true, true, true, true},    {true, true, true, true},
                              {true, false, false, false}, {true, true, false, true}};
  for (int s = 0; s < 4; ++s) {
    const Section& sec = kSections[s];
    r[sec.enable] = enabled[kind][s] ? 1 : 0;
    PutFloat(r, sec.threshold, s == 3 ? 150.0f : 90.0f - 10.0f * s);
    r[sec.status] = statuses[kind][s];
    PutU32(r, sec.seconds, 600u * (s + 1) + 5);
    for (int i = 0; i < sizes; ++i) {
      // Latency grows with the frame size; rates fall a little with it.
      const float value = s == 3 ? 20.0f + 3.5f * i : 100.0f - 2.5f * i - 5.0f * s;
      PutFloat(r, sec.results + 4 * i, value);
      uint8_t verdict = 2;
      if (kind == 0 && i == 2) verdict = 1;
      if (kind == 2 && s == 3) verdict = static_cast<uint8_t>(i % 4);  // 0, 1, 2, 3
      if (kind == 4) verdict = 0;
      r[sec.verdicts + i] = verdict;
    }
  }
  return r;
}

void Information(Session& s) {
  std::vector<uint8_t> info(12, 0);
  const long value = s.config().tester_info;
  PutU32(info, 0, static_cast<uint32_t>(value < 0 ? 6 : value));
  SendTesterInfo(s, info);
}

const CommandRegistrar kInfo(20, 0x02, Information);
const bool kRecords = (RegisterNumberedRecords(20, Result), true);

}  // namespace
}  // namespace sim
