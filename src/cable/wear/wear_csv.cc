#include "cable/wear/wear_csv.h"

#include "base/cp1251.h"
#include "base/sprintf.h"

namespace telvane {

std::vector<FileFilter> WearCsvFilters() {
  return {{"CSV (разделители - точка с запятой)", "*.csv"},
          {"CSV (разделители - запятые)", "*.csv"},
          {"All files", "*.*"}};
}

std::string WearCsvBytes(const std::string& instrument_name, const std::string& serial_number,
                         std::span<const uint8_t> series, int filter_index) {
  const char separator = filter_index == 1 ? ';' : ',';
  std::string out = Utf8ToCp1251("Наименование прибора: " + instrument_name + "\r");
  out += Utf8ToCp1251("Серийный номер: " + serial_number + "\r");
  // The head is cut or padded to 15 CP1251 characters.
  out += Sprintf("%-15.15s%c\r", Utf8ToCp1251("Износ брони (%)").c_str(), separator);
  for (uint8_t wear : series) out += Sprintf("%u%c\r", static_cast<unsigned>(wear), separator);
  return out;
}

}  // namespace telvane
