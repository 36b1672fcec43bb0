// The transactions of the exchange table run by code: every code has its row,
// and each row's waits, fixed lengths, confirmations and messages reach the
// exchange operations, seen through an exchange that records every call.
#include "link/transaction_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/sprintf.h"
#include "link/transactions.h"
#include "support/scripted_screen.h"

namespace telvane {
namespace {

// Records every call as text; fails the call numbered `fail_at` (0-based).
class RecordingExchange : public Exchange {
 public:
  std::vector<std::string> calls;
  int fail_at = -1;

  bool SendCommand(const Address&, uint8_t code, Wait wait) override {
    return Log(Sprintf("command %02X wait %ld", code, wait.seconds));
  }
  bool ReceiveRecord(const Address&, uint8_t* destination, size_t length, ConfirmSource confirm,
                     Progress, Wait wait) override {
    for (size_t i = 0; i < length; ++i) destination[i] = static_cast<uint8_t>(calls.size());
    return Log(Sprintf("receive %zu confirm %X wait %ld", length, confirm.raw(), wait.seconds));
  }
  bool SendRecord(const Address&, const uint8_t*, size_t length, uint8_t expected, Progress,
                  Wait wait) override {
    return Log(Sprintf("send %zu expect %02X wait %ld", length, expected, wait.seconds));
  }
  bool ReceiveBlock(uint8_t*, size_t length, Progress, ConfirmSource confirm, Wait wait) override {
    return Log(
        Sprintf("receive block %zu confirm %X wait %ld", length, confirm.raw(), wait.seconds));
  }
  bool SendBlock(const uint8_t*, size_t length, Progress, ConfirmSource expected,
                 Wait wait) override {
    return Log(Sprintf("send block %zu expect %X wait %ld", length, expected.raw(), wait.seconds));
  }
  bool Disconnect() override { return Log("disconnect"); }

 private:
  bool Log(const std::string& call) {
    const bool ok = static_cast<int>(calls.size()) != fail_at;
    calls.push_back(call);
    return ok;
  }
};

using Calls = std::vector<std::string>;

class TransactionTableTest : public ::testing::Test {
 protected:
  testing::ScriptedScreen screen_;
  RecordingExchange exchange_;
  Transactions transactions_{exchange_, screen_};
  Address address_{0x0B, 0x30, 0x30, 0x30, 0x30, 0x30, 0x31};
};

TEST(TransactionTable, EveryCodeOfTheTableHasOneRowWithItsCommandWait) {
  const std::vector<std::pair<int, long>> expected = {
      {0x50, 11}, {0x51, 10}, {0x52, 10}, {0x53, 11}, {0x54, 11}, {0x55, 11},  {0x57, 11},
      {0x58, 11}, {0x60, 11}, {0x61, 10}, {0x62, 10}, {0x63, 11}, {0x64, 11},  {0x65, 11},
      {0x67, 11}, {0x68, 11}, {0x69, 11}, {0x6A, 10}, {0, 11},    {1, 11},     {2, 10},
      {3, 11},    {4, 10},    {5, 11},    {6, 10},    {0x23, 45}, {0x24, 360}, {0x30, 45},
      {0x31, 45}, {0x33, 45}, {0x34, 45}, {0x35, 45}, {0x37, 45}, {0xFF, 5}};
  std::set<int> codes;
  for (const TransactionRow& row : TransactionTable()) {
    EXPECT_TRUE(codes.insert(row.code).second) << "code listed twice: " << int{row.code};
  }
  EXPECT_EQ(codes.size(), expected.size());
  for (const auto& [code, seconds] : expected) {
    const TransactionRow* row = FindTransaction(static_cast<uint8_t>(code));
    ASSERT_NE(row, nullptr) << code;
    EXPECT_EQ(row->command_wait.seconds, seconds) << code;
    EXPECT_EQ(CommandWait(static_cast<uint8_t>(code)).seconds, seconds) << code;
  }
  EXPECT_EQ(FindTransaction(0x70), nullptr);
  EXPECT_EQ(CommandWait(0x70).seconds, 11);
}

TEST_F(TransactionTableTest, CableRecordsWaitThirtySecondsAndOthersTheirRowsWait) {
  std::vector<uint8_t> cables(2 * 380);
  EXPECT_TRUE(transactions_.SendSeries(address_, 0x52, cables, 2));
  std::vector<uint8_t> records(2 * 10);
  EXPECT_TRUE(transactions_.ReceiveSeries(address_, 0x60, records, 2));
  EXPECT_EQ(exchange_.calls, (Calls{"command 52 wait 10", "send 380 expect FF wait 30",
                                    "send 380 expect FE wait 30", "command 60 wait 11",
                                    "receive 10 confirm 0 wait 5", "receive 10 confirm 1 wait 5"}));
  // 0x61 records are 496 bytes: any other length sends nothing.
  exchange_.calls.clear();
  std::vector<uint8_t> short_records(2 * 400);
  EXPECT_FALSE(transactions_.SendSeries(address_, 0x61, short_records, 2));
  EXPECT_TRUE(exchange_.calls.empty());
}

TEST_F(TransactionTableTest, ACodeOfAnotherShapeSendsNothing) {
  std::vector<uint8_t> data(64);
  EXPECT_FALSE(transactions_.ReceiveSeries(address_, 0x52, data, 1));
  EXPECT_FALSE(transactions_.SendSeries(address_, 0x60, data, 1));
  EXPECT_FALSE(transactions_.ReceiveBlockSeries(address_, 0x24, data));
  EXPECT_FALSE(transactions_.ReceiveNumbered(address_, 0x60, data, data));
  EXPECT_FALSE(transactions_.ReceiveSeries(address_, 0x70, data, 1));
  // Records that do not fill the destination evenly.
  EXPECT_FALSE(transactions_.ReceiveSeries(address_, 0x60, data, 3));
  EXPECT_TRUE(exchange_.calls.empty());
  EXPECT_TRUE(screen_.MessageLines().empty());
}

TEST_F(TransactionTableTest, ReflectogramNumbersAndRecordsWaitTenSeconds) {
  const uint8_t number[3] = {0x07, 0, 0};
  std::vector<uint8_t> record(100);
  EXPECT_TRUE(transactions_.ReceiveNumbered(address_, 0x67, number, record));
  EXPECT_TRUE(transactions_.SendNumbered(address_, 0x68, number, record));
  EXPECT_EQ(exchange_.calls, (Calls{"command 67 wait 11", "send 3 expect F8 wait 10",
                                    "receive 100 confirm 7 wait 10", "command 68 wait 11",
                                    "send 3 expect F8 wait 10", "send 100 expect F8 wait 10"}));
  // A failed reflectogram number names the reflectogram; a record number the
  // record.
  exchange_.calls.clear();
  exchange_.fail_at = 1;
  EXPECT_FALSE(transactions_.ReceiveNumbered(address_, 0x67, number, record));
  exchange_.calls.clear();
  EXPECT_FALSE(transactions_.ReceiveNumbered(address_, 0x64, number, record));
  EXPECT_EQ(screen_.MessageLines(),
            (std::vector<std::string>{"Ошибка: Ошибка при отправке номера РФГ",
                                      "Ошибка: Ошибка при отправке номера записи"}));
}

TEST_F(TransactionTableTest, BlocksTakeTheirRowsLengthsConfirmationsAndWaits) {
  std::vector<uint8_t> block(64);
  EXPECT_TRUE(transactions_.ReceiveBlockSeries(address_, 0x23, block));
  std::vector<uint8_t> image(2048);
  EXPECT_TRUE(transactions_.SendBlockSeries(address_, 0x24, image));
  const uint8_t number[2] = {1, 0};
  std::vector<uint8_t> entry(26);
  EXPECT_TRUE(
      transactions_.ExchangeRecordBlock(address_, 0x34, number, entry, ConfirmSource::Value(1)));
  EXPECT_EQ(exchange_.calls, (Calls{"command 23 wait 45", "receive block 64 confirm 1 wait 60",
                                    "command 24 wait 360", "send block 2048 expect 1 wait 1800",
                                    "command 34 wait 45", "send block 2 expect 1 wait 45",
                                    "receive block 26 confirm 1 wait 60"}));
  // 0x30 fixes no confirmation: the caller must give one.
  exchange_.calls.clear();
  EXPECT_FALSE(transactions_.ReceiveBlockSeries(address_, 0x30, block, 32));
  EXPECT_TRUE(exchange_.calls.empty());
  EXPECT_TRUE(
      transactions_.ReceiveBlockSeries(address_, 0x30, block, 32, ConfirmSource::DataByte(0)));
  EXPECT_EQ(exchange_.calls.size(), 3u);
}

TEST_F(TransactionTableTest, RowsWithTheirOwnFailureMessages) {
  std::vector<uint8_t> planned(26);
  exchange_.fail_at = 1;
  EXPECT_FALSE(transactions_.ReceiveSeries(address_, 0x69, planned, 1));
  exchange_.calls.clear();
  std::vector<uint8_t> image(2048);
  EXPECT_FALSE(transactions_.SendBlockSeries(address_, 0x24, image));
  exchange_.calls.clear();
  std::vector<uint8_t> info(40);
  EXPECT_FALSE(transactions_.SendBlockSeries(address_, 0x31, info, 40, ConfirmSource::Value(1)));
  exchange_.calls.clear();
  exchange_.fail_at = 0;
  EXPECT_FALSE(transactions_.ReceiveSeries(address_, 0x60, planned, 1));
  exchange_.calls.clear();
  EXPECT_FALSE(transactions_.ReceiveBlockSeries(address_, 0x23, std::span(image).first(64)));
  EXPECT_EQ(
      screen_.MessageLines(),
      (std::vector<std::string>{"Ошибка: Невозможно принять плановые измерения!",
                                "Ошибка: Проверка записи!", "Ошибка: Ошибка передачи инфозаписи",
                                "Ошибка: Ошибка выполнения команды", "Ошибка: Error cmd"}));
}

TEST_F(TransactionTableTest, ReadDatabaseIsFollowedByTheRecordsOf0x53) {
  std::vector<uint8_t> first(2 * 4);
  std::vector<uint8_t> more(3);
  EXPECT_TRUE(transactions_.ReadDatabase(address_, first, 2, more, 1));
  EXPECT_EQ(exchange_.calls,
            (Calls{"command 50 wait 11", "receive 4 confirm 0 wait 5", "receive 4 confirm 1 wait 5",
                   "command 53 wait 11", "receive 3 confirm 0 wait 5"}));
  EXPECT_EQ(first, (std::vector<uint8_t>{1, 1, 1, 1, 2, 2, 2, 2}));
  // A failed first part leaves the second unasked.
  exchange_.calls.clear();
  exchange_.fail_at = 1;
  EXPECT_FALSE(transactions_.ReadDatabase(address_, first, 2, more, 1));
  EXPECT_EQ(exchange_.calls.size(), 2u);
}

TEST_F(TransactionTableTest, EndSessionDisconnects) {
  EXPECT_TRUE(transactions_.EndSession());
  EXPECT_EQ(exchange_.calls, Calls{"disconnect"});
}

}  // namespace
}  // namespace telvane
