#include "cable/trace6/trace6_entry.h"

#include <algorithm>
#include <array>

#include "base/fixed_record.h"
#include "base/sprintf.h"
#include "base/values.h"

namespace telvane {
namespace {

constexpr std::array<int, 8> kRangeMetres = {100, 200, 500, 1000, 2000, 5000, 10000, 20000};
constexpr std::array<int, 8> kPulseNs = {10, 20, 50, 100, 200, 500, 1000, 2000};
constexpr std::array<int, 8> kGainDb = {0, 6, 12, 18, 24, 30, 36, 42};

int Lookup(const std::array<int, 8>& table, int index) {
  return index >= 0 && index < static_cast<int>(table.size()) ? table[static_cast<size_t>(index)]
                                                              : 0;
}

int16_t S16(const ReflectogramEntry& entry, size_t offset) {
  return static_cast<int16_t>(LoadLe16(&entry.bytes()[offset]));
}

}  // namespace

int Trace6RangeMetres(int index) { return Lookup(kRangeMetres, index); }
int Trace6PulseNs(int index) { return Lookup(kPulseNs, index); }
int Trace6GainDb(int index) { return Lookup(kGainDb, index); }

int Trace6Info::stretch() const {
  const int window = Trace6RangeMetres(window_index);
  if (window <= 0) return 1;
  return std::max(1, range_m() / window);
}

Trace6Info DecodeTrace6Entry(const ReflectogramEntry& entry) {
  const auto& b = entry.bytes();
  Trace6Info info;
  info.cable = b[trace6::kCable];
  info.year = b[trace6::kDate];
  info.month = b[trace6::kDate + 1];
  info.day = b[trace6::kDate + 2];
  info.hour = b[trace6::kDate + 3];
  info.minute = b[trace6::kDate + 4];
  info.second = b[trace6::kDate + 5];
  info.range_index = b[trace6::kRangeIndex];
  info.pulse_index = b[trace6::kPulseIndex];
  info.gain_index = b[trace6::kGainIndex];
  info.window_index = b[trace6::kWindowIndex];
  info.samples = entry.sample_count();
  info.velocity = S16(entry, trace6::kVelocity);
  info.cursor1 = S16(entry, trace6::kCursor1);
  info.cursor2 = S16(entry, trace6::kCursor2);
  info.averaging = b[trace6::kAveraging];
  info.name = ReadTextField(&b[trace6::kName], trace6::kNameSize);
  return info;
}

std::string Trace6Line(const Trace6Info& info, int number) {
  const std::string name = info.name.empty() ? Sprintf("РФГ %d", number) : info.name;
  auto u = [](int v) { return static_cast<unsigned>(v); };
  return name + Sprintf("  %.2u.%.2u.%.2u %.2u:%.2u:%.2u", u(info.day), u(info.month), u(info.year),
                        u(info.hour), u(info.minute), u(info.second));
}

std::array<uint16_t, trace6::kExportSamples> Trace6ExportAmplitudes(
    std::span<const uint8_t> samples) {
  std::array<uint16_t, trace6::kExportSamples> v{};
  const size_t n = std::min(samples.size(), v.size());
  for (size_t i = 0; i < n; ++i) v[i] = samples[i];
  return v;
}

}  // namespace telvane
