#include "storage/trace/reflectogram_record.h"

#include <algorithm>
#include <cstring>

#include "base/cp1251.h"
#include "base/values.h"

namespace telvane {
namespace {

constexpr size_t kCompactName = 17;
constexpr size_t kExtendedName = 41;

}  // namespace

ReflectogramRecord::ReflectogramRecord(RecordForm form) : form_(form) {}

size_t ReflectogramRecord::size() const {
  return form_ == RecordForm::kCompact ? kCompactSize : kExtendedSize;
}

size_t ReflectogramRecord::name_size() const {
  return form_ == RecordForm::kCompact ? kCompactName : kExtendedName;
}

int ReflectogramRecord::sample_capacity() const {
  return form_ == RecordForm::kCompact ? 128 : 160;
}

std::string ReflectogramRecord::name_bytes() const {
  const char* begin = reinterpret_cast<const char*>(bytes_.data());
  return std::string(begin, strnlen(begin, name_size()));
}

std::string ReflectogramRecord::name() const { return Cp1251ToUtf8(name_bytes()); }

void ReflectogramRecord::set_name_bytes(std::string_view cp1251) {
  const size_t n = std::min(cp1251.size(), name_size() - 1);
  std::fill_n(bytes_.begin(), name_size(), 0);
  std::memcpy(bytes_.data(), cp1251.data(), n);
}

void ReflectogramRecord::set_name(std::string_view utf8) { set_name_bytes(Utf8ToCp1251(utf8)); }

void ReflectogramRecord::set_date(uint8_t year, uint8_t month, uint8_t day) {
  bytes_[date_offset()] = year;
  bytes_[date_offset() + 1] = month;
  bytes_[date_offset() + 2] = day;
}

TraceSettings ReflectogramRecord::settings() const {
  const uint8_t* p = bytes_.data() + settings_offset();
  TraceSettings s;
  s.imp = LoadLe16(p);
  s.offset = LoadLe16(p + 2);
  s.diap = LoadLe16(p + 4);
  s.rast = LoadLe16(p + 6);
  s.middl = LoadLe16(p + 8);
  s.db = static_cast<int16_t>(LoadLe16(p + 10));
  s.curs1 = static_cast<int16_t>(LoadLe16(p + 12));
  s.curs2 = static_cast<int16_t>(LoadLe16(p + 14));
  s.virt_zero_x = LoadLe16(p + 16);
  s.virt_meas_x = static_cast<int16_t>(LoadLe16(p + 18));
  s.active_cursor = p[20];
  s.virt_left = LoadLe16(p + 21);
  s.virt_right = LoadLe16(p + 23);
  return s;
}

void ReflectogramRecord::set_settings(const TraceSettings& s) {
  uint8_t* p = bytes_.data() + settings_offset();
  StoreLe16(s.imp, p);
  StoreLe16(s.offset, p + 2);
  StoreLe16(s.diap, p + 4);
  StoreLe16(s.rast, p + 6);
  StoreLe16(s.middl, p + 8);
  StoreLe16(static_cast<uint16_t>(s.db), p + 10);
  StoreLe16(static_cast<uint16_t>(s.curs1), p + 12);
  StoreLe16(static_cast<uint16_t>(s.curs2), p + 14);
  StoreLe16(s.virt_zero_x, p + 16);
  StoreLe16(static_cast<uint16_t>(s.virt_meas_x), p + 18);
  p[20] = s.active_cursor;
  StoreLe16(s.virt_left, p + 21);
  StoreLe16(s.virt_right, p + 23);
}

uint8_t ReflectogramRecord::sample(int index) const {
  if (index < 0 || index >= sample_capacity()) return 0;
  return bytes_[samples_offset() + index];
}

void ReflectogramRecord::set_sample(int index, uint8_t value) {
  if (index < 0 || index >= sample_capacity()) return;
  bytes_[samples_offset() + index] = value;
}

float ReflectogramRecord::coordination(int sample_count) const {
  if (form_ != RecordForm::kExtended) return 0.0f;
  return LoadLeFloat(bytes_.data() + samples_offset() + (sample_count == 160 ? 160 : 128));
}

void ReflectogramRecord::set_coordination(int sample_count, float value) {
  if (form_ != RecordForm::kExtended) return;
  StoreLeFloat(value, bytes_.data() + samples_offset() + (sample_count == 160 ? 160 : 128));
}

ReflectogramRecord ToExtended(const ReflectogramRecord& compact) {
  if (compact.form() == RecordForm::kExtended) return compact;
  ReflectogramRecord extended(RecordForm::kExtended);
  extended.set_name_bytes(compact.name_bytes());
  extended.set_date(compact.year(), compact.month(), compact.day());
  extended.set_settings(compact.settings());
  std::copy_n(compact.samples().begin(), 128, extended.samples().begin());
  return extended;
}

ReflectogramRecord ToCompact(const ReflectogramRecord& extended) {
  if (extended.form() == RecordForm::kCompact) return extended;
  ReflectogramRecord compact(RecordForm::kCompact);
  compact.set_name_bytes(extended.name_bytes());  // cut to 16 bytes
  compact.set_date(extended.year(), extended.month(), extended.day());
  compact.set_settings(extended.settings());
  std::copy_n(extended.samples().begin(), 128, compact.samples().begin());
  return compact;
}

}  // namespace telvane
