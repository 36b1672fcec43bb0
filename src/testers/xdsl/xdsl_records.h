// The xDSL tester's stored logs: the list entry of each log and the full log,
// whose layouts depend on the instrument's firmware version v (a float32,
// compared as float32).
//
//   band  condition                          entry  full log
//   A     v < 10.004, except 8.03 <= v < 9    82     1536
//   B     10.004 <= v < 10.006                90     1680
//   C     10.006 <= v < 10.009, 8.03 <= v < 9 93     1680 (1536 below 10.004)
//   D     10.009 <= v < 10.11                 104    1680
//   E     v >= 10.11                          117    1648
//
// Every multi-byte value arrives most significant byte first; the parsers
// below read it that way, so the rest of the program sees plain floats.
#ifndef TELVANE_TESTERS_XDSL_XDSL_RECORDS_H_
#define TELVANE_TESTERS_XDSL_XDSL_RECORDS_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace telvane {

enum class XdslBand { kA, kB, kC, kD, kE };

struct XdslLayout {
  XdslBand band = XdslBand::kA;
  size_t entry_size = 82;
  size_t log_size = 1536;
};

XdslLayout XdslLayoutFor(float version);
// "A" … "E".
char XdslBandLetter(XdslBand band);

inline constexpr size_t kXdslBins = 512;
inline constexpr size_t kXdslSummaryRows = 5;
// The largest full log and list entry of any band.
inline constexpr size_t kXdslMaxLogSize = 1680;
inline constexpr size_t kXdslMaxEntrySize = 117;
inline constexpr size_t kXdslCounterStart = 1536;

// The labels of the five summary rows, in order.
extern const std::array<const char*, kXdslSummaryRows> kXdslSummaryLabels;

struct XdslDate {
  int year = 0;  // two digits
  int month = 0;
  int day = 0;
};

// One entry of the list of stored logs.
struct XdslLogEntry {
  std::string name;              // UTF-8
  std::string mode;              // UTF-8; band A: the text of the mode byte
  std::optional<XdslDate> date;  // bands C, D, E
  std::array<float, kXdslSummaryRows> down{};
  std::array<float, kXdslSummaryRows> up{};
  std::optional<uint16_t> carriers;       // band E
  std::optional<std::string> connection;  // band E, UTF-8

  // `bytes` must hold exactly the entry size of `band`.
  static XdslLogEntry Parse(XdslBand band, std::span<const uint8_t> bytes);
};

// One summary row as the page shows it: the label, then the Down and Up
// values with one decimal ("SNR, dB", "Attn, dB", "Pwr, dBm") or none ("Max,
// Kbps", "Rate, Kbps").
struct XdslSummaryRow {
  std::string label;
  std::string down;
  std::string up;
};
std::vector<XdslSummaryRow> XdslSummaryRows(const XdslLogEntry& entry);

// The text of band A's mode byte: "ADSL", "ADSL2", "ADSL2+", "RE-ADSL2",
// "RE-ADSL2+", "неизвестный" for any other value.
const char* XdslModeText(uint8_t mode);

// A zero-terminated CP1251 text read no further than `field`'s end, as UTF-8.
std::string XdslFieldText(std::span<const uint8_t> field);

// A full log; the counters (from offset 1536 to the end) are turned to host
// floats when the log is built from the wire.
class XdslLog {
 public:
  // `bytes` must hold a full log of 1536, 1648 or 1680 bytes; nullopt
  // otherwise.
  static std::optional<XdslLog> FromWire(std::span<const uint8_t> bytes);

  size_t size() const { return size_; }
  bool has_counters() const { return size_ > kXdslCounterStart; }
  // Noise in dBm/Hz: -b, and -160 when b is above 160.
  int Noise(size_t bin) const;
  unsigned Snr(size_t bin) const { return bytes_[kXdslBins + bin]; }
  unsigned Bits(size_t bin) const { return bytes_[2 * kXdslBins + bin]; }
  // The counter at `offset` (1536 <= offset <= size - 4, a multiple of 4);
  // NaN outside the log.
  float Counter(size_t offset) const;

 private:
  std::array<uint8_t, kXdslMaxLogSize> bytes_{};
  std::array<float, (kXdslMaxLogSize - kXdslCounterStart) / 4> counters_{};
  size_t size_ = 0;
};

// The float of the 4 bytes at `in`, most significant byte first.
float LoadBeFloat(const uint8_t* in);

}  // namespace telvane

#endif  // TELVANE_TESTERS_XDSL_XDSL_RECORDS_H_
