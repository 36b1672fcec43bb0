#include "cable/trace6/trace6_export.h"

#include <algorithm>
#include <cmath>

#include "base/sprintf.h"
#include "storage/trace/rfg_file.h"
#include "storage/worksheet_writer.h"

namespace telvane {
namespace {

// The section byte of the export's one cable section.
constexpr uint8_t kExportSectionType = 39;

uint16_t Clamp16(int v) { return static_cast<uint16_t>(std::clamp(v, 0, 65535)); }

}  // namespace

CableBlock Trace6Block(const Trace6Info& info) {
  CableBlock block(RecordForm::kExtended);
  block.set_value0(0);
  block.set_section_count(1);
  CableBlockSection section;
  section.type_index = kExportSectionType;
  section.length = static_cast<float>(info.range_m());
  section.length_in_points = 128.0f;
  section.fourth = static_cast<float>(info.k());
  block.set_section(0, section);
  return block;
}

ReflectogramRecord Trace6Record(const Trace6Info& info, std::span<const uint8_t> samples) {
  ReflectogramRecord record(RecordForm::kExtended);
  record.set_date(static_cast<uint8_t>(info.year), static_cast<uint8_t>(info.month),
                  static_cast<uint8_t>(info.day));
  TraceSettings s;
  s.imp = Clamp16(info.pulse_ns());
  s.diap = Clamp16(info.range_m());
  s.rast = Clamp16(info.stretch());
  s.middl = Clamp16(info.averaging);
  s.db = static_cast<int16_t>(info.gain_db());
  s.curs1 = info.cursor1;
  s.curs2 = info.cursor2;
  record.set_settings(s);
  const auto v = Trace6ExportAmplitudes(samples);
  const uint16_t largest = *std::max_element(v.begin(), v.end());
  const double divisor = std::max(1.0, largest / 63.0);
  for (int i = 0; i < trace6::kExportSamples; ++i) {
    const double scaled = std::trunc((largest - v[static_cast<size_t>(i)]) / divisor);
    record.set_sample(i, static_cast<uint8_t>(std::clamp(scaled, 0.0, 63.0)));
  }
  return record;
}

bool WriteTrace6Rfg(Screen& screen, const std::string& path, const Trace6Info& info,
                    std::span<const uint8_t> samples) {
  return WriteRfg(screen, path, RfgVersion::k30, Trace6Block(info), Trace6Record(info, samples));
}

bool WriteTrace6Worksheet(Screen& screen, const std::string& path, const std::string& instrument,
                          const std::string& serial, const Trace6Info& info,
                          std::span<const uint8_t> samples) {
  constexpr uint8_t kLeft = 1, kRight = 3, kCentred = 2, kBoxedLeftHead = 106,
                    kBoxedRightHead = 114;
  WorksheetWriter w;
  bool ok = w.Open(path);
  ok &= w.WriteColumnWidth(0, 1, 15, 255);
  ok &= w.WriteLabel(0, 0, 0, Sprintf("Наименование прибора: %s", instrument.c_str()), 0, kLeft);
  ok &= w.WriteLabel(1, 0, 0, Sprintf("Серийный номер: %s", serial.c_str()), 0, kLeft);
  const struct {
    const char* label;
    double value;
  } settings[] = {
      {"Диапазон:", static_cast<double>(info.range_m())},
      {"Растяжка: ", static_cast<double>(info.stretch())},
      {"Импульс (нс):", static_cast<double>(info.pulse_ns())},
      {"Усиление (дБ): ", static_cast<double>(info.gain_db())},
      {"К.У.:", info.k()},
  };
  uint16_t row = 3;
  for (const auto& s : settings) {
    ok &= w.WriteLabel(row, 0, 0, s.label, 0, kLeft);
    ok &= w.WriteNumber(row, 1, 0, s.value, 0, kRight);
    ++row;
  }
  ok &= w.WriteLabel(9, 0, 0, "№ отсчёта", 0, kBoxedLeftHead);
  ok &= w.WriteLabel(9, 1, 0, "Значение", 0, kBoxedRightHead);
  const auto v = Trace6ExportAmplitudes(samples);
  for (int i = 0; i < trace6::kExportSamples; ++i) {
    const uint16_t r = static_cast<uint16_t>(10 + i);
    ok &= w.WriteInteger(r, 0, 0, static_cast<uint16_t>(i), 0, kCentred);
    ok &= w.WriteNumber(r, 1, 0, v[static_cast<size_t>(i)], 0, kRight);
  }
  ok &= w.Close();
  if (!ok) screen.ShowMessage(Icon::kError, "Ошибка", kWorksheetFailed);
  return ok;
}

}  // namespace telvane
