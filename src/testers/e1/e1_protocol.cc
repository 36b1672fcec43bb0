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

  sheet.Label(row++, 0, "П Р О Т О К О Л   И З М Е Р Е Н И Й", CellStyle::kBold);
  ++row;
  const DateTime& c = source.created;
  pair("Создан", Sprintf("%2.2d.%2.2d.%4.4d  %2.2d:%2.2d:%2.2d", c.day, c.month, c.year, c.hour,
                         c.minute, c.second));
  pair("Комментарии", "");
  pair("Направление", "");
  pair("Тракт №", "");
  pair("Прибор", source.instrument_name);
  pair("S/N", source.serial);

  heading("Информация об измерении");
  pair("Начало измерения", E1DateTimeText(h.start()));
  pair("Окончание измерения", E1DateTimeText(E1End(file)));
  const uint64_t elapsed =
      file.records.empty() ? 0 : file.records.back().counter(E1Record::kElapsed);
  pair("Время измерения", E1DurationText(elapsed));

  heading("Настройки измерения");
  pair("Код", E1LineCodeName(h.line_code()));
  pair("Цикл", E1FramingName(h.framing()));
  pair("CRC4", E1OnOffName(h.crc4()));
  pair("Контроль BIT", E1OnOffName(h.bit_control()));
  pair("Тестовая последовательность", E1SequenceName(h.sequence()));
  pair("Инверсия Rx", E1OnOffName(h.rx_inversion()));
  for (int channel = 1; channel <= kE1Channels; ++channel) {
    pair(Sprintf("Канал %2.2d", channel), h.channel_on(channel) ? "вкл." : "выкл.");
  }

  // The whole measurement: the last record against the start.
  E1Record last;
  if (!file.records.empty()) last = file.records.back();
  for (const E1ResultSection& section : E1Results(ComputeInterval(nullptr, last), h)) {
    ++row;
    sheet.Label(row, 0, section.title, CellStyle::kBold);
    sheet.Label(row, 2, section.ratio_heading, CellStyle::kBold);
    ++row;
    for (const E1ResultRow& r : section.rows) {
      sheet.Label(row, 0, r.name);
      sheet.Number(row, 1, static_cast<double>(r.count));
      sheet.Label(row, 2, r.ratio);
      ++row;
    }
  }

  heading("Параметры сигнала");
  pair("Джиттер макс.", Sprintf("%.3f ТИ", static_cast<double>(last.jitter())));
  pair("ВЧ Джиттер макс.", Sprintf("%.3f ТИ", static_cast<double>(last.hf_jitter())));
  return sheet.Finish();
}

}  // namespace telvane
