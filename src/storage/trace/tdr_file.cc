#include "storage/trace/tdr_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "base/values.h"
#include "storage/trace/trace_file_io.h"
#include "storage/trace/trace_firmware.h"

namespace telvane {
namespace {

constexpr size_t kHeaderSize = 144;
constexpr size_t kNameField = 12;
constexpr size_t kSampleExponent = 80;
constexpr size_t kReadLimit = kHeaderSize + 4096;

int SampleCount(TracePage page, int firmware) {
  return page == TracePage::kOlder ? 128 : ExtendedSampleCount(firmware);
}

}  // namespace

uint8_t TdrExponent(double value) {
  if (!(value >= 2.0)) return 0;  // also NaN
  uint8_t n = 1;
  // 2^255 covers every finite double; infinity stops there too.
  while (n < 255 && std::ldexp(1.0, n + 1) <= value) ++n;
  return n;
}

bool WriteTdr(Screen& screen, const std::string& path, TracePage page, int firmware,
              const CableBlock& block, const ReflectogramRecord& record) {
  const TraceSettings s = record.settings();
  const float k = block.velocity_factor();
  std::vector<uint8_t> out(kHeaderSize, 0);
  out[0] = kNameField;
  char name[kNameField + 1];
  std::snprintf(name, sizeof name, "%12.12s", record.name_bytes().c_str());
  std::copy_n(name, kNameField, out.begin() + 1);
  std::fill_n(out.begin() + 15, 13, 0xFF);
  // Velocity factors below 1 give a negative number that wraps around in the
  // 16-bit field, as the instrument's own files do.
  StoreLe16(static_cast<uint16_t>(TruncateToI32(k * 1000.0f - 1000.0f)), out.data() + 28);
  StoreLe16(TruncateToU16(65535.0 - (255996.0 - s.imp) * 0.256), out.data() + 30);
  StoreLe16(0xC600, out.data() + 32);
  out[34] = TdrExponent(s.diap * k * 655.35);
  out[35] = TdrExponent(s.rast);
  out[36] = static_cast<uint8_t>(s.middl & 0xFF);
  out[37] = 0xFF;
  out[38] = 0xFF;
  out[39] = static_cast<uint8_t>((s.db / 6) & 0xFF);
  const int n = SampleCount(page, firmware);
  for (int i = 0; i < n; ++i) {
    out.push_back(static_cast<uint8_t>(-4 * (record.sample(i) + 1)));
  }
  return WriteTraceFile(screen, path, out);
}

bool ReadTdr(Screen& screen, const std::string& path, TracePage page, int firmware,
             CableBlock& block, ReflectogramRecord& record) {
  record.Clear();
  std::vector<uint8_t> bytes;
  uint64_t size = 0;
  if (!ReadTraceFile(screen, path, kReadLimit, bytes, size)) return false;
  if (bytes.size() < kHeaderSize) {
    ShowFileError(screen, kTdrHeaderReadError, path);
    return false;
  }
  // The name length byte is limited to the 12-byte field it describes.
  const size_t name_length = std::min<size_t>(bytes[0], kNameField);
  const float k = static_cast<float>((LoadLe16(bytes.data() + 28) + 1000) * 0.001);
  TraceSettings s;
  s.imp = TruncateToU16((LoadLe16(bytes.data() + 30) - 65535.0) * 3.906248569 + 255996.0);
  s.offset = LoadLe16(bytes.data() + 32);
  s.diap = TruncateToU16(std::ldexp(1.0, bytes[34]) * 0.0015259024);
  s.rast = TruncateToU16(std::ldexp(1.0, bytes[35]));
  s.middl = bytes[36];
  s.db = static_cast<int16_t>(bytes[39] * 6);

  // 128 << exponent samples; only as many as the record takes are read.
  const int exponent = bytes[kSampleExponent];
  const int capacity = std::min(SampleCount(page, firmware), record.sample_capacity());
  const bool too_many = exponent > 0 && (exponent >= 24 || (128 << exponent) > capacity);
  const int file_samples = too_many ? capacity : 128;
  if (too_many) screen.ShowMessage(Icon::kWarning, kDataLossCaption, kDataLossText);
  const int kept = std::min(file_samples, capacity);
  if (bytes.size() < kHeaderSize + static_cast<size_t>(kept)) {
    ShowFileError(screen, kReadFileError, path);
    return false;
  }
  record.set_name_bytes({reinterpret_cast<const char*>(bytes.data() + 1), name_length});
  record.set_settings(s);
  for (int i = 0; i < kept; ++i) record.set_sample(i, 63 - bytes[kHeaderSize + i] / 4);
  block.set_velocity_factor(k);
  return true;
}

}  // namespace telvane
