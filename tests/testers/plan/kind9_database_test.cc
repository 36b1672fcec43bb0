// The kind 9 cable database over a scripted serial session: the frames of
// every block transaction (0x33, 0x34, 0x35, 0x31, 0x37), the trailing
// "/i9:" records left out of the list, the bounds on counts and record
// numbers, the reset on the end of a session, the CSV file and the memory
// plan's cut of the sections.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"
#include "support/temp_dir.h"
#include "testers/plan/database_plan_page.h"
#include "testers/plan/kind9_cable_page.h"
#include "testers/plan/kind9_planned_page.h"

namespace telvane {
namespace {

using testing::PeerBytes;
using testing::PeerFrame;
using testing::PeerJoin;

const PeerBytes kAddress = testing::PeerAddress(9, "654321");

PeerBytes Command(uint8_t code) { return PeerFrame({kAddress, {code}}); }
PeerBytes Confirmation(uint8_t code) {
  return PeerFrame({kAddress, {static_cast<uint8_t>(~code)}});
}
uint8_t Not(uint8_t b) { return static_cast<uint8_t>(~b); }

// A cable record written byte by byte from the layout: name (16), pairs,
// length, sections, type, first pair (little-endian u16s), two kept bytes.
PeerBytes CableBytes(const std::string& ascii_name, uint16_t pairs, uint16_t length,
                     uint8_t sections, uint8_t type, uint16_t first_pair) {
  PeerBytes b(ascii_name.begin(), ascii_name.end());
  b.resize(16, 0);
  b.insert(b.end(),
           {static_cast<uint8_t>(pairs), static_cast<uint8_t>(pairs >> 8),
            static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8), sections, type,
            static_cast<uint8_t>(first_pair), static_cast<uint8_t>(first_pair >> 8), 0xAA, 0xBB});
  return b;
}

// Pair 1: AB 45 nF, BC 120 nF, AC 2100 nF (above range); insulation AB
// 5000 kOhm, BC not measured, AC 250000 kOhm.
const PeerBytes kPairOne = {0x01, 0x00, 0x00, 0x00, 0x34, 0x42, 0x00, 0x00, 0xF0,
                            0x42, 0x00, 0x40, 0x03, 0x45, 0x00, 0x40, 0x9C, 0x45,
                            0xEA, 0x56, 0x7A, 0xCE, 0x00, 0x24, 0x74, 0x48};
// Pair 2: the pair-not-measured marker first, real values after it.
const PeerBytes kPairTwo = {0x02, 0x00, 0x8D, 0xDF, 0x29, 0xCF, 0x00, 0x00, 0x34,
                            0x42, 0x00, 0x00, 0x34, 0x42, 0x00, 0x40, 0x9C, 0x45,
                            0x00, 0x40, 0x9C, 0x45, 0x00, 0x40, 0x9C, 0x45};

class Kind9DatabaseTest : public ::testing::Test {
 protected:
  Kind9DatabaseTest() {
    link_.info().name = "КВР-ПРО-8.500";
    Kind9Parameters p;
    p.chip_type = 1;
    p.maximum_cables = 10;
    p.current_cables = 4;
    p.cable_types = 12;
    p.maximum_pairs = 20;
    p.current_pairs = 6;
    p.working_cable = 1;
    p.maximum_sections = 5;
    p.first_free_byte = 900;
    link_.initial().kind9 = p;
  }

  // The four cables of the 0x33 reading: the last two are trailing records.
  std::vector<PeerBytes> Cables() {
    return {CableBytes("A0", 4, 100, 1, 1, 0), CableBytes("B1", 3, 200, 5, 2, 4),
            CableBytes("C2", 2, 300, 4, 3, 7), CableBytes("T3", 0, 0, 0, 0, 9)};
  }

  // Scripts command 0x33 and the four blocks, each answered with the
  // complement of its first byte.
  void ExpectCables(const std::vector<PeerBytes>& cables) {
    peer_.Expect(Command(0x33), PeerJoin({Confirmation(0x33), cables[0]}));
    for (size_t i = 0; i < cables.size(); ++i) {
      peer_.Expect({Not(cables[i][0])}, i + 1 < cables.size() ? cables[i + 1] : PeerBytes{});
    }
  }

  void ReadAll() {
    ExpectCables(Cables());
    ASSERT_TRUE(cables_.Receive()) << peer_.mismatch();
  }

  testing::ScriptedPeer peer_;
  testing::PeerLink link_{peer_, 9, "654321"};
  // The program's default "/i0B:2" (the first two rows locked), set before the
  // pages below read it.
  const int locked_rows_ = link_.options().locked_leading_entries = 2;
  std::shared_ptr<Kind9Database> database_ =
      std::make_shared<Kind9Database>(link_.context().options.kind9_trailing_records);
  DatabasePlanPage plan_{link_.context(), database_};
  Kind9CablePage cables_{link_.context(), database_};
  Kind9PlannedPage planned_{link_.context(), database_};
};

TEST_F(Kind9DatabaseTest, ReadingAllCablesLeavesTheTrailingRecordsOutOfTheList) {
  ReadAll();
  EXPECT_TRUE(peer_.done()) << peer_.mismatch();
  EXPECT_EQ(database_->records().size(), 4u);
  const auto rows = cables_.Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], (Kind9CablePage::Row{"1", "A0", "4", "100", "1", "1"}));
  EXPECT_EQ(rows[1], (Kind9CablePage::Row{"2", "B1", "3", "200", "5", "2"}));
  // "/i0B:" 2: both rows are locked, so no row takes the cursor.
  EXPECT_EQ(cables_.cursor(), -1);
  EXPECT_FALSE(cables_.Select(0));
  EXPECT_FALSE(cables_.Select(1));
  EXPECT_TRUE(link_.screen().messages().empty());
}

TEST_F(Kind9DatabaseTest, TheCursorStartsOnTheFirstRowThatIsNotLocked) {
  auto database = std::make_shared<Kind9Database>(0);
  Kind9CablePage page(link_.context(), database);
  ExpectCables(Cables());
  ASSERT_TRUE(page.Receive()) << peer_.mismatch();
  EXPECT_EQ(page.Rows().size(), 4u);
  EXPECT_EQ(page.cursor(), 2);  // rows 0 and 1 are locked
  EXPECT_FALSE(page.Select(1));
  EXPECT_TRUE(page.Select(3));
  EXPECT_FALSE(page.Select(4));
  EXPECT_EQ(page.cursor(), 3);
}

TEST_F(Kind9DatabaseTest, ACountBeyondTheMaximumIsRefusedBeforeAnyFrame) {
  link_.initial().kind9->current_cables = 11;
  EXPECT_FALSE(cables_.Receive());
  EXPECT_TRUE(peer_.written().empty());
  EXPECT_EQ(link_.screen().MessageLines(),
            (std::vector<std::string>{"Ошибка: Некорректная передача данных"}));
}

TEST_F(Kind9DatabaseTest, ABrokenSeriesKeepsTheCablesHeldBefore) {
  ReadAll();
  auto cables = Cables();
  peer_.Expect(Command(0x33), PeerJoin({Confirmation(0x33), cables[0]}));
  peer_.Expect({Not(cables[0][0])}, {});  // the instrument falls silent
  EXPECT_FALSE(cables_.Receive());
  EXPECT_EQ(cables_.Rows().size(), 2u);
  EXPECT_EQ(cables_.Rows()[1][1], "B1");
  EXPECT_TRUE(link_.screen().HasMessage("Error rec"));
}

TEST_F(Kind9DatabaseTest, OneCableIsReadAgainByItsNumber) {
  auto database = std::make_shared<Kind9Database>(0);
  Kind9CablePage page(link_.context(), database);
  ExpectCables(Cables());
  ASSERT_TRUE(page.Receive());
  const PeerBytes renamed = CableBytes("Z9", 8, 900, 2, 6, 0);
  // 0x34, the record number 2 most significant byte first (confirmed with the
  // complement of its first byte), then the 26-byte record.
  peer_.Expect(Command(0x34), Confirmation(0x34));
  peer_.Expect({0x00, 0x02}, PeerJoin({{0xFF}, renamed}));
  peer_.Expect({Not('Z')});
  ASSERT_TRUE(page.ReceiveSelected()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done());
  EXPECT_EQ(page.Rows()[2], (Kind9CablePage::Row{"3", "Z9", "8", "900", "2", "6"}));
}

TEST_F(Kind9DatabaseTest, PairsAreReadOneRecordNumberAtATimeAndShownFormatted) {
  auto database = std::make_shared<Kind9Database>(0);
  Kind9CablePage page(link_.context(), database);
  Kind9PlannedPage planned(link_.context(), database);
  ExpectCables(Cables());
  ASSERT_TRUE(page.Receive());
  ASSERT_EQ(page.cursor(), 2);  // "C2": two pairs from record 7
  peer_.Expect(Command(0x35), Confirmation(0x35));
  peer_.Expect({0x00, 0x07}, PeerJoin({{0xFF}, kPairOne}));
  peer_.Expect({Not(0x01)});
  peer_.Expect(Command(0x35), Confirmation(0x35));
  peer_.Expect({0x00, 0x08}, PeerJoin({{0xFF}, kPairTwo}));
  peer_.Expect({Not(0x02)});
  ASSERT_TRUE(planned.Receive()) << peer_.mismatch();
  EXPECT_TRUE(peer_.done());
  EXPECT_EQ(planned.CableText(), "Кабель №3: C2");
  const auto rows = planned.Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], (Kind9PlannedPage::Row{"1", ">2000 нФ", " 120 нФ", "45.0 нФ", "   250 МОм ",
                                            "НЕТ ИЗМЕРЕНИЙ", "   5.0 МОм "}));
  EXPECT_EQ(rows[1], (Kind9PlannedPage::Row{"2", "НЕТ ИЗМЕРЕНИЙ", "НЕТ ИЗМЕРЕНИЙ", "НЕТ ИЗМЕРЕНИЙ",
                                            "НЕТ ИЗМЕРЕНИЙ", "НЕТ ИЗМЕРЕНИЙ", "НЕТ ИЗМЕРЕНИЙ"}));

  // The CSV file of the cable, semicolon filter, byte for byte.
  testing::TempDir dir;
  const std::string path = dir.File("c.csv");
  link_.screen().ChooseFile(path, 1);
  ASSERT_TRUE(planned.Save());
  const std::string want = Utf8ToCp1251(
      "Наименование прибора: КВР-ПРО-8.500\r"
      "Серийный номер: 654321\r"
      "Плановые измерения по Кабелю №3\r"
      "Номер пары     ;Емкость AC     ;Емкость BC     ;Емкость AB     ;Изоляция AC    ;"
      "Изоляция BC    ;Изоляция AB    ;Rшл (Ом)       ;Rа (Ом)        \r"
      "0;>2000 нФ; 120 нФ;45.0 нФ;   250 МОм ;НЕТ ИЗМЕРЕНИЙ;   5.0 МОм \r"
      "1;НЕТ ИЗМЕРЕНИЙ;НЕТ ИЗМЕРЕНИЙ;НЕТ ИЗМЕРЕНИЙ;НЕТ ИЗМЕРЕНИЙ;НЕТ ИЗМЕРЕНИЙ;НЕТ ИЗМЕРЕНИЙ\r");
  const auto bytes = testing::ReadAll(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), want);
}

TEST_F(Kind9DatabaseTest, PairsOutsideThePlannedAreaAreRefused) {
  auto database = std::make_shared<Kind9Database>(0);
  Kind9CablePage page(link_.context(), database);
  Kind9PlannedPage planned(link_.context(), database);
  link_.initial().kind9->maximum_pairs = 8;  // cable 2 needs records 7 and 8
  ExpectCables(Cables());
  ASSERT_TRUE(page.Receive());
  const size_t written = peer_.written().size();
  EXPECT_FALSE(planned.Receive());
  EXPECT_EQ(peer_.written().size(), written);
  EXPECT_TRUE(link_.screen().HasMessage("Некорректная передача данных"));
  EXPECT_TRUE(planned.Rows().empty());
}

TEST_F(Kind9DatabaseTest, WritingSendsTheInformationBlockThenEveryCable) {
  plan_.Start();
  ReadAll();
  const PeerBytes info = {1,    0x00, 0x0A, 0x00, 0x04, 12,   0x00, 0x14,
                          0x00, 0x06, 0x00, 0x01, 5,    0x03, 0x84};
  peer_.Expect(Command(0x31), Confirmation(0x31));
  peer_.Expect(info, {Not(info[3])});
  peer_.Expect(Command(0x37), Confirmation(0x37));
  for (const PeerBytes& cable : Cables()) peer_.Expect(cable, {Not(cable[0])});
  link_.screen().Answer(Answer::kYes, "Передать");
  ASSERT_TRUE(cables_.Send()) << peer_.mismatch()
                              << ::testing::PrintToString(link_.screen().MessageLines());
  EXPECT_TRUE(peer_.done());
  EXPECT_TRUE(link_.screen().HasMessage("Complete"));
}

TEST_F(Kind9DatabaseTest, AWrongInformationConfirmationStopsBeforeTheCables) {
  plan_.Start();
  ReadAll();
  peer_.Expect(Command(0x31), Confirmation(0x31));
  peer_.Expect(PeerBytes(15), {0x00});
  link_.screen().Answer(Answer::kYes, "Передать");
  EXPECT_FALSE(cables_.Send());
  EXPECT_TRUE(link_.screen().HasMessage("Ошибка передачи инфозаписи"));
  EXPECT_FALSE(link_.screen().HasMessage("Complete"));
}

TEST_F(Kind9DatabaseTest, TheEndOfASessionForgetsTheReading) {
  ReadAll();
  ASSERT_EQ(cables_.Rows().size(), 2u);
  cables_.Reset();
  EXPECT_TRUE(cables_.Rows().empty());
  EXPECT_FALSE(plan_.has_parameters());
  EXPECT_FALSE(cables_.ReceiveSelected());
  EXPECT_FALSE(cables_.Send());
  EXPECT_TRUE(peer_.done());
}

TEST_F(Kind9DatabaseTest, APlanCutsEverySectionCountAndCountsTheCablesHeld) {
  plan_.Start();
  ReadAll();
  // 2K chip, 3 sections, 20 shown cables + 2 trailing: f = 22 x 60 + 41.
  ASSERT_TRUE(plan_.EditMaximumSections(3));
  ASSERT_TRUE(plan_.EditMaximumCables(20));
  const Kind9Parameters& p = plan_.parameters();
  EXPECT_EQ(p.maximum_cables, 22);
  EXPECT_EQ(p.current_cables, 4);  // the four records held, trailing ones too
  EXPECT_EQ(p.current_pairs, 0);
  EXPECT_EQ(p.first_free_byte, 1361u);
  EXPECT_EQ(p.maximum_pairs, 26);  // (2048 - 1361) / 26
  EXPECT_EQ(p.maximum_sections, 3);
  std::vector<int> sections;
  for (const auto& r : database_->records()) sections.push_back(r.sections());
  EXPECT_EQ(sections, (std::vector<int>{1, 3, 3, 0}));

  // Written back as planned: the information block and the cut records.
  PeerBytes info = {1, 0x00, 22, 0x00, 0x04, 12, 0x00, 26, 0x00, 0x00, 0x00, 0x01, 3, 0x05, 0x51};
  peer_.Expect(Command(0x31), Confirmation(0x31));
  peer_.Expect(info, {Not(info[3])});
  peer_.Expect(Command(0x37), Confirmation(0x37));
  auto cables = Cables();
  cables[1][20] = 3;
  cables[2][20] = 3;
  for (const PeerBytes& cable : cables) peer_.Expect(cable, {Not(cable[0])});
  link_.screen().Answer(Answer::kYes, "Передать");
  ASSERT_TRUE(cables_.Send()) << peer_.mismatch()
                              << ::testing::PrintToString(link_.screen().MessageLines());
  EXPECT_TRUE(peer_.done());
}

TEST_F(Kind9DatabaseTest, MoreCablesThanThePlanAllowsAreNotWritten) {
  plan_.Start();
  ReadAll();
  // One section, 1 shown cable + 2 trailing: three records fit, four are held.
  ASSERT_TRUE(plan_.EditMaximumCables(1));
  link_.screen().Answer(Answer::kYes, "Передать");
  const size_t written = peer_.written().size();
  EXPECT_FALSE(cables_.Send());
  EXPECT_EQ(peer_.written().size(), written);
  EXPECT_TRUE(link_.screen().HasMessage("Некорректная передача данных"));
}

TEST(Kind9RecordsTest, SplittingRefusesPiecesAndTooManyRecords) {
  std::vector<Kind9CableRecord> out(1);
  EXPECT_FALSE(SplitCableRecords(PeerBytes(27), 5, out));
  EXPECT_FALSE(SplitCableRecords(PeerBytes(52), 1, out));
  EXPECT_EQ(out.size(), 1u);
  const PeerBytes sixteen = CableBytes("ABCDEFGHIJKLMNOP", 1, 2, 3, 4, 5);
  ASSERT_TRUE(SplitCableRecords(sixteen, 1, out));
  EXPECT_EQ(out[0].name(), "ABCDEFGHIJKLMNOP");  // a full name has no terminator
  EXPECT_EQ(out[0].first_pair(), 5);
  EXPECT_TRUE(PairsInsideArea(out[0], 6));
  EXPECT_FALSE(PairsInsideArea(out[0], 5));
}

}  // namespace
}  // namespace telvane
