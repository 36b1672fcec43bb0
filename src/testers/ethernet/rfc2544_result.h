// The result file of the Ethernet tester's RFC 2544 run (768 bytes,
// little-endian) and the texts the page and the report make of it.
#ifndef TELVANE_TESTERS_ETHERNET_RFC2544_RESULT_H_
#define TELVANE_TESTERS_ETHERNET_RFC2544_RESULT_H_

#include <cstdint>
#include <optional>
#include <string>

#include "base/fixed_record.h"
#include "base/screen.h"

namespace telvane {

// The tester information of command 2: the number of stored result files is
// the little-endian word at 0.
class EthernetTesterInfo : public FixedRecord<12> {
 public:
  int32_t raw_file_count() const { return static_cast<int32_t>(U32(0)); }
};

// The most result files the list numbers ("%2.2d").
inline constexpr int kEthernetMaxFiles = 99;
// The frame sizes a result holds.
inline constexpr int kMaxFrameSizes = 12;

enum class Rfc2544Section { kThroughput, kBackToBack, kFrameLoss, kLatency };
inline constexpr Rfc2544Section kRfc2544Sections[] = {
    Rfc2544Section::kThroughput, Rfc2544Section::kBackToBack, Rfc2544Section::kFrameLoss,
    Rfc2544Section::kLatency};

class Rfc2544Result : public FixedRecord<768> {
 public:
  DateTime start() const { return Stamp(0); }
  DateTime end() const { return Stamp(36); }
  // A result is held when the word at 32 and the byte at 68 are non-zero.
  bool holds_result() const { return U32(32) != 0 && U8(68) != 0; }
  std::string file_name() const { return Text(69, 198 - 69); }
  uint8_t interface() const { return U8(198); }
  uint8_t autonegotiation() const { return U8(199); }
  uint8_t rate_code() const { return U8(200); }
  uint8_t duplex() const { return U8(201); }
  uint8_t flow_control() const { return U8(202); }
  const uint8_t* mac() const { return &bytes()[203]; }
  const uint8_t* ip() const { return &bytes()[209]; }
  std::string label() const { return Text(213, 245 - 213); }
  std::string remote_label() const { return Text(332, 356 - 332); }
  uint8_t ttl() const { return U8(250); }
  uint8_t tos() const { return U8(251); }
  uint16_t destination_port() const { return U16(252); }
  uint16_t source_port() const { return U16(254); }
  float latency_rate() const { return F32(312); }
  uint8_t latency_method() const { return U8(324); }
  uint8_t latency_unit() const { return U8(325); }
  // The frame-size count, limited to 0..12.
  int frame_size_count() const;
  uint32_t frame_size(int i) const { return U32(360 + 4 * static_cast<size_t>(i)); }
  uint32_t total_seconds() const { return U32(400); }

  // Enable bytes: 245 Throughput, 246 Back-to-Back, 247 Frame loss, 248 Latency.
  bool section_run(Rfc2544Section s) const;
  float threshold(Rfc2544Section s) const;
  uint8_t status(Rfc2544Section s) const;
  float result(Rfc2544Section s, int i) const;
  uint8_t verdict(Rfc2544Section s, int i) const;
  uint32_t section_seconds(Rfc2544Section s) const;

 private:
  DateTime Stamp(size_t offset) const;
};

enum class RateUnit { kPercent = 0, kMbit = 1 };

// "Throughput", "Back-to-Back", "Frame loss", "Latency".
std::string SectionName(Rfc2544Section s);
// Mbit/s per percent of the line rate of code 0, 1, 2 (0.1, 1, 10); nullopt
// for any other code.
std::optional<double> MbitPerPercent(uint8_t rate_code);
// A rate (a percentage of the line rate) in `unit` (an int: any other
// selection gives "error units").
std::string RateText(float rate, uint8_t rate_code, int unit);
// A latency in the unit of byte 325.
std::string LatencyText(float value, uint8_t unit);
std::string DurationText(uint32_t seconds);
std::string StatusText(uint8_t status);
std::string VerdictText(uint8_t verdict);
// The text of frame size i: the size, or "?" where it would overlap the
// fields after the size table (sizes 10 and 11).
std::string FrameSizeText(const Rfc2544Result& r, int i);
// The row text of frame size i of a section: the result for status 2, else
// the status.
std::string SectionCellText(const Rfc2544Result& r, Rfc2544Section s, int i, int unit);
// "пройден" or "НЕ ПРОЙДЕН" (the rule is in docs/ethernet.md).
std::string OverallVerdict(const Rfc2544Result& r);
// "%2.2u.%2.2u.%4.4u %2.2u:%2.2u:%2.2u".
std::string ResultDateText(const DateTime& when);
// The selection text: the start and end lines, or "Файл пуст".
std::string ResultSummary(const Rfc2544Result& r);

// The configuration texts.
std::string InterfaceText(uint8_t code);
std::string AutonegotiationText(uint8_t code);
std::string SpeedText(uint8_t code);
std::string DuplexText(uint8_t code);
std::string FlowControlText(uint8_t code);
std::string MacText(const uint8_t* mac);
std::string IpText(const uint8_t* ip);
std::string TosText(uint8_t tos);
std::string MethodText(uint8_t method);

}  // namespace telvane

#endif  // TELVANE_TESTERS_ETHERNET_RFC2544_RESULT_H_
