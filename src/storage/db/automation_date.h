// Automation dates: days since 30 December 1899 as a double, the fraction the
// time of day. This is how the database's date columns hold their values.
#ifndef TELVANE_STORAGE_DB_AUTOMATION_DATE_H_
#define TELVANE_STORAGE_DB_AUTOMATION_DATE_H_

#include <optional>
#include <string>

#include "base/screen.h"

namespace telvane {

// Whether day, month and year make a real calendar date (year 100..9999).
bool IsCalendarDate(int year, int month, int day);
// nullopt when the date is not a calendar date.
std::optional<double> ToAutomationDate(const DateTime& when);
DateTime FromAutomationDate(double days);
// "dd.mm.yyyy" of the day the value falls on.
std::string AutomationDateText(double days);

}  // namespace telvane

#endif  // TELVANE_STORAGE_DB_AUTOMATION_DATE_H_
