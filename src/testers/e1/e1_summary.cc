#include "testers/e1/e1_summary.h"

#include "base/sprintf.h"

namespace telvane {
namespace {

unsigned U(int value) { return static_cast<unsigned>(value); }

}  // namespace

std::string E1ListLine(int number, const E1File& file) {
  if (file.header.has_measurement() && !file.records.empty()) return Sprintf("Файл  %d", number);
  return Sprintf("Файл  %d  (пуст)", number);
}

DateTime E1RecordTime(const E1Header& header, const E1Record& record) {
  return AddSeconds(header.start(), record.counter(E1Record::kElapsed));
}

DateTime E1End(const E1File& file) {
  if (file.records.empty()) return file.header.start();
  return E1RecordTime(file.header, file.records.back());
}

std::string E1RecordStamp(const E1Header& header, const E1Record& record) {
  const DateTime t = E1RecordTime(header, record);
  return Sprintf("%2.2u.%2.2u.%4.4u   %2.2u:%2.2u", U(t.day), U(t.month), U(t.year), U(t.hour),
                 U(t.minute));
}

std::string E1DateTimeText(const DateTime& t) {
  return Sprintf("%2.2u.%2.2u.%4.4u %2.2u:%2.2u:%2.2u", U(t.day), U(t.month), U(t.year), U(t.hour),
                 U(t.minute), U(t.second));
}

std::string E1SummaryText(const E1File& file) {
  if (file.records.empty()) return "Нет данных";
  return "Начало измерения: " + E1DateTimeText(file.header.start()) + "\r\n" +
         "Окончание измерения: " + E1DateTimeText(E1End(file)) + "\r\n" +
         Sprintf("Количество записей: %u\r\n", static_cast<unsigned>(file.records.size())) +
         "Интервал: " + E1IntervalName(file.header.interval_code()) + "\r\n";
}

std::string E1DurationText(uint64_t seconds) {
  const auto days = static_cast<int>(seconds / 86400);
  const auto hours = static_cast<int>(seconds / 3600 % 24);
  const auto minutes = static_cast<int>(seconds / 60 % 60);
  const auto rest = static_cast<int>(seconds % 60);
  if (days > 0) return Sprintf("%d д., %d час., %d мин., %d сек.", days, hours, minutes, rest);
  return Sprintf("%d час., %d мин., %d сек.", hours, minutes, rest);
}

}  // namespace telvane
