// The measurement protocol of one E1 measurement file, an Excel 2.1
// worksheet: the creation time, the fields the person fills in, the
// measurement's start, end and length, its settings and channels, the results
// of the whole measurement and the largest jitter.
#ifndef TELVANE_TESTERS_E1_E1_PROTOCOL_H_
#define TELVANE_TESTERS_E1_E1_PROTOCOL_H_

#include <string>

#include "base/screen.h"
#include "testers/e1/e1_records.h"

namespace telvane {

struct E1ProtocolSource {
  const E1File& file;
  std::string instrument_name;  // "Прибор"
  std::string serial;           // "S/N"
  DateTime created;             // "Создан"
};

// Writes the protocol to `path`; false after "Ошибка создание файла".
bool WriteE1Protocol(Screen& screen, const E1ProtocolSource& source, const std::string& path);

}  // namespace telvane

#endif  // TELVANE_TESTERS_E1_E1_PROTOCOL_H_
