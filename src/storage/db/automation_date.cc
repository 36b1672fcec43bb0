#include "storage/db/automation_date.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace telvane {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::sys_days;
using std::chrono::year;
using std::chrono::year_month_day;

const sys_days kEpoch = year_month_day{year{1899}, month{12}, day{30}};

}  // namespace

bool IsCalendarDate(int y, int m, int d) {
  if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) return false;
  return year_month_day{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}}
      .ok();
}

std::optional<double> ToAutomationDate(const DateTime& when) {
  if (!IsCalendarDate(when.year, when.month, when.day)) return std::nullopt;
  const sys_days date = year_month_day{year{when.year}, month{static_cast<unsigned>(when.month)},
                                       day{static_cast<unsigned>(when.day)}};
  const double days = static_cast<double>((date - kEpoch).count());
  const double seconds = when.hour * 3600.0 + when.minute * 60.0 + when.second;
  // Dates before the epoch count their time of day away from it, as the
  // format defines; the program only writes later dates.
  return days + (days < 0 ? -seconds : seconds) / 86400.0;
}

DateTime FromAutomationDate(double value) {
  DateTime out;
  if (!std::isfinite(value) || std::fabs(value) > 3000000.0) return out;
  const double whole = std::trunc(value);
  const sys_days date = kEpoch + std::chrono::days{static_cast<long>(whole)};
  const year_month_day ymd{date};
  out.year = static_cast<int>(ymd.year());
  out.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  out.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  long seconds = std::lround(std::fabs(value - whole) * 86400.0);
  if (seconds >= 86400) seconds = 86399;
  out.hour = static_cast<int>(seconds / 3600);
  out.minute = static_cast<int>(seconds / 60 % 60);
  out.second = static_cast<int>(seconds % 60);
  return out;
}

std::string AutomationDateText(double days) {
  const DateTime d = FromAutomationDate(days);
  char text[32];
  std::snprintf(text, sizeof text, "%.2u.%.2u.%.4u", static_cast<unsigned>(d.day),
                static_cast<unsigned>(d.month), static_cast<unsigned>(d.year));
  return text;
}

}  // namespace telvane
