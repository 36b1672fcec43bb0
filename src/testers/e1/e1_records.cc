#include "testers/e1/e1_records.h"

#include <bit>
#include <chrono>

namespace telvane {
namespace {

constexpr size_t kOffsets[E1Record::kCounterCount] = {
    16,  20,  24,  28,  32,  36,           // CODE .. EBIT
    64,  68,  72,  76,  80,  84,  88, 92,  // alarm seconds
    132, 136, 140, 144,                    // G.821
    164, 168, 172, 176, 180, 184,          // G.826 near end
    208, 212, 216, 220, 224, 228,          // G.826 far end
    256, 260, 264, 268,                    // M.2100 near end
    288, 292, 296, 300,                    // M.2100 far end
    320,                                   // elapsed seconds
};

template <size_t N>
std::string Named(const char* const (&names)[N], uint8_t code) {
  return code < N ? names[code] : "ошибка";
}

}  // namespace

size_t E1Record::Offset(Counter counter) { return kOffsets[counter]; }

DateTime E1Header::start() const {
  DateTime when;
  when.day = U8(176);
  when.month = U8(177);
  when.year = 2000 + U8(178);
  when.hour = U8(179);
  when.minute = U8(180);
  when.second = U8(181);
  return when;
}

void E1Header::set_start(const DateTime& when) {
  SetU8(176, static_cast<uint8_t>(when.day));
  SetU8(177, static_cast<uint8_t>(when.month));
  SetU8(178, static_cast<uint8_t>(when.year - 2000));
  SetU8(179, static_cast<uint8_t>(when.hour));
  SetU8(180, static_cast<uint8_t>(when.minute));
  SetU8(181, static_cast<uint8_t>(when.second));
}

bool E1Header::channel_on(int channel) const {
  if (channel < 1 || channel > kE1Channels) return false;
  return ((U32(160) >> channel) & 1u) != 0;
}

int E1Header::channels_on() const { return std::popcount(U32(160) & 0xFFFFFFFEu); }

std::string E1LineCodeName(uint8_t code) {
  static const char* const kNames[] = {"AMI", "HDB3"};
  return Named(kNames, code);
}

std::string E1FramingName(uint8_t code) {
  static const char* const kNames[] = {"неструкт", "ИКМ-30", "ИКМ-31"};
  return Named(kNames, code);
}

std::string E1OnOffName(uint8_t code) {
  static const char* const kNames[] = {"выкл.", "вкл."};
  return Named(kNames, code);
}

std::string E1SequenceName(uint8_t code) {
  static const char* const kNames[] = {"ПСП 2E6",  "ПСП 2E7",  "ПСП 2E9",  "ПСП 2E10", "ПСП 2E11",
                                       "ПСП 2E15", "ПСП 2E20", "ПСП 2E23", "все 1",    "все 0",
                                       "55H",      "слово 8",  "слово 16"};
  return Named(kNames, code);
}

std::string E1IntervalName(uint8_t code) {
  static const char* const kNames[] = {"1 мин", "10 мин", "1 час"};
  return code < 3 ? kNames[code] : "Неизвестно";
}

DateTime AddSeconds(const DateTime& when, uint64_t seconds) {
  using namespace std::chrono;
  const year_month_day date{year{when.year}, month{static_cast<unsigned>(when.month)},
                            day{static_cast<unsigned>(when.day)}};
  // A start that is no calendar date is shown as the tester sent it.
  if (!date.ok() || when.hour > 23 || when.minute > 59 || when.second > 59) return when;
  const sys_days start{date};
  const int64_t total = static_cast<int64_t>(when.hour) * 3600 + when.minute * 60 + when.second +
                        static_cast<int64_t>(seconds);
  const sys_days day_after = start + days{total / 86400};
  const year_month_day out{day_after};
  const int64_t rest = total % 86400;
  DateTime result;
  result.year = static_cast<int>(out.year());
  result.month = static_cast<int>(static_cast<unsigned>(out.month()));
  result.day = static_cast<int>(static_cast<unsigned>(out.day()));
  result.hour = static_cast<int>(rest / 3600);
  result.minute = static_cast<int>(rest / 60 % 60);
  result.second = static_cast<int>(rest % 60);
  return result;
}

}  // namespace telvane
