#include "testers/e1/e1_protocol.h"

#include "base/sprintf.h"
#include "testers/e1/e1_intervals.h"
#include "testers/e1/e1_summary.h"
#include "testers/report_sheet.h"

namespace telvane {

bool WriteE1Protocol(Screen& screen, const E1ProtocolSource& source, const std::string& path) {
  const E1File& file = source.file;
  const E1Header& h = file.header;
  ReportSheet sheet(screen, path);
  sheet.Title("П Р О Т О К О Л   И З М Е Р Е Н И Й", source.created);
  sheet.Pair("Комментарии", "");
  sheet.Pair("Направление", "");
  sheet.Pair("Тракт №", "");
  sheet.Pair("Прибор", source.instrument_name);
  sheet.Pair("S/N", source.serial);

  sheet.Heading("Информация об измерении");
  sheet.Pair("Начало измерения", E1DateTimeText(h.start()));
  sheet.Pair("Окончание измерения", E1DateTimeText(E1End(file)));
  const uint64_t elapsed =
      file.records.empty() ? 0 : file.records.back().counter(E1Record::kElapsed);
  sheet.Pair("Время измерения", E1DurationText(elapsed));

  sheet.Heading("Настройки измерения");
  sheet.Pair("Код", E1LineCodeName(h.line_code()));
  sheet.Pair("Цикл", E1FramingName(h.framing()));
  sheet.Pair("CRC4", E1OnOffName(h.crc4()));
  sheet.Pair("Контроль BIT", E1OnOffName(h.bit_control()));
  sheet.Pair("Тестовая последовательность", E1SequenceName(h.sequence()));
  sheet.Pair("Инверсия Rx", E1OnOffName(h.rx_inversion()));
  for (int channel = 1; channel <= kE1Channels; ++channel) {
    sheet.Pair(Sprintf("Канал %2.2d", channel), h.channel_on(channel) ? "вкл." : "выкл.");
  }

  // The whole measurement: the last record against the start.
  E1Record last;
  if (!file.records.empty()) last = file.records.back();
  for (const E1ResultSection& section : E1Results(ComputeInterval(nullptr, last), h)) {
    sheet.Skip();
    sheet.Label(sheet.row(), 0, section.title, CellStyle::kBold);
    sheet.Label(sheet.row(), 2, section.ratio_heading, CellStyle::kBold);
    sheet.Skip();
    for (const E1ResultRow& r : section.rows) {
      sheet.Label(sheet.row(), 0, r.name);
      sheet.Number(sheet.row(), 1, static_cast<double>(r.count));
      sheet.Label(sheet.row(), 2, r.ratio);
      sheet.Skip();
    }
  }

  sheet.Heading("Параметры сигнала");
  sheet.Pair("Джиттер макс.", Sprintf("%.3f ТИ", static_cast<double>(last.jitter())));
  sheet.Pair("ВЧ Джиттер макс.", Sprintf("%.3f ТИ", static_cast<double>(last.hf_jitter())));
  return sheet.Finish();
}

}  // namespace telvane
