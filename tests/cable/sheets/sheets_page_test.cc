// The sheet page with the instrument played by a scripted peer: the
// catalogue, sheets and notebook on the wire byte for byte, the list, status
// and information texts, and every message of "Сохранить...".
#include "cable/sheets/sheets_page.h"

#include <gtest/gtest.h>

#include <memory>

#include "cable/sheets/sheet_samples.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::PeerAddress;
using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;

PeerBytes Catalog(uint8_t sheets, uint8_t pairs, float selector, float notebook, float version) {
  PeerBytes b(16, 0);
  b[0] = sheets;
  b[1] = pairs;
  testing::PutFloat(b, 4, selector);
  testing::PutFloat(b, 8, notebook);
  testing::PutFloat(b, 12, version);
  return b;
}

PeerBytes Notebook(uint8_t count) {
  PeerBytes b(104, 0);
  b[0] = count;
  return b;
}

class SheetsPageTest : public ::testing::Test {
 protected:
  explicit SheetsPageTest(uint8_t kind = 14)
      : address_(PeerAddress(kind, "654321")), link_(peer_, kind, "654321") {}

  // Command `code` (golden frame: address, code, sum) confirmed with its
  // complement, then `records` each confirmed with the complement of its
  // index.
  void ExpectRecords(uint8_t code, const std::vector<PeerBytes>& records) {
    PeerBytes command = address_;
    command.push_back(code);
    uint8_t sum = 0;
    for (uint8_t b : command) sum = static_cast<uint8_t>(sum + b);
    command.push_back(sum);
    PeerBytes reply = PeerFrame({address_, {static_cast<uint8_t>(~code)}});
    if (!records.empty()) reply = PeerJoin({reply, PeerFrame({address_, records[0]})});
    peer_.Expect(command, reply);
    for (size_t i = 0; i < records.size(); ++i) {
      const PeerBytes next =
          i + 1 < records.size() ? PeerFrame({address_, records[i + 1]}) : PeerBytes{};
      peer_.Expect(PeerFrame({address_, {static_cast<uint8_t>(~i)}}), next);
    }
  }

  PeerBytes address_;
  testing::ScriptedPeer peer_;
  testing::PeerLink link_;
  std::shared_ptr<SheetModel> model_ = std::make_shared<SheetModel>();
  SheetsPage page_{link_.context(), model_};
};

TEST_F(SheetsPageTest, StartReceivesCatalogueSheetsAndNotebook) {
  ExpectRecords(0x70, {Catalog(3, 4, 2.5f, 0.25f, 100.0f)});
  ExpectRecords(
      0x71, {testing::FullSheetBytes(), testing::PairOnlySheetBytes(), testing::EmptySheetBytes()});
  ExpectRecords(0x72, {Notebook(1), Notebook(0)});
  page_.Start();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_TRUE(link_.screen().messages().empty());
  EXPECT_EQ(page_.Entries(),
            (std::vector<std::string>{"Отбор пар (Лист № 01)", "Отбор пар (Лист № 02)",
                                      "Отбор пар (Лист № 03)", "Блокнот измерителя (запись № 1)",
                                      "Блокнот измерителя (запись № 2)"}));
  EXPECT_EQ(page_.Status(), "Измерения есть");
  // Kind 14 keeps the version of its information page.
  EXPECT_FALSE(link_.context().facts.version);

  page_.Select(0);
  EXPECT_EQ(page_.Information(),
            "\r\n Список частот в режиме АЧХ:\r\n  1.50 кГц\r\n  150.25 кГц\r\n"
            "\r\n Переходное затухание\r\nна частоте:   4.50 кГц\r\n"
            "\r\n\r\n Для получения более подробной информации\r\nсоздайте отчет (кнопка "
            "\"Сохранить...\")\r\n");
  page_.Select(1);
  EXPECT_EQ(page_.Information(),
            "\r\n Переходное затухание\r\nна частоте:   8.00 кГц\r\n"
            "\r\n\r\n Для получения более подробной информации\r\nсоздайте отчет (кнопка "
            "\"Сохранить...\")\r\n");
  page_.Select(2);
  EXPECT_EQ(page_.Information(), "Данный лист БД измерений пуст.\r\n");
}

TEST_F(SheetsPageTest, NamesAndStatusFollowTheCatalogue) {
  ExpectRecords(0x70, {Catalog(1, 0, 7.25f, 0.2f, 100.0f)});
  ExpectRecords(0x71, {testing::EmptySheetBytes()});
  page_.Start();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  // A fractional part of 0.25 is not above 0.3; no notebook under 0.25.
  EXPECT_EQ(page_.Entries(), (std::vector<std::string>{"Плановые АЧХ (Лист № 01)"}));
}

TEST_F(SheetsPageTest, NoSheetsSendsNoSheetCommand) {
  ExpectRecords(0x70, {Catalog(0, 0, 0.0f, 0.0f, 100.0f)});
  page_.Start();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_TRUE(page_.Entries().empty());
  EXPECT_EQ(page_.Status(), "Измерений нет");
}

TEST_F(SheetsPageTest, ACountBeyondTheLimitIsRefused) {
  ExpectRecords(0x70, {Catalog(200, 0, 0.0f, 0.0f, 100.0f)});
  page_.Start();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Ошибка: Неверное число листов!"}));
  EXPECT_TRUE(page_.Entries().empty());
}

TEST_F(SheetsPageTest, SaveRefusesWithoutSelectionAndSkipsAnEmptySheet) {
  ExpectRecords(0x70, {Catalog(2, 4, 0.0f, 0.0f, 100.0f)});
  ExpectRecords(0x71, {testing::FullSheetBytes(), testing::EmptySheetBytes()});
  page_.Start();
  ASSERT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_FALSE(page_.Save());
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Ошибка: Нет выделенных листов!"}));
  EXPECT_EQ(link_.screen().messages()[0].icon, Icon::kError);
  page_.Select(1);
  EXPECT_FALSE(page_.Save());  // no dialog: the script has none to give
  EXPECT_EQ(link_.screen().shown().size(), 1u);
}

TEST_F(SheetsPageTest, SaveWritesTheReportOfTheSelectedSheet) {
  ExpectRecords(0x70, {Catalog(1, 4, 0.0f, 0.0f, 100.0f)});
  ExpectRecords(0x71, {testing::FullSheetBytes()});
  page_.Start();
  ASSERT_TRUE(peer_.done()) << peer_.mismatch();
  testing::TempDir dir;
  link_.screen().SetNow({2026, 1, 2, 3, 4, 5});
  link_.screen().ChooseFile(dir.File("report.xls"));
  page_.Select(0);
  EXPECT_TRUE(page_.Save());
  const auto& dialog = link_.screen().shown().back().dialog;
  ASSERT_EQ(dialog.filters.size(), 1u);
  EXPECT_EQ(dialog.filters[0].description, "Microsoft Excel 2.1 Worksheet (*.xls)");
  EXPECT_EQ(dialog.filters[0].pattern, "*.xls");
  EXPECT_EQ(dialog.default_extension, "xls");
  const auto cells = testing::XlrdReportCells(dir.File("report.xls"));
  ASSERT_GE(cells.size(), 9u);
  EXPECT_EQ(cells[0], "1 5 text ПРОТОКОЛ xf 9");
  EXPECT_EQ(cells[7], "10 1 text № прибора:         654321 xf 0");
  EXPECT_EQ(cells[8], "12 1 text Дата: 02.01.2026  03:04:05 xf 0");

  link_.screen().ChooseFile(dir.File("no/such/folder/report.xls"));
  EXPECT_FALSE(page_.Save());
  EXPECT_EQ(link_.screen().MessageLines().back(), "Ошибка: Ошибка создание файла");
}

TEST_F(SheetsPageTest, AFailedSheetKeepsWhatWasShown) {
  ExpectRecords(0x70, {Catalog(1, 4, 0.0f, 0.0f, 100.0f)});
  ExpectRecords(0x71, {testing::FullSheetBytes()});
  page_.Start();
  ASSERT_EQ(page_.Entries().size(), 1u);
  // The instrument answers the next command with nothing.
  link_.screen().Answer(Answer::kNo);
  EXPECT_FALSE(page_.ReceiveSheets());
  EXPECT_EQ(page_.Entries().size(), 1u);
}

class Kind13SheetsTest : public SheetsPageTest {
 protected:
  Kind13SheetsTest() : SheetsPageTest(13) {}
  SheetsReceivePage second_{link_.context(), model_};
};

TEST_F(Kind13SheetsTest, FromVersion302TheSecondPageReceives) {
  ExpectRecords(0x70, {Catalog(1, 4, 0.0f, 0.0f, 302.0f)});
  page_.Start();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  ASSERT_TRUE(link_.context().facts.version);
  EXPECT_EQ(*link_.context().facts.version, 302.0f);
  EXPECT_TRUE(page_.Entries().empty());

  ExpectRecords(0x71, {testing::FullSheetBytes()});
  second_.Start();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(second_.Entries(), (std::vector<std::string>{"Плановые АЧХ (Лист № 01)"}));
  EXPECT_EQ(page_.Entries(), second_.Entries());

  // "Принять...": the catalogue again, then the sheets.
  ExpectRecords(0x70, {Catalog(2, 4, 0.5f, 0.0f, 302.0f)});
  ExpectRecords(0x71, {testing::FullSheetBytes(), testing::FullSheetBytes()});
  EXPECT_TRUE(second_.Receive());
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(second_.Entries().size(), 2u);
}

TEST_F(Kind13SheetsTest, BelowVersion302TheFirstPageReceives) {
  ExpectRecords(0x70, {Catalog(1, 4, 0.0f, 0.0f, 301.0f)});
  ExpectRecords(0x71, {testing::FullSheetBytes()});
  page_.Start();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(page_.Entries().size(), 1u);
}

}  // namespace
}  // namespace telvane
