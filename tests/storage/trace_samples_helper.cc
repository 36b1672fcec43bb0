#include <cstring>

#include "storage/trace_samples.h"

namespace telvane::testing {

ReflectogramRecord SampleRecord(RecordForm form) {
  ReflectogramRecord r(form);
  r.set_name("КАБЕЛЬ 1");
  r.set_date(26, 12, 9);
  TraceSettings s;
  s.imp = 3;
  s.offset = 7;
  s.diap = 1000;
  s.rast = 4;
  s.middl = 16;
  s.db = 50;
  s.curs1 = -5;
  s.curs2 = 300;
  s.virt_zero_x = 1;
  s.virt_meas_x = -2;
  s.active_cursor = 1;
  s.virt_left = 10;
  s.virt_right = 200;
  r.set_settings(s);
  for (int i = 0; i < r.sample_capacity(); ++i) r.set_sample(i, static_cast<uint8_t>(i % 64));
  return r;
}

CableBlock SampleBlock(RecordForm form) {
  CableBlock b(form);
  b.set_value0(0x1234);
  b.set_section_count(2);
  b.set_section(0, {3, 1500.0f, 100.0f, 0.5f, 1.5f});
  b.set_section(1, {7, 250.0f, 16.0f, 0.25f, 2.0f});
  if (form == RecordForm::kExtended) {
    b.set_pair_count(50);
    b.set_temperature(18.5f);
    b.set_charge_time(9);
    for (int i = 0; i < 4; ++i) b.bytes()[15 + 17 + i] = static_cast<uint8_t>(0xA1 + i);
  }
  return b;
}

std::vector<uint8_t> Le16(uint16_t v) { return {uint8_t(v), uint8_t(v >> 8)}; }
std::vector<uint8_t> Le32(uint32_t v) {
  return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}
std::vector<uint8_t> LeFloat(float v) {
  uint32_t bits;
  std::memcpy(&bits, &v, 4);
  return Le32(bits);
}

}  // namespace telvane::testing
