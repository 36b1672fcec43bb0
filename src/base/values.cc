#include "base/values.h"

#include <bit>
#include <cmath>
#include <cstdio>

#include "base/cp1251.h"

namespace telvane {
namespace {

std::string Printf(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

std::string FormatCapacitance(double v) {
  if (v > 2000) return ">2000 нФ";
  if (v > 51) return Printf("%4.0f", v) + " нФ";
  return Printf("%4.1f", v) + " нФ";
}

std::string FormatInsulation(double v) {
  if (v > 30000000) return ">30000 МОм";
  if (v < 100) return Printf("%6.0f", v) + " КОм ";
  if (v <= 1000) return Printf("%6.0f", std::trunc(v * 0.1) * 10) + " КОм ";
  if (v < 10000) return Printf("%6.1f", v * 0.001) + " МОм ";
  if (v < 100000) return Printf("%6.0f", v * 0.001) + " МОм ";
  if (v < 1000000) return Printf("%6.0f", std::trunc(v * 0.0001) * 10) + " МОм ";
  if (v < 10000000) return Printf("%6.0f", std::trunc(v * 0.00001) * 100) + " МОм ";
  return Printf("%6.0f", std::trunc(v * 0.000001) * 1000) + " МОм ";
}

}  // namespace

int FormatMeasurement(float value, int kind, std::string& text) {
  text.clear();
  if (kind == kCapacitance) {
    text = FormatCapacitance(value);
  } else if (kind == kInsulation) {
    text = FormatInsulation(value);
  } else {
    return kind - 1;
  }
  return static_cast<int>(Utf8Length(text));
}

uint16_t Crc16(std::span<const uint8_t> data) {
  uint16_t crc = 0xFFFF;
  for (uint8_t b : data) {
    crc ^= static_cast<uint16_t>(b) << 8;
    for (int i = 0; i < 8; ++i) {
      crc = (crc & 0x8000) ? static_cast<uint16_t>((crc << 1) ^ 0x1021)
                           : static_cast<uint16_t>(crc << 1);
    }
  }
  return crc;
}

uint16_t Crc16Check(int mode, int& result, const uint8_t* data, size_t length) {
  // Fewer than two bytes hold no stored value: the data are empty and any
  // comparison fails.
  const size_t covered = length >= 2 ? length - 2 : 0;
  const uint16_t crc = Crc16({data, covered});
  if (mode == 1) {
    if (length < 2) {
      result = -1;
    } else {
      const uint16_t stored = LoadLe16(data + covered);
      result = stored == crc ? 0 : -1;
    }
  }
  return crc;
}

void PackBe32(uint32_t value, uint8_t* out) {
  out[0] = static_cast<uint8_t>(value >> 24);
  out[1] = static_cast<uint8_t>(value >> 16);
  out[2] = static_cast<uint8_t>(value >> 8);
  out[3] = static_cast<uint8_t>(value);
}

void PackBe16(uint16_t value, uint8_t* out) {
  out[0] = static_cast<uint8_t>(value >> 8);
  out[1] = static_cast<uint8_t>(value);
}

uint32_t UnpackBe32(const uint8_t* in) {
  return (static_cast<uint32_t>(in[0]) << 24) | (static_cast<uint32_t>(in[1]) << 16) |
         (static_cast<uint32_t>(in[2]) << 8) | in[3];
}

uint16_t UnpackBe16(const uint8_t* in) { return static_cast<uint16_t>((in[0] << 8) | in[1]); }

uint16_t LoadLe16(const uint8_t* in) { return static_cast<uint16_t>(in[0] | (in[1] << 8)); }

uint32_t LoadLe32(const uint8_t* in) {
  return in[0] | (static_cast<uint32_t>(in[1]) << 8) | (static_cast<uint32_t>(in[2]) << 16) |
         (static_cast<uint32_t>(in[3]) << 24);
}

float LoadLeFloat(const uint8_t* in) { return std::bit_cast<float>(LoadLe32(in)); }

void StoreLe16(uint16_t value, uint8_t* out) {
  out[0] = static_cast<uint8_t>(value);
  out[1] = static_cast<uint8_t>(value >> 8);
}

void StoreLe32(uint32_t value, uint8_t* out) {
  out[0] = static_cast<uint8_t>(value);
  out[1] = static_cast<uint8_t>(value >> 8);
  out[2] = static_cast<uint8_t>(value >> 16);
  out[3] = static_cast<uint8_t>(value >> 24);
}

void StoreLeFloat(float value, uint8_t* out) { StoreLe32(std::bit_cast<uint32_t>(value), out); }

uint8_t Sum8(std::span<const uint8_t> bytes) {
  uint8_t sum = 0;
  for (uint8_t b : bytes) sum = static_cast<uint8_t>(sum + b);
  return sum;
}

}  // namespace telvane
