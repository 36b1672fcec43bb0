#include "cable/wear/wear_record.h"

#include <cstring>

#include "base/sprintf.h"
#include "base/values.h"

namespace telvane {
namespace {

float BigEndianFloat(const uint8_t* in) {
  const uint32_t bits = UnpackBe32(in);
  float value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace

WearInfo WearInfo::FromWire(const std::array<uint8_t, kWearInfoSize>& wire) {
  WearInfo info;
  info.full_wear = BigEndianFloat(&wire[0]);
  info.sample_value = BigEndianFloat(&wire[4]);
  info.sample_wear = wire[8];
  info.count = UnpackBe16(&wire[9]);
  info.cable_length = UnpackBe16(&wire[11]);
  info.interval = wire[13] == 0 ? kDefaultWearInterval : wire[13];
  return info;
}

std::vector<WearField> WearFields(const WearInfo* info) {
  std::vector<WearField> fields = {
      {"100%-й износ кабеля", ""},
      {"Значение датчика с введенным ОБРАЗЦОМ ", ""},
      {"Значение % износа ОБРАЗЦА ", ""},
      {"Количество замеров, записанное в БД", ""},
      {"Длина кабеля", ""},
      {"Длительность интервала замера", ""},
  };
  if (info == nullptr) return fields;
  fields[0].value = Sprintf("%g", static_cast<double>(info->full_wear));
  fields[1].value = Sprintf("%g", static_cast<double>(info->sample_value));
  fields[2].value = Sprintf("%u", static_cast<unsigned>(info->sample_wear));
  fields[3].value = Sprintf("%u", static_cast<unsigned>(info->count));
  fields[4].value = Sprintf("%u", static_cast<unsigned>(info->cable_length));
  fields[5].value = Sprintf("%u", static_cast<unsigned>(info->interval));
  return fields;
}

}  // namespace telvane
