// The E1 measurement protocol read back by python3-xlrd: every heading and
// field in place, the settings, channels, results of the whole measurement and
// the largest jitter.
#include <gtest/gtest.h>

#include "base/values.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"
#include "testers/e1/e1_document.h"
#include "testers/report_cells.h"

namespace telvane {
namespace {

using testing::CellAt;
using testing::ReadReportCells;
using testing::RowOf;
using testing::ScriptedScreen;
using testing::TempDir;

E1File SampleFile() {
  E1File file;
  auto& h = file.header.mutable_bytes();
  h[32] = 1;
  h[176] = 8;
  h[177] = 12;
  h[178] = 26;
  h[179] = 22;
  h[180] = 15;
  h[184] = 1;
  h[185] = 2;
  h[186] = 1;
  h[187] = 1;
  h[188] = 5;
  h[192] = 7;
  StoreLe32((1u << 1) | (1u << 16) | (1u << 31), &h[160]);
  for (uint32_t minutes : {60u, 1500u}) {
    E1Record r;
    auto& b = r.mutable_bytes();
    StoreLe32(minutes * 60, &b[320]);
    StoreLe32(minutes, &b[16]);  // CODE
    StoreLe32(minutes, &b[64]);  // LOS seconds
    StoreLe32(3, &b[132]);       // G.821 ES
    StoreLeFloat(0.125f, &b[304]);
    StoreLeFloat(1.5f, &b[308]);
    file.records.push_back(r);
  }
  return file;
}

TEST(E1ProtocolTest, EveryHeadingFieldAndValueReadsBack) {
  TempDir dir;
  ScriptedScreen screen;
  E1Document document;
  document.Append(SampleFile());
  document.Select(0);
  const std::string path = dir.File("protocol.xls");
  ASSERT_TRUE(document.ProtocolTo(screen, "VS-E1", "000777", path));
  EXPECT_TRUE(screen.MessageLines().empty());
  const auto cells = ReadReportCells(path);
  ASSERT_FALSE(cells.empty());
  EXPECT_EQ(CellAt(cells, 0, 0), "П Р О Т О К О Л   И З М Е Р Е Н И Й");
  auto value = [&](const std::string& label) { return CellAt(cells, RowOf(cells, label), 1); };
  EXPECT_EQ(value("Создан"), "09.12.2026  10:30:00");
  for (const char* field : {"Комментарии", "Направление", "Тракт №"}) {
    EXPECT_GT(RowOf(cells, field), 0) << field;
  }
  EXPECT_EQ(value("Прибор"), "VS-E1");
  EXPECT_EQ(value("S/N"), "000777");
  EXPECT_GT(RowOf(cells, "Информация об измерении"), 0);
  EXPECT_EQ(value("Начало измерения"), "08.12.2026 22:15:00");
  EXPECT_EQ(value("Окончание измерения"), "09.12.2026 23:15:00");
  EXPECT_EQ(value("Время измерения"), "1 д., 1 час., 0 мин., 0 сек.");
  EXPECT_GT(RowOf(cells, "Настройки измерения"), 0);
  EXPECT_EQ(value("Код"), "HDB3");
  EXPECT_EQ(value("Цикл"), "ИКМ-31");
  EXPECT_EQ(value("CRC4"), "вкл.");
  EXPECT_EQ(value("Контроль BIT"), "вкл.");
  EXPECT_EQ(value("Тестовая последовательность"), "ПСП 2E15");
  EXPECT_EQ(value("Инверсия Rx"), "ошибка");
  EXPECT_EQ(value("Канал 01"), "вкл.");
  EXPECT_EQ(value("Канал 02"), "выкл.");
  EXPECT_EQ(value("Канал 16"), "вкл.");
  EXPECT_EQ(value("Канал 31"), "вкл.");

  const int errors = RowOf(cells, "Ошибки");
  ASSERT_GT(errors, 0);
  EXPECT_EQ(CellAt(cells, errors, 2), "Коэффициент");
  EXPECT_EQ(CellAt(cells, errors + 1, 0), "CODE");
  EXPECT_EQ(CellAt(cells, errors + 1, 1), "1500.0");
  // 1500 / (90000 s x 2048000)
  EXPECT_EQ(CellAt(cells, errors + 1, 2), "8.138e-09");
  const int alarms = RowOf(cells, "Аварийные секунды");
  EXPECT_EQ(CellAt(cells, alarms, 2), "Коэффициент, %");
  EXPECT_EQ(CellAt(cells, alarms + 1, 0), "LOS");
  EXPECT_EQ(CellAt(cells, alarms + 1, 2), "1.667 %");
  const int g821 = RowOf(cells, "Результаты G.821");
  EXPECT_EQ(CellAt(cells, g821 + 1, 0), "ES");
  EXPECT_EQ(CellAt(cells, g821 + 1, 1), "3.0");
  for (const char* title :
       {"Результаты G.826 (ближний конец)", "Результаты G.826 (дальний конец)",
        "Результаты M.2100 (ближний конец)", "Результаты M.2100 (дальний конец)"}) {
    EXPECT_GT(RowOf(cells, title), g821) << title;
  }
  EXPECT_EQ(CellAt(cells, RowOf(cells, "Результаты G.826 (дальний конец)") + 2, 0), "BBE");
  EXPECT_GT(RowOf(cells, "Параметры сигнала"), 0);
  EXPECT_EQ(value("Джиттер макс."), "0.125 ТИ");
  EXPECT_EQ(value("ВЧ Джиттер макс."), "1.500 ТИ");
}

TEST(E1ProtocolTest, FileThatCannotBeCreatedShowsOneMessage) {
  TempDir dir;
  ScriptedScreen screen;
  E1Document document;
  document.Append(SampleFile());
  document.Select(0);
  EXPECT_FALSE(document.ProtocolTo(screen, "VS-E1", "1", dir.File("none/p.xls")));
  EXPECT_EQ(screen.MessageLines(), std::vector<std::string>{"Ошибка: Ошибка создание файла"});
}

}  // namespace
}  // namespace telvane
