#include "testers/e1/e1_intervals.h"

#include <algorithm>

#include "base/sprintf.h"

namespace telvane {
namespace {

using C = E1Record::Counter;

constexpr double kCodeRate = 2048000.0;   // line bits per second
constexpr double kChannelRate = 64000.0;  // bits per second of one channel
constexpr double kFasRate = 4000.0;       // frame alignment words per second
constexpr double kMfasRate = 500.0;       // CAS multiframes per second
constexpr double kCrcRate = 1000.0;       // CRC-4 submultiframes (blocks) per second

bool IsError(C c) { return c <= E1Record::kEbit; }

std::optional<double> Fraction(double count, double denominator) {
  if (!(denominator > 0)) return std::nullopt;
  return count / denominator;
}

// count / ((t - lost) x rate), 1 when the whole time was lost.
std::optional<double> Aligned(const E1Interval& in, C counter, C lost, double rate) {
  const double t = static_cast<double>(in.seconds());
  const double lost_seconds = static_cast<double>(in.count[lost]);
  if (lost_seconds >= t) return 1.0;
  return Fraction(static_cast<double>(in.count[counter]), (t - lost_seconds) * rate);
}

// A percentage of the available seconds `available`.
std::optional<double> OfAvailable(const E1Interval& in, C counter, C available) {
  return Fraction(static_cast<double>(in.count[counter]) * 100.0,
                  static_cast<double>(in.count[available]));
}

// G.826 blocks: errored blocks of the available time; background block errors
// of the available time outside severely errored seconds.
std::optional<double> Blocks(const E1Interval& in, C counter, C ses, C available) {
  const double seconds = static_cast<double>(in.count[available]) -
                         (counter == E1Record::kNearBbe || counter == E1Record::kFarBbe
                              ? static_cast<double>(in.count[ses])
                              : 0.0);
  return Fraction(static_cast<double>(in.count[counter]) * 100.0, seconds * kCrcRate);
}

E1ResultRow Row(const E1Interval& in, const E1Header& header, const char* name, C counter) {
  E1ResultRow row;
  row.name = name;
  row.count = in.count[counter];
  const std::optional<double> ratio = E1Ratio(in, header, counter);
  if (!ratio) {
    row.ratio = "-";
  } else if (IsError(counter)) {
    row.ratio = Sprintf("%1.3e", *ratio);
  } else {
    row.ratio = Sprintf("%.3f %%", *ratio);
  }
  return row;
}

}  // namespace

E1Interval ComputeInterval(const E1Record* previous, const E1Record& current) {
  E1Interval in;
  for (int i = 0; i < E1Record::kCounterCount; ++i) {
    const auto c = static_cast<C>(i);
    const int64_t before = previous != nullptr ? previous->counter(c) : 0;
    const int64_t difference = static_cast<int64_t>(current.counter(c)) - before;
    // A counter that went back (G.826, M.2100, or a restarted count) counts 0.
    in.count[i] = difference > 0 ? static_cast<uint64_t>(difference) : 0;
  }
  for (C lost : {E1Record::kLof, E1Record::kLomCas, E1Record::kLomCrc}) {
    in.count[lost] = std::min(in.count[lost], in.seconds());
  }
  return in;
}

E1Interval IntervalOf(const std::vector<E1Record>& records, size_t index) {
  return ComputeInterval(index > 0 ? &records[index - 1] : nullptr, records[index]);
}

std::optional<double> E1Ratio(const E1Interval& in, const E1Header& header, C counter) {
  const double t = static_cast<double>(in.seconds());
  if (!(t > 0)) return std::nullopt;
  const double count = static_cast<double>(in.count[counter]);
  switch (counter) {
    case E1Record::kCode:
      return count / (t * kCodeRate);
    case E1Record::kBit: {
      const int channels = header.channels_on();
      if (header.bit_control() != 1 || channels <= 0) return 0.0;
      return count / (channels * t * kChannelRate);
    }
    case E1Record::kFas:
      return Aligned(in, counter, E1Record::kLof, kFasRate);
    case E1Record::kMfas:
      return Aligned(in, counter, E1Record::kLomCas, kMfasRate);
    case E1Record::kCrc:
    case E1Record::kEbit:
      return Aligned(in, counter, E1Record::kLomCrc, kCrcRate);
    case E1Record::kNearEb:
    case E1Record::kNearBbe:
      return Blocks(in, counter, E1Record::kNearSes, E1Record::kNearAs);
    case E1Record::kFarEb:
    case E1Record::kFarBbe:
      return Blocks(in, counter, E1Record::kFarSes, E1Record::kFarAs);
    case E1Record::kNearEs:
    case E1Record::kNearSes:
      return OfAvailable(in, counter, E1Record::kNearAs);
    case E1Record::kFarEs:
    case E1Record::kFarSes:
      return OfAvailable(in, counter, E1Record::kFarAs);
    case E1Record::kM2100NearEs:
    case E1Record::kM2100NearSes:
      return OfAvailable(in, counter, E1Record::kM2100NearAs);
    case E1Record::kM2100FarEs:
    case E1Record::kM2100FarSes:
      return OfAvailable(in, counter, E1Record::kM2100FarAs);
    default:
      // Alarm seconds, G.821, and the unavailable and available seconds of
      // G.826 and M.2100: a share of the whole interval.
      return count * 100.0 / t;
  }
}

std::vector<E1ResultSection> E1Results(const E1Interval& in, const E1Header& h) {
  using R = E1Record;
  auto section = [&](const char* title, const char* heading,
                     std::initializer_list<std::pair<const char*, C>> rows) {
    E1ResultSection s{title, heading, {}};
    for (const auto& [name, counter] : rows) s.rows.push_back(Row(in, h, name, counter));
    return s;
  };
  constexpr char kPercent[] = "Коэффициент, %";
  return {
      section("Ошибки", "Коэффициент",
              {{"CODE", R::kCode},
               {"BIT", R::kBit},
               {"FAS", R::kFas},
               {"MFAS", R::kMfas},
               {"CRC", R::kCrc},
               {"EBIT", R::kEbit}}),
      section("Аварийные секунды", kPercent,
              {{"LOS", R::kLos},
               {"AIS", R::kAis},
               {"LOF", R::kLof},
               {"LOM CAS", R::kLomCas},
               {"LOM CRC", R::kLomCrc},
               {"RAI", R::kRai},
               {"MRAI", R::kMrai},
               {"LSS", R::kLss}}),
      section("Результаты G.821", kPercent,
              {{"ES", R::kG821Es}, {"SES", R::kG821Ses}, {"US", R::kG821Us}, {"AS", R::kG821As}}),
      section("Результаты G.826 (ближний конец)", kPercent,
              {{"EB", R::kNearEb},
               {"BBE", R::kNearBbe},
               {"ES", R::kNearEs},
               {"SES", R::kNearSes},
               {"US", R::kNearUs},
               {"AS", R::kNearAs}}),
      section("Результаты G.826 (дальний конец)", kPercent,
              {{"EB", R::kFarEb},
               {"BBE", R::kFarBbe},
               {"ES", R::kFarEs},
               {"SES", R::kFarSes},
               {"US", R::kFarUs},
               {"AS", R::kFarAs}}),
      section("Результаты M.2100 (ближний конец)", kPercent,
              {{"ES", R::kM2100NearEs},
               {"SES", R::kM2100NearSes},
               {"US", R::kM2100NearUs},
               {"AS", R::kM2100NearAs}}),
      section("Результаты M.2100 (дальний конец)", kPercent,
              {{"ES", R::kM2100FarEs},
               {"SES", R::kM2100FarSes},
               {"US", R::kM2100FarUs},
               {"AS", R::kM2100FarAs}}),
  };
}

}  // namespace telvane
