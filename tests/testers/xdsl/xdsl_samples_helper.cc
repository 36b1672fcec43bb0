#include <cmath>
#include <cstring>
#include <limits>

#include "testers/xdsl/xdsl_samples.h"

namespace telvane::testing {

void PutBeFloat(float value, uint8_t* out) {
  uint32_t bits = 0;
  std::memcpy(&bits, &value, 4);
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(bits >> (24 - 8 * i));
}

std::vector<uint8_t> SampleEntry(char band, const std::string& name_cp1251) {
  static const size_t kSizes[] = {82, 90, 93, 104, 117};
  // Where the Down values start; the Up values follow them.
  static const size_t kDown[] = {42, 50, 53, 64, 64};
  const int b = band - 'A';
  std::vector<uint8_t> bytes(kSizes[b], 0xEE);
  // The name with its terminator; the rest of the field stays filled.
  std::memcpy(bytes.data(), name_cp1251.data(), name_cp1251.size());
  bytes[name_cp1251.size()] = 0;
  if (band == 'A') {
    bytes[41] = 2;
  } else {
    const size_t mode = band == 'B' ? 41 : 44;
    std::memcpy(&bytes[mode], "G.DMT", 6);
  }
  if (band >= 'C') {
    bytes[41] = 26;
    bytes[42] = 3;
    bytes[43] = 7;
  }
  for (int i = 0; i < 5; ++i) {
    PutBeFloat(kSampleDown[i], &bytes[kDown[b] + 4 * i]);
    PutBeFloat(kSampleUp[i], &bytes[kDown[b] + 20 + 4 * i]);
  }
  if (band == 'E') {
    bytes[104] = 480 >> 8;
    bytes[105] = 480 & 0xFF;
    std::memcpy(&bytes[106], "01:02:03", 9);
  }
  return bytes;
}

uint8_t SampleNoiseByte(int bin) {
  if (bin == 0) return 200;
  if (bin == 1) return 160;
  if (bin == 2) return 40;
  return static_cast<uint8_t>(bin * 7 % 256);
}

float SampleCounter(size_t size, size_t offset) {
  if (offset == 1564) return std::numeric_limits<float>::quiet_NaN();
  if (size == 1680 && offset == 1616) return 90061.0f;
  if (size == 1648 && offset == 1536) return 0.0f;
  return static_cast<float>((offset - 1536) / 4 + 1);
}

std::vector<uint8_t> SampleLog(size_t size) {
  std::vector<uint8_t> bytes(size, 0);
  for (int i = 0; i < 512; ++i) {
    bytes[i] = SampleNoiseByte(i);
    bytes[512 + i] = SampleSnr(i);
    bytes[1024 + i] = SampleBits(i);
  }
  for (size_t offset = 1536; offset + 4 <= size; offset += 4) {
    PutBeFloat(SampleCounter(size, offset), &bytes[offset]);
  }
  return bytes;
}

}  // namespace telvane::testing
