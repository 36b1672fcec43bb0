#include "cable/family/family_scales.h"

#include <array>

namespace telvane {
namespace {

// Kind 10.
constexpr std::array kRange343 = {50.0,   100.0,  200.0,   500.0,  1000.0,
                                  2000.0, 5000.0, 10000.0, 20000.0};
constexpr std::array kPulse343 = {10.0, 20.0, 50.0, 100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0};
constexpr std::array kGain343 = {0.0, 6.0, 12.0, 18.0, 24.0, 30.0, 36.0, 42.0};
constexpr std::array kStretch343 = {1.0, 2.0, 4.0, 8.0, 16.0};

// Kinds 11, 12 and 16.
constexpr std::array kRange435 = {25.0,   50.0,   100.0,  200.0,   500.0,  1000.0,
                                  2000.0, 4000.0, 8000.0, 16000.0, 32000.0};
constexpr std::array kPulse435 = {5.0,   10.0,   20.0,   50.0,   100.0,  200.0,
                                  500.0, 1000.0, 2000.0, 5000.0, 10000.0};
constexpr std::array kGain435 = {0.0, 3.0, 6.0, 9.0, 12.0, 15.0, 18.0, 21.0, 24.0, 27.0, 30.0};
constexpr std::array kStretch435 = {1.0, 2.0, 4.0, 8.0, 16.0, 32.0};

// Kind 14.
constexpr std::array kRange233 = {100.0, 250.0, 500.0, 1000.0, 2500.0, 5000.0, 10000.0};
constexpr std::array kPulse233 = {20.0, 50.0, 100.0, 300.0, 1000.0, 3000.0};
constexpr std::array kGain233 = {0.0, 10.0, 20.0, 30.0, 40.0};
constexpr std::array kStretch233 = {1.0, 2.0, 4.0, 8.0};

const ScaleTable kScales343{kRange343, kPulse343, kGain343, kStretch343};
const ScaleTable kScales435{kRange435, kPulse435, kGain435, kStretch435};
const ScaleTable kScales233{kRange233, kPulse233, kGain233, kStretch233};

}  // namespace

const ScaleTable& Scales(Family family) {
  switch (family) {
    case Family::k343:
      return kScales343;
    case Family::k435:
      return kScales435;
    case Family::k233:
      return kScales233;
  }
  return kScales435;
}

std::optional<double> ScaleValue(std::span<const double> column, int index) {
  if (index < 0 || static_cast<size_t>(index) >= column.size()) return std::nullopt;
  return column[static_cast<size_t>(index)];
}

std::optional<double> SampleDistance(Family family, int range_index, int stretch_index, double k,
                                     int sample, int sample_count) {
  const ScaleTable& table = Scales(family);
  const std::optional<double> range = ScaleValue(table.range_m, range_index);
  const std::optional<double> stretch = ScaleValue(table.stretch, stretch_index);
  if (!range || !stretch || sample_count <= 0 || !(k > 0)) return std::nullopt;
  return sample * *range / (sample_count * *stretch * k);
}

}  // namespace telvane
