#include "testers/ethernet/ethernet_report.h"

#include "base/sprintf.h"
#include "testers/report_sheet.h"

namespace telvane {

bool WriteEthernetReport(Screen& screen, const EthernetReportSource& source,
                         const std::string& path) {
  const Rfc2544Result& r = source.result;
  ReportSheet sheet(screen, path);
  int row = 0;
  auto pair = [&](std::string_view label, std::string_view value) {
    sheet.Label(row, 0, label);
    sheet.Label(row, 1, value);
    ++row;
  };
  auto heading = [&](std::string_view text) {
    ++row;
    sheet.Label(row++, 0, text, CellStyle::kBold);
  };

  sheet.Label(row++, 0, "Отчёт об измерении", CellStyle::kBold);
  ++row;
  const DateTime& c = source.created;
  pair("Создан", Sprintf("%2.2d.%2.2d.%4.4d  %2.2d:%2.2d:%2.2d", c.day, c.month, c.year, c.hour,
                         c.minute, c.second));
  pair("Комментарии", "");
  pair("Прибор", source.instrument_name);
  pair("S/N", source.serial);
  pair("Имя файла", r.file_name());

  ++row;
  pair("Начало измерения", ResultDateText(r.start()));
  pair("Окончание измерения", ResultDateText(r.end()));
  pair("Длительность", DurationText(r.total_seconds()));

  heading("Конфигурация");
  pair("Интерфейс", InterfaceText(r.interface()));
  pair("Скорость", SpeedText(r.rate_code()));
  pair("Autonegotiation", AutonegotiationText(r.autonegotiation()));
  pair("Дуплекс", DuplexText(r.duplex()));
  pair("Flow control", FlowControlText(r.flow_control()));
  pair("Метка прибора", r.label());
  pair("Локальный МАС адрес", MacText(r.mac()));
  pair("Локальный IP адрес", IpText(r.ip()));
  pair("Метка удалённого модуля", r.remote_label());
  pair("поле TTL", Sprintf("%u", static_cast<unsigned>(r.ttl())));
  pair("поле TOS/DS", TosText(r.tos()));
  pair("UDP адрес назначания (destination)",
       Sprintf("%u", static_cast<unsigned>(r.destination_port())));
  pair("UDP адрес источника (source)", Sprintf("%u", static_cast<unsigned>(r.source_port())));

  heading("Результаты тестов RFC 2544");
  for (Rfc2544Section s : kRfc2544Sections) {
    if (!r.section_run(s)) continue;
    heading(SectionName(s));
    pair("Время измерения", DurationText(r.section_seconds(s)));
    if (s == Rfc2544Section::kLatency) {
      pair("Скорость", RateText(r.latency_rate(), r.rate_code(), source.unit));
      pair("Метод", MethodText(r.latency_method()));
      pair("Порог", LatencyText(r.threshold(s), r.latency_unit()));
    } else {
      pair("Порог", RateText(r.threshold(s), r.rate_code(), source.unit));
    }
    for (int i = 0; i < r.frame_size_count(); ++i) {
      sheet.Label(row, 0, FrameSizeText(r, i));
      sheet.Label(row, 1, SectionCellText(r, s, i, source.unit));
      const uint8_t verdict = r.verdict(s, i);
      if (verdict != 0) {
        sheet.Label(row, 2, VerdictText(verdict),
                    verdict == 1 ? CellStyle::kHighlighted : CellStyle::kPlain);
      }
      ++row;
    }
  }

  ++row;
  const std::string overall = OverallVerdict(r);
  sheet.Label(row, 0, "Итог", CellStyle::kBold);
  sheet.Label(row, 1, overall, overall == "пройден" ? CellStyle::kBold : CellStyle::kHighlighted);
  return sheet.Finish();
}

}  // namespace telvane
