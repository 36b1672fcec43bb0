#include "testers/line/line_traces.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/sprintf.h"
#include "base/values.h"
#include "storage/trace/plot/record_trace.h"

namespace telvane {

LineTrace LineTrace::FromWire(std::span<const uint8_t, kLineTraceSize> bytes) {
  LineTrace trace;
  std::memcpy(trace.record.bytes().data(), bytes.data(), ReflectogramRecord::kCompactSize);
  for (uint8_t& sample : trace.record.samples()) sample = std::min<uint8_t>(sample, 63);
  trace.k = LoadLeFloat(bytes.data() + kLineTraceKAt);
  return trace;
}

double LineTrace::UsableK() const {
  return std::isfinite(k) && k >= 1.0f && k <= 10.0f ? static_cast<double>(k) : 1.0;
}

CableBlock LineTrace::Block() const {
  CableBlock block(RecordForm::kCompact);
  block.set_section_count(1);
  CableBlockSection section;
  section.fourth = static_cast<float>(UsableK());
  block.set_section(0, section);
  return block;
}

std::string LineTrace::Line(int number) const {
  std::string line = Sprintf("РФГ №%.2d", number);
  const std::string name = record.name();
  if (!name.empty()) line += "  " + name;
  return line;
}

std::vector<std::pair<std::string, std::string>> LineTrace::Panel() const {
  const TraceSettings s = record.settings();
  return {
      {"Имя", record.name()},
      {"Дата", Sprintf("%.2u.%.2u.%.2u", record.day(), record.month(), record.year())},
      {"Импульс, нс", Sprintf("%u", s.imp)},
      {"Диапазон, м", Sprintf("%u", s.diap)},
      {"Растяжка", Sprintf("%u", s.rast)},
      {"Усреднение", Sprintf("%u", s.middl)},
      {"Усиление, дБ", Sprintf("%d", s.db)},
      {"К.У.", Sprintf("%.3f", UsableK())},
  };
}

PlotTrace LineTrace::Plot(std::string label) const {
  const TraceSettings s = record.settings();
  // Without a range the samples are their own scale, one metre each.
  const bool scaled = s.diap > 0;
  PlotTrace trace =
      TraceFromRecord(record, kLineTraceSamples, Block(), scaled ? s.diap : kLineTraceSamples,
                      scaled ? std::max<int>(1, s.rast) : 1, std::move(label));
  if (!scaled) trace.scale.k = 1;
  return trace;
}

}  // namespace telvane
