#include "testers/ethernet/rfc2544_result.h"

#include "base/sprintf.h"

namespace telvane {
namespace {

struct SectionLayout {
  const char* name;
  size_t enable, threshold, status, results, verdicts, seconds;
};

constexpr SectionLayout kLayout[] = {
    {"Throughput", 245, 272, 404, 408, 458, 472},
    {"Back-to-Back", 246, 288, 476, 480, 530, 544},
    {"Frame loss", 247, 300, 548, 552, 602, 616},
    {"Latency", 248, 320, 620, 624, 684, 696},
};

const SectionLayout& Layout(Rfc2544Section s) { return kLayout[static_cast<int>(s)]; }

template <size_t N>
std::string Named(const char* const (&names)[N], uint8_t code) {
  return code < N ? names[code] : "?";
}

}  // namespace

DateTime Rfc2544Result::Stamp(size_t offset) const {
  DateTime when;
  when.second = static_cast<int>(U32(offset));
  when.minute = static_cast<int>(U32(offset + 4));
  when.hour = static_cast<int>(U32(offset + 8));
  when.day = static_cast<int>(U32(offset + 12));
  when.month = static_cast<int>(U32(offset + 16));
  when.year = static_cast<int>(U32(offset + 20));
  return when;
}

int Rfc2544Result::frame_size_count() const {
  const auto n = static_cast<int32_t>(U32(356));
  return n < 0 ? 0 : (n > kMaxFrameSizes ? kMaxFrameSizes : n);
}

bool Rfc2544Result::section_run(Rfc2544Section s) const { return U8(Layout(s).enable) != 0; }
float Rfc2544Result::threshold(Rfc2544Section s) const { return F32(Layout(s).threshold); }
uint8_t Rfc2544Result::status(Rfc2544Section s) const { return U8(Layout(s).status); }
float Rfc2544Result::result(Rfc2544Section s, int i) const {
  return F32(Layout(s).results + 4 * static_cast<size_t>(i));
}
uint8_t Rfc2544Result::verdict(Rfc2544Section s, int i) const {
  return U8(Layout(s).verdicts + static_cast<size_t>(i));
}
uint32_t Rfc2544Result::section_seconds(Rfc2544Section s) const { return U32(Layout(s).seconds); }

std::string SectionName(Rfc2544Section s) { return Layout(s).name; }

std::string RateText(float rate, uint8_t rate_code, int unit) {
  if (unit == static_cast<int>(RateUnit::kPercent)) {
    return Sprintf("%3.1f %%", static_cast<double>(rate));
  }
  if (unit != static_cast<int>(RateUnit::kMbit)) return "error units";
  const std::optional<double> factor = MbitPerPercent(rate_code);
  if (!factor) return "error speed";
  return Sprintf("%4.1f Мбит/c", static_cast<double>(rate) * *factor);
}

std::optional<double> MbitPerPercent(uint8_t rate_code) {
  static const double kFactor[] = {0.1, 1.0, 10.0};
  if (rate_code > 2) return std::nullopt;
  return kFactor[rate_code];
}

std::string LatencyText(float value, uint8_t unit) {
  const auto v = static_cast<double>(value);
  if (unit == 0) return Sprintf("%.1f мкс", v);
  if (unit == 1) return Sprintf("%.1f мс", v);
  return Sprintf("%.1f ??", v);
}

std::string DurationText(uint32_t seconds) {
  return Sprintf("%2.2u:%2.2u:%2.2u", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

std::string StatusText(uint8_t status) {
  switch (status) {
    case 3:
      return "прерван";
    case 6:
      return "потеря связи";
    default:
      return "?";
  }
}

std::string VerdictText(uint8_t verdict) {
  static const char* const kNames[] = {"", "НЕ ПРОЙДЕН", "пройден"};
  return Named(kNames, verdict);
}

std::string FrameSizeText(const Rfc2544Result& r, int i) {
  if (i >= 10) return "?";
  return Sprintf("%u", r.frame_size(i));
}

std::string SectionCellText(const Rfc2544Result& r, Rfc2544Section s, int i, int unit) {
  const uint8_t status = r.status(s);
  if (status != 2) return StatusText(status);
  if (s == Rfc2544Section::kLatency) return LatencyText(r.result(s, i), r.latency_unit());
  return RateText(r.result(s, i), r.rate_code(), unit);
}

std::string OverallVerdict(const Rfc2544Result& r) {
  for (Rfc2544Section s : kRfc2544Sections) {
    if (!r.section_run(s)) continue;
    if (r.status(s) != 2) return "НЕ ПРОЙДЕН";
    for (int i = 0; i < r.frame_size_count(); ++i) {
      const uint8_t v = r.verdict(s, i);
      if (v != 0 && v != 2) return "НЕ ПРОЙДЕН";
    }
  }
  return "пройден";
}

std::string ResultDateText(const DateTime& t) {
  return Sprintf("%2.2u.%2.2u.%4.4u %2.2u:%2.2u:%2.2u", static_cast<unsigned>(t.day),
                 static_cast<unsigned>(t.month), static_cast<unsigned>(t.year),
                 static_cast<unsigned>(t.hour), static_cast<unsigned>(t.minute),
                 static_cast<unsigned>(t.second));
}

std::string ResultSummary(const Rfc2544Result& r) {
  if (!r.holds_result()) return "Файл пуст";
  return "Начало измерения: " + ResultDateText(r.start()) + "\r\n" +
         "Окончание измерения: " + ResultDateText(r.end()) + "\r\n";
}

std::string InterfaceText(uint8_t code) {
  static const char* const kNames[] = {"медный", "оптический"};
  return Named(kNames, code);
}

std::string AutonegotiationText(uint8_t code) {
  static const char* const kNames[] = {"да", "нет"};
  return Named(kNames, code);
}

std::string SpeedText(uint8_t code) {
  static const char* const kNames[] = {"10", "100", "1000"};
  return Named(kNames, code) + " Мбит/c";
}

std::string DuplexText(uint8_t code) {
  static const char* const kNames[] = {"нет", "полный"};
  return Named(kNames, code);
}

std::string FlowControlText(uint8_t code) {
  static const char* const kNames[] = {"нет", "да"};
  return Named(kNames, code);
}

std::string MacText(const uint8_t* m) {
  return Sprintf("%2.2X:%2.2X:%2.2X:%2.2X:%2.2X:%2.2X", m[0], m[1], m[2], m[3], m[4], m[5]);
}

std::string IpText(const uint8_t* ip) { return Sprintf("%u.%u.%u.%u", ip[0], ip[1], ip[2], ip[3]); }

std::string TosText(uint8_t tos) {
  std::string bits;
  for (int bit = 7; bit >= 0; --bit) bits += ((tos >> bit) & 1) != 0 ? '1' : '0';
  return bits + Sprintf(" (0x%X)", static_cast<unsigned>(tos));
}

std::string MethodText(uint8_t method) {
  static const char* const kNames[] = {"Cut-throught", "Store&forward"};
  return Named(kNames, method);
}

}  // namespace telvane
