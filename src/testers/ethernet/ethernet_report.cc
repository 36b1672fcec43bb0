#include "testers/ethernet/ethernet_report.h"

#include "base/sprintf.h"
#include "testers/report_sheet.h"

namespace telvane {

bool WriteEthernetReport(Screen& screen, const EthernetReportSource& source,
                         const std::string& path) {
  const Rfc2544Result& r = source.result;
  ReportSheet sheet(screen, path);
  sheet.Title("Отчёт об измерении", source.created);
  sheet.Pair("Комментарии", "");
  sheet.Pair("Прибор", source.instrument_name);
  sheet.Pair("S/N", source.serial);
  sheet.Pair("Имя файла", r.file_name());

  sheet.Skip();
  sheet.Pair("Начало измерения", ResultDateText(r.start()));
  sheet.Pair("Окончание измерения", ResultDateText(r.end()));
  sheet.Pair("Длительность", DurationText(r.total_seconds()));

  sheet.Heading("Конфигурация");
  sheet.Pair("Интерфейс", InterfaceText(r.interface()));
  sheet.Pair("Скорость", SpeedText(r.rate_code()));
  sheet.Pair("Autonegotiation", AutonegotiationText(r.autonegotiation()));
  sheet.Pair("Дуплекс", DuplexText(r.duplex()));
  sheet.Pair("Flow control", FlowControlText(r.flow_control()));
  sheet.Pair("Метка прибора", r.label());
  sheet.Pair("Локальный МАС адрес", MacText(r.mac()));
  sheet.Pair("Локальный IP адрес", IpText(r.ip()));
  sheet.Pair("Метка удалённого модуля", r.remote_label());
  sheet.Pair("поле TTL", Sprintf("%u", static_cast<unsigned>(r.ttl())));
  sheet.Pair("поле TOS/DS", TosText(r.tos()));
  sheet.Pair("UDP адрес назначания (destination)",
             Sprintf("%u", static_cast<unsigned>(r.destination_port())));
  sheet.Pair("UDP адрес источника (source)", Sprintf("%u", static_cast<unsigned>(r.source_port())));

  sheet.Heading("Результаты тестов RFC 2544");
  for (Rfc2544Section s : kRfc2544Sections) {
    if (!r.section_run(s)) continue;
    sheet.Heading(SectionName(s));
    sheet.Pair("Время измерения", DurationText(r.section_seconds(s)));
    if (s == Rfc2544Section::kLatency) {
      sheet.Pair("Скорость", RateText(r.latency_rate(), r.rate_code(), source.unit));
      sheet.Pair("Метод", MethodText(r.latency_method()));
      sheet.Pair("Порог", LatencyText(r.threshold(s), r.latency_unit()));
    } else {
      sheet.Pair("Порог", RateText(r.threshold(s), r.rate_code(), source.unit));
    }
    for (int i = 0; i < r.frame_size_count(); ++i) {
      sheet.Label(sheet.row(), 0, FrameSizeText(r, i));
      sheet.Label(sheet.row(), 1, SectionCellText(r, s, i, source.unit));
      const uint8_t verdict = r.verdict(s, i);
      if (verdict != 0) {
        sheet.Label(sheet.row(), 2, VerdictText(verdict),
                    verdict == 1 ? CellStyle::kHighlighted : CellStyle::kPlain);
      }
      sheet.Skip();
    }
  }

  sheet.Skip();
  const std::string overall = OverallVerdict(r);
  sheet.Label(sheet.row(), 0, "Итог", CellStyle::kBold);
  sheet.Label(sheet.row(), 1, overall,
              overall == "пройден" ? CellStyle::kBold : CellStyle::kHighlighted);
  return sheet.Finish();
}

}  // namespace telvane
