// The reflectogram record in its two forms, as the reflectometers send it and
// the trace files and the database store it.
//
// Compact form (173 bytes, older page, RFG 1.1/1.2, database):
//   0 name[17] (zero-ended) | 17 year-2000 | 18 month | 19 day |
//   20 settings (25 bytes) | 45 samples[128]
// Extended form (233 bytes, newer page): the name takes 41 bytes, so the date
// starts at 41, the settings at 44 and the samples at 69; 128 or 160 samples
// (by firmware) are followed by a float, the coordination value of the trace.
//
// Settings, little-endian, from the settings offset: TDRimp u16, TDRoffset u16,
// TDRdiap u16, TDRrast u16, TDRmiddl u16, TDRdB s16, TDRcurs1_M s16,
// TDRcurs2_M s16, TDRvirtZeroX u16, TDRvirtMeasX s16, TDRactiveCursor u8,
// TDRvirtLeftSide u16, TDRvirtRightSide u16.
//
// Samples are 0 to 63, 0 for the largest amplitude. Every byte of the record is
// kept, including those no accessor names.
#ifndef TELVANE_STORAGE_TRACE_REFLECTOGRAM_RECORD_H_
#define TELVANE_STORAGE_TRACE_REFLECTOGRAM_RECORD_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace telvane {

enum class RecordForm { kCompact, kExtended };

struct TraceSettings {
  uint16_t imp = 0;           // TDRimp: probe pulse width, ns
  uint16_t offset = 0;        // TDRoffset
  uint16_t diap = 0;          // TDRdiap: range
  uint16_t rast = 0;          // TDRrast: stretch
  uint16_t middl = 0;         // TDRmiddl: averaging
  int16_t db = 0;             // TDRdB: gain, dB
  int16_t curs1 = 0;          // TDRcurs1_M
  int16_t curs2 = 0;          // TDRcurs2_M
  uint16_t virt_zero_x = 0;   // TDRvirtZeroX
  int16_t virt_meas_x = 0;    // TDRvirtMeasX
  uint8_t active_cursor = 0;  // TDRactiveCursor
  uint16_t virt_left = 0;     // TDRvirtLeftSide
  uint16_t virt_right = 0;    // TDRvirtRightSide

  bool operator==(const TraceSettings&) const = default;
};

class ReflectogramRecord {
 public:
  static constexpr size_t kCompactSize = 173;
  static constexpr size_t kExtendedSize = 233;
  static constexpr size_t kSettingsSize = 25;

  // An all-zero record of the given form.
  explicit ReflectogramRecord(RecordForm form = RecordForm::kCompact);

  RecordForm form() const { return form_; }
  // 173 or 233.
  size_t size() const;
  std::span<uint8_t> bytes() { return {bytes_.data(), size()}; }
  std::span<const uint8_t> bytes() const { return {bytes_.data(), size()}; }
  // Sets every byte to zero.
  void Clear() { bytes_.fill(0); }

  // Size of the name field: 17 or 41; the name holds one byte less.
  size_t name_size() const;
  // The name up to its zero byte (or the end of the field), as UTF-8.
  std::string name() const;
  // The name's CP1251 bytes, up to its zero byte.
  std::string name_bytes() const;
  // Stores the CP1251 form of `utf8`, cut to name_size() - 1 bytes; the rest of
  // the field becomes zero.
  void set_name(std::string_view utf8);
  void set_name_bytes(std::string_view cp1251);

  uint8_t year() const { return bytes_[date_offset()]; }  // year - 2000
  uint8_t month() const { return bytes_[date_offset() + 1]; }
  uint8_t day() const { return bytes_[date_offset() + 2]; }
  void set_date(uint8_t year, uint8_t month, uint8_t day);

  TraceSettings settings() const;
  void set_settings(const TraceSettings& settings);

  // Room for samples: 128 compact, 160 extended.
  int sample_capacity() const;
  uint8_t sample(int index) const;
  void set_sample(int index, uint8_t value);
  std::span<uint8_t> samples() {
    return {bytes_.data() + samples_offset(), static_cast<size_t>(sample_capacity())};
  }
  std::span<const uint8_t> samples() const {
    return {bytes_.data() + samples_offset(), static_cast<size_t>(sample_capacity())};
  }

  // Extended form: the float after `sample_count` (128 or 160) samples.
  float coordination(int sample_count) const;
  void set_coordination(int sample_count, float value);

  size_t date_offset() const { return name_size(); }
  size_t settings_offset() const { return name_size() + 3; }
  size_t samples_offset() const { return settings_offset() + kSettingsSize; }

  bool operator==(const ReflectogramRecord& other) const {
    return form_ == other.form_ && bytes_ == other.bytes_;
  }

 private:
  RecordForm form_;
  std::array<uint8_t, kExtendedSize> bytes_{};
};

// The extended form of a compact record: name, date, settings and the 128
// samples moved to their extended offsets; everything else zero.
ReflectogramRecord ToExtended(const ReflectogramRecord& compact);
// The compact form of an extended record: the name cut to 16 bytes, date,
// settings and the first 128 samples.
ReflectogramRecord ToCompact(const ReflectogramRecord& extended);

}  // namespace telvane

#endif  // TELVANE_STORAGE_TRACE_REFLECTOGRAM_RECORD_H_
