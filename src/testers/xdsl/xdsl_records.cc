#include "testers/xdsl/xdsl_records.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "base/cp1251.h"
#include "base/sprintf.h"
#include "base/values.h"

namespace telvane {
namespace {

// Where a band's entry keeps its fields.
struct EntryFields {
  size_t mode_begin;  // band A: the mode byte; otherwise the mode text
  size_t mode_end;    // one past the mode text
  size_t down;        // five floats, then the five Up floats right after
  bool dated;
};

EntryFields FieldsOf(XdslBand band) {
  switch (band) {
    case XdslBand::kA:
      return {41, 42, 42, false};
    case XdslBand::kB:
      return {41, 50, 50, false};
    case XdslBand::kC:
      return {44, 53, 53, true};
    case XdslBand::kD:
    case XdslBand::kE:
      return {44, 64, 64, true};
  }
  return {41, 42, 42, false};
}

constexpr size_t kNameLength = 41;

}  // namespace

const std::array<const char*, kXdslSummaryRows> kXdslSummaryLabels = {
    "SNR, dB", "Attn, dB", "Pwr, dBm", "Max, Kbps", "Rate, Kbps"};

XdslLayout XdslLayoutFor(float v) {
  if (v >= 8.03f && v < 9.0f) return {XdslBand::kC, 93, 1536};
  if (v < 10.004f) return {XdslBand::kA, 82, 1536};
  if (v < 10.006f) return {XdslBand::kB, 90, 1680};
  if (v < 10.009f) return {XdslBand::kC, 93, 1680};
  if (v < 10.11f) return {XdslBand::kD, 104, 1680};
  return {XdslBand::kE, 117, 1648};
}

char XdslBandLetter(XdslBand band) { return static_cast<char>('A' + static_cast<int>(band)); }

float LoadBeFloat(const uint8_t* in) {
  const uint32_t bits = UnpackBe32(in);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

const char* XdslModeText(uint8_t mode) {
  static const char* const kModes[] = {"ADSL", "ADSL2", "ADSL2+", "RE-ADSL2", "RE-ADSL2+"};
  return mode < 5 ? kModes[mode] : "неизвестный";
}

std::string XdslFieldText(std::span<const uint8_t> field) {
  size_t length = 0;
  while (length < field.size() && field[length] != 0) ++length;
  return Cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(field.data()), length));
}

XdslLogEntry XdslLogEntry::Parse(XdslBand band, std::span<const uint8_t> bytes) {
  const EntryFields f = FieldsOf(band);
  XdslLogEntry entry;
  entry.name = XdslFieldText(bytes.first(kNameLength));
  if (band == XdslBand::kA) {
    entry.mode = XdslModeText(bytes[f.mode_begin]);
  } else {
    entry.mode = XdslFieldText(bytes.subspan(f.mode_begin, f.mode_end - f.mode_begin));
  }
  if (f.dated) entry.date = XdslDate{bytes[41], bytes[42], bytes[43]};
  for (size_t i = 0; i < kXdslSummaryRows; ++i) {
    entry.down[i] = LoadBeFloat(&bytes[f.down + 4 * i]);
    entry.up[i] = LoadBeFloat(&bytes[f.down + 20 + 4 * i]);
  }
  if (band == XdslBand::kE) {
    entry.carriers = UnpackBe16(&bytes[104]);
    entry.connection = XdslFieldText(bytes.subspan(106, 11));
  }
  return entry;
}

std::optional<XdslLog> XdslLog::FromWire(std::span<const uint8_t> bytes) {
  if (bytes.size() != 1536 && bytes.size() != 1648 && bytes.size() != 1680) return std::nullopt;
  XdslLog log;
  log.size_ = bytes.size();
  std::memcpy(log.bytes_.data(), bytes.data(), bytes.size());
  for (size_t offset = kXdslCounterStart; offset + 4 <= bytes.size(); offset += 4) {
    log.counters_[(offset - kXdslCounterStart) / 4] = LoadBeFloat(&bytes[offset]);
  }
  return log;
}

int XdslLog::Noise(size_t bin) const {
  const int b = bytes_[bin];
  return b > 160 ? -160 : -b;
}

float XdslLog::Counter(size_t offset) const {
  if (offset < kXdslCounterStart || offset + 4 > size_ || offset % 4 != 0) {
    return std::numeric_limits<float>::quiet_NaN();
  }
  return counters_[(offset - kXdslCounterStart) / 4];
}

std::vector<XdslSummaryRow> XdslSummaryRows(const XdslLogEntry& entry) {
  std::vector<XdslSummaryRow> rows;
  for (size_t i = 0; i < kXdslSummaryRows; ++i) {
    const char* format = i < 3 ? "%.1f" : "%.0f";
    rows.push_back(
        {kXdslSummaryLabels[i], Sprintf(format, entry.down[i]), Sprintf(format, entry.up[i])});
  }
  return rows;
}

}  // namespace telvane
