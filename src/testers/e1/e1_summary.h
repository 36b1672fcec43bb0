// The texts of one E1 measurement file: its list line, the header summary,
// the record time stamps and the measurement's end.
#ifndef TELVANE_TESTERS_E1_E1_SUMMARY_H_
#define TELVANE_TESTERS_E1_E1_SUMMARY_H_

#include <string>

#include "base/screen.h"
#include "testers/e1/e1_records.h"

namespace telvane {

// "Файл  %d", or "Файл  %d  (пуст)" when the header holds no measurement or no
// record.
std::string E1ListLine(int number, const E1File& file);
// The end of the measurement: the start moved on by the last record's
// elapsed seconds (the start when there is no record).
DateTime E1End(const E1File& file);
// The time stamp of a record: the start moved on by its elapsed seconds.
DateTime E1RecordTime(const E1Header& header, const E1Record& record);
// "%2.2u.%2.2u.%4.4u   %2.2u:%2.2u".
std::string E1RecordStamp(const E1Header& header, const E1Record& record);
// "%2.2u.%2.2u.%4.4u %2.2u:%2.2u:%2.2u".
std::string E1DateTimeText(const DateTime& when);
// The summary lines, each ended by CR LF; "Нет данных" for a file without
// records.
std::string E1SummaryText(const E1File& file);
// "%d д., %d час., %d мин., %d сек.", or without the days below one day.
std::string E1DurationText(uint64_t seconds);

}  // namespace telvane

#endif  // TELVANE_TESTERS_E1_E1_SUMMARY_H_
