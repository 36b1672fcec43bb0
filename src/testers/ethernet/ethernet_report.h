// The report of one RFC 2544 result ("Отчёт об измерении"), an Excel 2.1
// worksheet: the header, the configuration, each section that was run with
// one row per frame size, and the overall verdict.
#ifndef TELVANE_TESTERS_ETHERNET_ETHERNET_REPORT_H_
#define TELVANE_TESTERS_ETHERNET_ETHERNET_REPORT_H_

#include <string>

#include "base/screen.h"
#include "testers/ethernet/rfc2544_result.h"

namespace telvane {

struct EthernetReportSource {
  const Rfc2544Result& result;
  int unit = 0;                 // the unit selector's entry
  std::string instrument_name;  // "Прибор"
  std::string serial;           // "S/N"
  DateTime created;             // "Создан"
};

// Writes the report to `path`; false after "Ошибка создание файла".
bool WriteEthernetReport(Screen& screen, const EthernetReportSource& source,
                         const std::string& path);

}  // namespace telvane

#endif  // TELVANE_TESTERS_ETHERNET_ETHERNET_REPORT_H_
