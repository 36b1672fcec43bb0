#include "storage/trace/wv_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "storage/trace/trace_file_io.h"
#include "storage/trace/trace_firmware.h"

namespace telvane {
namespace {

constexpr size_t kHeaderSize = 123;
// Header, 65535 samples, the two bytes and six fields of 65535 characters.
constexpr size_t kReadLimit = kHeaderSize + 2 * 65535 + 2 + 6 * (2 + 65535);
constexpr float kDiapScale = 66.79999542f;

struct PulseRow {
  uint16_t max_imp;
  uint16_t code;
};
constexpr PulseRow kPulseTable[] = {{2, 1},    {5, 9},     {10, 2},   {25, 16},   {50, 10},
                                    {100, 3},  {500, 13},  {1000, 4}, {1500, 18}, {2000, 5},
                                    {4000, 6}, {4400, 19}, {6000, 7}, {8000, 17}, {10000, 14}};

uint16_t WordAt(const std::vector<uint8_t>& b, size_t offset) {
  return static_cast<uint16_t>(b[offset] | (b[offset + 1] << 8));
}

int SampleCount(TracePage page, int firmware) {
  return page == TracePage::kOlder ? 128 : ExtendedSampleCount(firmware);
}

void AppendField(ByteWriter& out, const std::string& text) {
  out.U16(static_cast<uint16_t>(text.size()));
  out.Bytes({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

// Two decimal digits of a text at `at`, as the C library's atoi would read them.
uint8_t TwoDigits(std::span<const uint8_t> text, size_t at) {
  int value = 0;
  for (size_t i = at; i < at + 2 && i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') break;
    value = value * 10 + (text[i] - '0');
  }
  return static_cast<uint8_t>(value);
}

}  // namespace

uint16_t WvPulseCode(uint16_t imp) {
  for (const PulseRow& row : kPulseTable) {
    if (imp <= row.max_imp) return row.code;
  }
  return 11;
}

uint16_t WvPulseWidth(uint16_t code) {
  for (const PulseRow& row : kPulseTable) {
    if (row.code == code) return row.max_imp;
  }
  if (code == 8) return 0;
  return code >= 1 && code <= 19 ? 65535 : 0;
}

uint16_t WvGainFactor(int16_t db) {
  const double factor = std::pow(10.0, db / 20);
  return static_cast<uint16_t>(std::clamp(std::trunc(factor), 1.0, 256.0));
}

bool WriteWv(Screen& screen, const std::string& path, TracePage page, int firmware,
             const CableBlock& block, const ReflectogramRecord& record) {
  const int n = SampleCount(page, firmware);
  const TraceSettings s = record.settings();
  const float k = block.velocity_factor();
  const uint16_t rast = static_cast<uint16_t>(std::clamp<int>(s.rast, 1, 8192));
  // A stretch of 0 would divide by zero; it counts as 1, as in the header.
  const int diap_per_rast = s.diap / std::max<int>(s.rast, 1);
  const float inverse_k = 100.0f / k;

  ByteWriter out;
  out.U16(page == TracePage::kOlder ? 10 : 11);
  const char magic[10] = "LINE-SCAN";
  out.Bytes({reinterpret_cast<const uint8_t*>(magic), 10});
  for (uint16_t w : {8, 15, 2, 1, 5}) out.U16(w);
  const uint8_t version_text[5] = {0x38, 0x2E, 0x30, 0x30, 0x30};
  out.Bytes(version_text);
  for (uint16_t w : {1, 2, 3, 1}) out.U16(w);
  out.Float(inverse_k);
  out.Fill(8, 0);
  out.U16(rast);
  out.U16(WvGainFactor(s.db));
  out.U32(48330);
  out.U32(30721);
  out.U32(static_cast<uint32_t>(static_cast<int32_t>(s.curs1)));
  out.U32(static_cast<uint32_t>(static_cast<int32_t>(s.curs2)));
  out.Float(0.0f);
  out.U16(1);
  out.U16(
      TruncateToU16(static_cast<float>(diap_per_rast) * k / static_cast<float>(n) * kDiapScale));
  out.U16(WvPulseCode(s.imp));
  out.U16(9);
  out.U16(1);
  out.Float(inverse_k);
  out.Fill(10, 0);
  out.U16(rast);
  out.U16(2);
  out.U16(154);
  out.Fill(18, 0);
  out.U16(4);
  out.U16(static_cast<uint16_t>(n));

  for (int i = 0; i < n; ++i) out.U16(static_cast<uint16_t>(0x3F00 - record.sample(i) * 256));
  out.U8(5);
  out.U8(0);
  AppendField(out, record.name_bytes());
  char date[16];
  std::snprintf(date, sizeof date, "%.2u.%.2u.%.2u", record.day(), record.month(),
                record.year() % 100u);
  AppendField(out, date);
  for (int i = 0; i < 4; ++i) AppendField(out, "");
  return WriteTraceFile(screen, path, out.bytes());
}

bool ReadWv(Screen& screen, const std::string& path, TracePage page, int firmware,
            CableBlock& block, ReflectogramRecord& record) {
  record.Clear();
  std::vector<uint8_t> bytes;
  uint64_t size = 0;
  if (!ReadTraceFile(screen, path, kReadLimit, bytes, size)) return false;
  if (bytes.size() < kHeaderSize) {
    ShowFileError(screen, kReadFileError, path);
    return false;
  }
  const uint16_t kind = page == TracePage::kOlder ? 10 : 11;
  const bool header_ok = WordAt(bytes, 0) == kind && WordAt(bytes, 12) == 8 &&
                         WordAt(bytes, 20) == 5 && WordAt(bytes, 27) == 1 &&
                         WordAt(bytes, 29) == 2 && WordAt(bytes, 31) == 3 &&
                         WordAt(bytes, 33) == 1 && WordAt(bytes, 119) == 4;
  if (!header_ok) {
    screen.ShowMessage(Icon::kError, kWvBadFormatCaption, kWvBadFormat);
    return false;
  }
  ByteReader in(bytes);
  in.Skip(35);
  const float inverse_k = in.Float();
  in.Skip(8);
  const uint16_t rast = in.U16();
  const uint16_t gain = in.U16();
  in.Skip(8);
  const int32_t curs1 = static_cast<int32_t>(in.U32());
  const int32_t curs2 = static_cast<int32_t>(in.U32());
  in.Skip(6);
  const uint16_t diap_word = in.U16();
  const uint16_t pulse = in.U16();
  in.Skip(121 - 77);
  const int n = in.U16();

  const float k = 100.0f / inverse_k;
  TraceSettings s;
  s.rast = rast;
  s.db = gain == 0 ? 0 : static_cast<int16_t>(std::trunc(20.0 * std::log10(gain)));
  s.curs1 = static_cast<int16_t>(curs1);
  s.curs2 = static_cast<int16_t>(curs2);
  s.imp = WvPulseWidth(pulse);
  s.diap =
      TruncateToU16(static_cast<float>(diap_word) * 0.1497006f * 0.1f * static_cast<float>(n) / k);

  // The samples: all N must be there; more than the record takes are dropped.
  std::span<const uint8_t> words = in.View(2 * static_cast<size_t>(n));
  if (!in.ok()) {
    ShowFileError(screen, kReadFileError, path);
    return false;
  }
  const int capacity = std::min(SampleCount(page, firmware), record.sample_capacity());
  const int kept = std::min(n, capacity);
  if (n > capacity) screen.ShowMessage(Icon::kWarning, kDataLossCaption, kDataLossText);
  int largest = 0;
  for (int i = 0; i < kept; ++i) largest = std::max<int>(largest, words[2 * i + 1]);
  float divisor = static_cast<float>(largest) / 63.0f;
  if (divisor < 1.0f) divisor = 1.0f;
  std::vector<uint8_t> samples(kept);
  for (int i = 0; i < kept; ++i) {
    samples[i] = static_cast<uint8_t>(63.0f - static_cast<float>(words[2 * i + 1]) / divisor);
  }

  const uint8_t five = in.U8();
  const uint8_t zero = in.U8();
  if (!in.ok()) {
    ShowFileError(screen, kReadFileError, path);
    return false;
  }
  if (five != 5 || zero != 0) {
    screen.ShowMessage(Icon::kError, kWvBadFormatCaption, kWvBadFormat);
    return false;
  }
  std::span<const uint8_t> fields[6];
  for (auto& field : fields) {
    const uint16_t length = in.U16();
    field = in.View(length);
  }
  if (!in.ok()) {
    ShowFileError(screen, kReadFileError, path);
    return false;
  }

  record.set_settings(s);
  for (int i = 0; i < kept; ++i) record.set_sample(i, samples[i]);
  record.set_name_bytes({reinterpret_cast<const char*>(fields[0].data()), fields[0].size()});
  record.set_date(TwoDigits(fields[1], 6), TwoDigits(fields[1], 3), TwoDigits(fields[1], 0));
  block.set_velocity_factor(k);
  return true;
}

}  // namespace telvane
