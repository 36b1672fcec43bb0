#include "cable/planned_format.h"

#include <cmath>
#include <cstdio>

#include "base/values.h"

namespace telvane {
namespace {

std::string Printf(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

// Half or more goes up.
double RoundHalfUp(double x) { return std::floor(x + 0.5); }

// The insulation rows below the upper limit; the rows that scale a whole part
// round instead of cutting, so three significant digits are shown rounded.
std::string FormatInsulationWithinLimit(double v) {
  if (v < 100) return Printf("%6.0f", v) + " КОм ";
  if (v <= 1000) return Printf("%6.0f", RoundHalfUp(v * 0.1) * 10) + " КОм ";
  if (v < 10000) return Printf("%6.1f", v * 0.001) + " МОм ";
  if (v < 100000) return Printf("%6.0f", v * 0.001) + " МОм ";
  if (v < 1000000) return Printf("%6.0f", RoundHalfUp(v * 0.0001) * 10) + " МОм ";
  if (v < 10000000) return Printf("%6.0f", RoundHalfUp(v * 0.00001) * 100) + " МОм ";
  return Printf("%6.0f", RoundHalfUp(v * 0.000001) * 1000) + " МОм ";
}

std::string FormatInsulation(double v, const InsulationLimit& limit) {
  // Compared in single precision, the precision in which instruments send the version.
  if (static_cast<float>(limit.version) >= static_cast<float>(kFirstVersionWithCableLimit)) {
    if (v > limit.limit_kohm) return Printf(">%.0f", limit.limit_kohm / 1000.0) + " МОм";
  } else if (v > kFixedInsulationLimit) {
    return ">50000 МОм";
  }
  return FormatInsulationWithinLimit(v);
}

std::string FormatLoopResistance(double v) {
  return Printf(v >= 1000 ? "%6.0f" : "%6.1f", v) + " Ом ";
}

}  // namespace

std::string FormatPlannedValue(float value, PlannedValueMode mode, const InsulationLimit& limit) {
  switch (mode) {
    case PlannedValueMode::kCapacitance: {
      std::string text;
      FormatMeasurement(value, kCapacitance, text);
      return text;
    }
    case PlannedValueMode::kInsulation:
      return FormatInsulation(value, limit);
    case PlannedValueMode::kLoopResistance:
      return FormatLoopResistance(value);
  }
  return {};
}

}  // namespace telvane
