// The Ethernet results page with the tester played in-process, and its report
// read back by python3-xlrd. Result files are built here byte by byte from the
// record layout.
#include <gtest/gtest.h>

#include <cstring>

#include "base/values.h"
#include "support/peer_link.h"
#include "support/temp_dir.h"
#include "testers/ethernet/ethernet_results_page.h"
#include "testers/numbered_peer.h"
#include "testers/report_cells.h"

namespace telvane {
namespace {

using testing::CellAt;
using testing::ExpectInfo;
using testing::ExpectNumbered;
using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerLink;
using testing::ReadReportCells;
using testing::RowOf;
using testing::ScriptedPeer;
using testing::TempDir;

const PeerBytes kAddress = PeerAddress(20, "654321");

void Put32(PeerBytes& r, size_t at, uint32_t v) { StoreLe32(v, &r[at]); }
void PutF(PeerBytes& r, size_t at, float v) { StoreLeFloat(v, &r[at]); }
void PutText(PeerBytes& r, size_t at, const char* cp1251) {
  std::memcpy(&r[at], cp1251, std::strlen(cp1251));
}

// A result of 3 frame sizes (64, 512, 1518) at 1000 Mbit/s (code 2) with
// Throughput (status 2, results 50, 75.5, 100, verdicts 1, 2, 0) and
// Back-to-Back (status 3) run; Frame loss and Latency not run.
PeerBytes Result(const char* name, bool held = true) {
  PeerBytes r(768, 0);
  const uint32_t start[] = {5, 4, 3, 9, 12, 2026};
  const uint32_t end[] = {6, 34, 28, 10, 12, 2026};
  for (int i = 0; i < 6; ++i) {
    Put32(r, 4 * i, start[i]);
    Put32(r, 36 + 4 * i, end[i]);
  }
  Put32(r, 32, held ? 1 : 0);
  r[68] = 1;
  PutText(r, 69, name);
  r[198] = 1;
  r[199] = 0;
  r[200] = 2;
  r[201] = 1;
  r[202] = 7;
  const uint8_t mac[] = {0x00, 0x1A, 0x2B, 0xC3, 0xD4, 0xE5};
  std::memcpy(&r[203], mac, 6);
  const uint8_t ip[] = {192, 168, 1, 200};
  std::memcpy(&r[209], ip, 4);
  PutText(r, 213, "\xEC\xE5\xF2\xEA\xE0");  // "метка"
  r[245] = 1;
  r[246] = 1;
  r[250] = 64;
  r[251] = 0xB8;
  StoreLe16(5001, &r[252]);
  StoreLe16(5002, &r[254]);
  PutF(r, 272, 40.0f);
  PutF(r, 288, 90.0f);
  PutText(r, 332, "REMOTE-1");
  Put32(r, 356, 3);
  Put32(r, 360, 64);
  Put32(r, 364, 512);
  Put32(r, 368, 1518);
  Put32(r, 400, 90061);  // 25:01:01
  r[404] = 2;
  PutF(r, 408, 50.0f);
  PutF(r, 412, 75.5f);
  PutF(r, 416, 100.0f);
  r[458] = 1;
  r[459] = 2;
  r[460] = 0;
  Put32(r, 472, 61);
  r[476] = 3;
  PutF(r, 480, 99.0f);
  r[530] = 2;
  r[531] = 2;
  r[532] = 2;
  Put32(r, 544, 3600);
  return r;
}

class EthernetPageTest : public ::testing::Test {
 protected:
  void ReceiveThree() {
    PeerBytes info(12, 0);
    info[0] = 3;
    ExpectInfo(peer_, kAddress, info);
    ExpectNumbered(peer_, kAddress, 1, Result("RUN-A"));
    ExpectNumbered(peer_, kAddress, 2, Result("EMPTY", false));
    ExpectNumbered(peer_, kAddress, 3, Result("RUN-C"));
    ASSERT_TRUE(page_.Receive()) << peer_.mismatch();
    ASSERT_TRUE(peer_.done()) << peer_.mismatch();
  }

  ScriptedPeer peer_;
  PeerLink link_{peer_, 20, "654321"};
  EthernetResultsPage page_{link_.context()};
  TempDir dir_;
};

TEST(EthernetTextTest, RatesInEachUnitAndTheirErrors) {
  EXPECT_EQ(RateText(50.0f, 2, 1), "500.0 Мбит/c");
  EXPECT_EQ(RateText(50.0f, 3, 1), "error speed");
  EXPECT_EQ(RateText(50.0f, 0, 1), " 5.0 Мбит/c");
  EXPECT_EQ(RateText(50.0f, 1, 1), "50.0 Мбит/c");
  EXPECT_EQ(RateText(50.0f, 3, 0), "50.0 %");
  EXPECT_EQ(RateText(50.0f, 2, 2), "error units");
  EXPECT_EQ(DurationText(90061), "25:01:01");
  EXPECT_EQ(DurationText(5), "00:00:05");
  EXPECT_EQ(TosText(0xB8), "10111000 (0xB8)");
  EXPECT_EQ(LatencyText(12.25f, 0), "12.2 мкс");
  EXPECT_EQ(LatencyText(3.0f, 1), "3.0 мс");
  EXPECT_EQ(LatencyText(3.0f, 2), "3.0 ??");
  EXPECT_EQ(StatusText(6), "потеря связи");
  EXPECT_EQ(StatusText(4), "?");
  EXPECT_EQ(VerdictText(0), "");
  EXPECT_EQ(VerdictText(9), "?");
}

TEST(EthernetTextTest, FrameSizeCountIsLimitedAndSizesOverTheDurationShowAQuestionMark) {
  PeerBytes bytes = Result("X");
  Put32(bytes, 356, 40);
  Rfc2544Result r;
  r.Assign(bytes);
  EXPECT_EQ(r.frame_size_count(), 12);
  EXPECT_EQ(FrameSizeText(r, 9), "0");
  EXPECT_EQ(FrameSizeText(r, 10), "?");
  EXPECT_EQ(FrameSizeText(r, 11), "?");
  Put32(bytes, 356, 0xFFFFFFFF);
  r.Assign(bytes);
  EXPECT_EQ(r.frame_size_count(), 0);
  // A name that fills its field is read up to the field's end only.
  std::fill(bytes.begin() + 69, bytes.begin() + 198, 'N');
  r.Assign(bytes);
  EXPECT_EQ(r.file_name(), std::string(129, 'N'));
}

TEST_F(EthernetPageTest, ListSelectionAndEmptyFile) {
  ReceiveThree();
  EXPECT_EQ(page_.lines(), (std::vector<std::string>{"01. RUN-A", "02. EMPTY", "03. RUN-C"}));
  EXPECT_EQ(page_.selected(), 0);
  EXPECT_EQ(page_.SelectionText(),
            "Начало измерения: 09.12.2026 03:04:05\r\nОкончание измерения: 10.12.2026 "
            "28:34:06\r\n");
  EXPECT_TRUE(page_.can_report());
  page_.Select(1);
  EXPECT_EQ(page_.SelectionText(), "Файл пуст");
  EXPECT_FALSE(page_.can_report());
  EXPECT_FALSE(page_.Report());
  EXPECT_TRUE(link_.screen().shown().empty());
}

TEST_F(EthernetPageTest, ReportReadBackWithEveryLabelAndValue) {
  ReceiveThree();
  link_.info().name = "VESTOR";
  page_.SetUnit(1);
  const std::string path = dir_.File("report.xls");
  ASSERT_TRUE(page_.ReportTo(path));
  const auto cells = ReadReportCells(path);
  ASSERT_FALSE(cells.empty());
  EXPECT_EQ(CellAt(cells, 0, 0), "Отчёт об измерении");
  auto value = [&](const std::string& label) { return CellAt(cells, RowOf(cells, label), 1); };
  EXPECT_EQ(value("Создан"), "09.12.2026  10:30:00");
  EXPECT_EQ(value("Прибор"), "VESTOR");
  EXPECT_EQ(value("S/N"), "654321");
  EXPECT_EQ(value("Имя файла"), "RUN-A");
  EXPECT_EQ(value("Начало измерения"), "09.12.2026 03:04:05");
  EXPECT_EQ(value("Длительность"), "25:01:01");
  EXPECT_EQ(value("Интерфейс"), "оптический");
  EXPECT_EQ(value("Скорость"), "1000 Мбит/c");
  EXPECT_EQ(value("Autonegotiation"), "да");
  EXPECT_EQ(value("Дуплекс"), "полный");
  EXPECT_EQ(value("Flow control"), "?");
  EXPECT_EQ(value("Метка прибора"), "метка");
  EXPECT_EQ(value("Локальный МАС адрес"), "00:1A:2B:C3:D4:E5");
  EXPECT_EQ(value("Локальный IP адрес"), "192.168.1.200");
  EXPECT_EQ(value("Метка удалённого модуля"), "REMOTE-1");
  EXPECT_EQ(value("поле TTL"), "64");
  EXPECT_EQ(value("поле TOS/DS"), "10111000 (0xB8)");
  EXPECT_EQ(value("UDP адрес назначания (destination)"), "5001");
  EXPECT_EQ(value("UDP адрес источника (source)"), "5002");
  ASSERT_GT(RowOf(cells, "Результаты тестов RFC 2544"), 0);

  const int throughput = RowOf(cells, "Throughput");
  ASSERT_GT(throughput, 0);
  EXPECT_EQ(CellAt(cells, throughput + 1, 0), "Время измерения");
  EXPECT_EQ(CellAt(cells, throughput + 1, 1), "00:01:01");
  EXPECT_EQ(CellAt(cells, throughput + 2, 0), "Порог");
  EXPECT_EQ(CellAt(cells, throughput + 2, 1), "400.0 Мбит/c");
  EXPECT_EQ(CellAt(cells, throughput + 3, 0), "64");
  EXPECT_EQ(CellAt(cells, throughput + 3, 1), "500.0 Мбит/c");
  EXPECT_EQ(CellAt(cells, throughput + 3, 2), "НЕ ПРОЙДЕН");
  EXPECT_EQ(cells.at({throughput + 3, 2}).font, 1);
  EXPECT_EQ(CellAt(cells, throughput + 4, 1), "755.0 Мбит/c");
  EXPECT_EQ(CellAt(cells, throughput + 4, 2), "пройден");
  EXPECT_EQ(cells.at({throughput + 4, 2}).font, 0);
  EXPECT_EQ(CellAt(cells, throughput + 5, 0), "1518");
  EXPECT_EQ(cells.count({throughput + 5, 2}), 0u);  // verdict 0: an empty cell

  const int b2b = RowOf(cells, "Back-to-Back");
  ASSERT_GT(b2b, throughput);
  EXPECT_EQ(CellAt(cells, b2b + 2, 1), "900.0 Мбит/c");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(CellAt(cells, b2b + 3 + i, 1), "прерван");
  EXPECT_EQ(RowOf(cells, "Frame loss"), -1);
  EXPECT_EQ(RowOf(cells, "Latency"), -1);
  EXPECT_EQ(value("Итог"), "НЕ ПРОЙДЕН");
}

TEST_F(EthernetPageTest, PercentUnitAndLatencySection) {
  PeerBytes info(12, 0);
  info[0] = 1;
  PeerBytes r = Result("LAT");
  r[245] = 0;
  r[246] = 0;
  r[248] = 1;
  PutF(r, 312, 10.0f);
  r[324] = 1;
  r[325] = 1;
  PutF(r, 320, 2.5f);
  r[620] = 2;
  PutF(r, 624, 0.75f);
  r[684] = 2;
  r[685] = 2;
  r[686] = 2;
  Put32(r, 696, 7200);
  ExpectInfo(peer_, kAddress, info);
  ExpectNumbered(peer_, kAddress, 1, r);
  ASSERT_TRUE(page_.Receive()) << peer_.mismatch();
  const std::string path = dir_.File("latency.xls");
  ASSERT_TRUE(page_.ReportTo(path));
  const auto cells = ReadReportCells(path);
  const int latency = RowOf(cells, "Latency");
  ASSERT_GT(latency, 0);
  EXPECT_EQ(CellAt(cells, latency + 1, 1), "02:00:00");
  EXPECT_EQ(CellAt(cells, latency + 2, 0), "Скорость");
  EXPECT_EQ(CellAt(cells, latency + 2, 1), "10.0 %");
  EXPECT_EQ(CellAt(cells, latency + 3, 1), "Store&forward");
  EXPECT_EQ(CellAt(cells, latency + 4, 1), "2.5 мс");
  EXPECT_EQ(CellAt(cells, latency + 5, 1), "0.8 мс");
  EXPECT_EQ(CellAt(cells, RowOf(cells, "Итог"), 1), "пройден");
}

TEST_F(EthernetPageTest, FileCountBeyondTheListIsLimitedWithAWarning) {
  PeerBytes info(12, 0);
  Put32(info, 0, 0xFFFFFFFF);
  ExpectInfo(peer_, kAddress, info);
  ASSERT_TRUE(page_.Receive()) << peer_.mismatch();
  EXPECT_TRUE(page_.lines().empty());
  EXPECT_EQ(link_.screen().MessageLines(),
            std::vector<std::string>{
                "Предупреждение: Потеря данных.\r\nКоличество записей больше возможного."});
}

}  // namespace
}  // namespace telvane
