#include "cable/cable_transfer.h"

#include <gtest/gtest.h>

#include <numeric>

#include "cable/scripted_port.h"
#include "support/scripted_screen.h"

namespace telvane {
namespace {

using testing::Bytes;
using testing::Cat;
using testing::Framed;

const Bytes kAddress = {0x06, 0x41, 0x31, 0x42, 0x32, 0x43, 0x33};  // kind 6, "A1B2C3"

Bytes Block(uint8_t code) {
  Bytes b = kAddress;
  b.push_back(code);
  return Framed(b);
}
Bytes Confirm(uint8_t code) { return Block(static_cast<uint8_t>(~code)); }
// A compact meter's address (kind 7) and a 9-byte block on it.
const Bytes kCompactAddress = [] {
  Bytes a = kAddress;
  a[0] = 7;
  return a;
}();
Bytes CompactBlock(uint8_t code) {
  Bytes b = kCompactAddress;
  b.push_back(code);
  return Framed(b);
}
Bytes Record(std::optional<uint8_t> number, const Bytes& data, const Bytes& address = kAddress) {
  Bytes b = address;
  if (number) b.push_back(*number);
  b.insert(b.end(), data.begin(), data.end());
  return Framed(b);
}
template <class R>
Bytes BytesOf(const R& record) {
  return Bytes(record.bytes().begin(), record.bytes().end());
}

class CableTransferTest : public ::testing::Test {
 protected:
  CableTransferTest() {
    info_.kind = 6;
    info_.SetSerial(&kAddress[1]);
    info_.name = "Прибор";
  }
  CableTransfer transfer() { return CableTransfer(port_, screen_, info_); }

  testing::ScriptedPort port_;
  testing::ScriptedScreen screen_;
  InstrumentInfo info_;
};

TEST_F(CableTransferTest, TypeStatusGoldenExchange) {
  port_.Queue({0x06, 0x41, 0x31, 0x42, 0x32, 0x43, 0x33, 0xFF, 0x61});  // command confirmed
  port_.Queue({0x06, 0x41, 0x31, 0x42, 0x32, 0x43, 0x33, 0x05, 0x3F, 0xA6});
  CableTypeTable table;
  ASSERT_TRUE(transfer().ReadTypeStatus(table));
  EXPECT_EQ(port_.written(), (Bytes{0x06, 0x41, 0x31, 0x42, 0x32, 0x43, 0x33, 0x00, 0x62,  //
                                    0x06, 0x41, 0x31, 0x42, 0x32, 0x43, 0x33, 0xC0, 0x22}));
  EXPECT_EQ(table.current, 5);
  EXPECT_EQ(table.maximum, 63);
  EXPECT_EQ(table.types.size(), 63u);
  EXPECT_EQ(port_.queues(), (std::vector<std::pair<size_t, size_t>>{{256, 256}}));
  EXPECT_EQ(port_.timeouts(), (std::vector<int>{5000, 5000}));
  EXPECT_TRUE(screen_.messages().empty());
}

TEST_F(CableTransferTest, CommandConfirmationFaults) {
  CableTypeTable table;
  EXPECT_FALSE(transfer().ReadTypeStatus(table));
  EXPECT_EQ(screen_.MessageLines().back(), "Error: TIMEOUT!");

  port_.Queue(Block(0x00));  // code byte not complemented
  EXPECT_FALSE(transfer().ReadTypeStatus(table));
  EXPECT_EQ(screen_.MessageLines().back(), "Error: Ошибка подтверждения команды");

  Bytes bad_sum = Confirm(0x00);
  bad_sum.back() ^= 1;
  port_.Queue(bad_sum);
  EXPECT_FALSE(transfer().ReadTypeStatus(table));
  EXPECT_EQ(screen_.MessageLines().back(),
            "Error: Неверная контрольная сумма подтверждения команды");

  Bytes other = kAddress;  // another serial number, complemented code
  other[3] ^= 1;
  other.push_back(0xFF);
  port_.Queue(Framed(other));
  EXPECT_FALSE(transfer().ReadTypeStatus(table));
  EXPECT_EQ(screen_.MessageLines().back(), "Error: Ошибка подтверждения команды");
  EXPECT_EQ(table.types.size(), 63u);
  EXPECT_EQ(table.current, 0);
}

CableTypeTable TwoTypes() {
  CableTypeTable table;
  table.types.resize(2);
  table.types[0].set_name("ТПП");
  table.types[0].set_specific_resistance(1.5f);
  table.types[1].set_name("КСПП");
  table.types[1].set_temperature_factor(0.25f);
  return table;
}

TEST_F(CableTransferTest, SendAllTypesNumbersThemFromOne) {
  const CableTypeTable table = TwoTypes();
  port_.Queue(Cat({Confirm(0x02), Confirm(1), Confirm(2)}));
  ASSERT_TRUE(transfer().SendCableTypes(table, 2));
  Bytes first = {0xD2, 0xCF, 0xCF};
  first.resize(16, ' ');
  first.insert(first.end(), {0x3F, 0xC0, 0, 0, 0, 0, 0, 0});
  first.resize(32, 0);
  const auto second = EncodeCableType(table.types[1], NamePadding::kSpaces);
  EXPECT_EQ(port_.written(),
            Cat({Block(0x02), Record(1, first), Record(2, Bytes(second.begin(), second.end()))}));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Info: Complete"});
  EXPECT_EQ(screen_.progress_positions().back(), 100);
  EXPECT_FALSE(screen_.progress_visible());
  EXPECT_EQ(port_.queues(), (std::vector<std::pair<size_t, size_t>>{{256, 1}}));
}

TEST_F(CableTransferTest, RecordConfirmationFaultsStopTheSeries) {
  const CableTypeTable table = TwoTypes();
  port_.Queue(Confirm(0x02));
  EXPECT_FALSE(transfer().SendCableTypes(table, 2));
  EXPECT_EQ(screen_.MessageLines(),
            (std::vector<std::string>{"Error: TIMEOUT подтверждения получения записи!",
                                      "debug: 6 41 31 42 32 43 33 1 "}));
  EXPECT_FALSE(screen_.progress_visible());

  screen_.ClearShown();
  port_.Queue(Cat({Confirm(0x02), Block(1)}));
  EXPECT_FALSE(transfer().SendCableTypes(table, 2));
  EXPECT_EQ(screen_.MessageLines(),
            std::vector<std::string>{"Error: Ошибка подтверждения номера записи"});

  screen_.ClearShown();
  Bytes no_sum = Confirm(1);
  no_sum.pop_back();
  port_.Queue(Cat({Confirm(0x02), no_sum}));
  EXPECT_FALSE(transfer().SendCableTypes(table, 2));
  EXPECT_EQ(screen_.MessageLines(),
            std::vector<std::string>{"Error: TIMEOUT получения контрольной суммы подтверждения!"});
}

TEST_F(CableTransferTest, ReceivedTypesReplaceTheTableOnlyWhenAllArrived) {
  CableTypeTable table = TwoTypes();
  table.maximum = 2;
  const auto wire0 = EncodeCableType(TwoTypes().types[1], NamePadding::kSpaces);
  const Bytes data(wire0.begin(), wire0.end());
  Bytes foreign = kAddress;
  foreign[6] = 0x34;
  port_.Queue(Cat({Confirm(0x05), Record(1, data), Record(2, data, foreign)}));
  EXPECT_FALSE(transfer().ReceiveCableTypes(table));
  EXPECT_EQ(screen_.MessageLines().back(), "Error: Неверный SerialNumber!");
  EXPECT_EQ(table.types, TwoTypes().types);
  // The first record was confirmed, the foreign one was not.
  EXPECT_EQ(port_.written(), Cat({Block(0x05), Confirm(1)}));

  Bytes vendor = kAddress;
  vendor[0] = 7;
  port_.Queue(Cat({Confirm(0x05), Record(1, data, vendor)}));
  EXPECT_FALSE(transfer().ReceiveCableTypes(table));
  EXPECT_EQ(screen_.MessageLines().back(), "Error: Неверный VendorID!");

  port_.Queue(Cat({Confirm(0x05), Record(2, data), Record(1, data)}));
  ASSERT_TRUE(transfer().ReceiveCableTypes(table));
  EXPECT_EQ(screen_.MessageLines().back(), "Debug: Принято 2 записи");
  ASSERT_EQ(table.types.size(), 2u);
  EXPECT_EQ(table.types[0].name(), "КСПП");
  EXPECT_TRUE(table.types[0].selected());
}

CableRecord Numbered(uint8_t seed) {
  CableRecord::Bytes bytes;
  std::iota(bytes.begin(), bytes.end(), seed);
  return CableRecord(bytes);
}

TEST_F(CableTransferTest, SumFaultMidDatabaseKeepsEarlierRecordsAndTheFailingSlot) {
  CableBase base;
  for (int i = 0; i < 3; ++i) base.cables[static_cast<size_t>(i)] = Numbered(200);
  Bytes faulty = Record(1, BytesOf(Numbered(11)));
  faulty.back() ^= 0x80;
  port_.Queue(Cat(
      {Confirm(0x15), Record(0, BytesOf(Numbered(10))), faulty, Record(2, BytesOf(Numbered(12)))}));
  EXPECT_FALSE(transfer().ReceiveCableRecords(base, 3));
  EXPECT_EQ(screen_.MessageLines(),
            std::vector<std::string>{"Error: Неверная контрольная сумма записи"});
  EXPECT_EQ(base.cables[0], Numbered(10));
  EXPECT_EQ(base.cables[1], Numbered(200));
  EXPECT_EQ(base.cables[2], Numbered(200));
  EXPECT_FALSE(screen_.progress_visible());
}

TEST_F(CableTransferTest, CableRecordNumbersAreCheckedAgainstTheCount) {
  CableBase base;
  port_.Queue(Cat({Confirm(0x15), Record(5, BytesOf(Numbered(1)))}));
  EXPECT_FALSE(transfer().ReceiveCableRecords(base, 2));
  EXPECT_EQ(screen_.MessageLines().back(), "Error: Неверный номер записи");
  EXPECT_EQ(base.cables[5], CableRecord());

  Bytes moved = kAddress;
  moved[2] = 0;
  port_.Queue(Cat({Confirm(0x15), Record(0, BytesOf(Numbered(1)), moved)}));
  EXPECT_FALSE(transfer().ReceiveCableRecords(base, 2));
  EXPECT_EQ(screen_.MessageLines().back(), "Error: Ошибка адреса");
}

TEST_F(CableTransferTest, SingleCableSentWithItsLastWordClearedAndCodeFF) {
  CableBase base;
  base.cables[4] = Numbered(3);
  port_.Queue(Cat({Confirm(0x11), Confirm(0xFF)}));
  ASSERT_TRUE(transfer().SendCableRecord(base, 4));
  CableRecord sent = Numbered(3);
  sent.ClearTransferWord();
  EXPECT_EQ(port_.written(), Cat({Block(0x11), Record(0xFF, BytesOf(sent))}));
  EXPECT_EQ(base.cables[4], sent);
  EXPECT_EQ(port_.timeouts(), (std::vector<int>{5000, 15000, 5000}));
}

TEST_F(CableTransferTest, SingleCableReceivedAfterItsIndex) {
  CableBase base;
  port_.Queue(Cat({Confirm(0x14), Confirm(7), Record(7, BytesOf(Numbered(9)))}));
  ASSERT_TRUE(transfer().ReceiveCableRecord(base, 7));
  EXPECT_EQ(port_.written(), Cat({Block(0x14), Block(7), Confirm(7)}));
  EXPECT_EQ(base.cables[7], Numbered(9));
}

TEST_F(CableTransferTest, WholeBaseSendWaitsLongForTheCommandWithTheWaitCursor) {
  CableBase base;
  base.cables[0] = Numbered(1);
  base.cables[1] = Numbered(2);
  port_.Queue(Cat({Confirm(0x12), Confirm(0), Confirm(1)}));
  ASSERT_TRUE(transfer().SendCableRecords(base, 2));
  EXPECT_EQ(port_.written(),
            Cat({Block(0x12), Record(0, BytesOf(Numbered(1))), Record(1, BytesOf(Numbered(2)))}));
  EXPECT_EQ(port_.timeouts(), (std::vector<int>{300000, 15000, 5000}));
  EXPECT_EQ(screen_.wait_cursor_changes(), 2);
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Info: Complete"});
}

TEST_F(CableTransferTest, PlannedMeasurementsOfOneCable) {
  CableBase base;
  base.cables[2].set_pair_count(2);
  PlannedMeasurement p0, p1;
  p0.set_pair(1);
  p0.set_capacitance_ab(45.5f);
  p1.set_pair(2);
  p1.set_capacitance_ab(kPairNotMeasured);
  port_.Queue(Cat({Confirm(0x16), Confirm(2), Record(std::nullopt, {9, 12, 26}),
                   Record(std::nullopt, BytesOf(p0)), Record(std::nullopt, BytesOf(p1))}));
  ASSERT_TRUE(transfer().ReceivePlanned(base, 2));
  EXPECT_EQ(port_.written(), Cat({Block(0x16), Block(2), Confirm(9), Confirm(1), Confirm(2)}));
  EXPECT_EQ(base.planned[2].date, (std::array<uint8_t, 3>{9, 12, 26}));
  EXPECT_EQ(base.planned[2].slots[0], p0);
  EXPECT_EQ(base.planned[2].slots[1], p1);
}

TEST_F(CableTransferTest, PlannedMeasurementFaults) {
  CableBase base;
  EXPECT_FALSE(transfer().ReceivePlanned(base, 0));
  EXPECT_EQ(screen_.MessageLines().back(),
            "Ошибка: Количество пар должно превышать 0\n\rВозможно не считаны параметры кабеля");
  EXPECT_TRUE(port_.written().empty());

  base.cables[0].set_pair_count(3);
  port_.Queue(Cat({Confirm(0x16), Confirm(0)}));
  EXPECT_FALSE(transfer().ReceivePlanned(base, 0));
  EXPECT_EQ(screen_.MessageLines().back(), "Error: TIMEOUT адреса при попытке чтения даты!");

  PlannedMeasurement p;
  p.set_pair(1);
  Bytes cut = Record(std::nullopt, BytesOf(p));
  cut.resize(20);
  port_.Queue(Cat({Confirm(0x16), Confirm(0), Record(std::nullopt, {1, 2, 3}), cut}));
  EXPECT_FALSE(transfer().ReceivePlanned(base, 0));
  EXPECT_EQ(screen_.MessageLines().back(), "Error: TIMEOUT чтения записи!\r\n байт № 20");
  EXPECT_EQ(base.planned[0].slots[0], PlannedMeasurement());
}

TEST_F(CableTransferTest, CompactTransfers) {
  info_.kind = 7;
  Bytes address = kAddress;
  address[0] = 7;
  auto block = [&](uint8_t code) {
    Bytes b = address;
    b.push_back(code);
    return Framed(b);
  };
  CompactBase base;
  EXPECT_FALSE(transfer().ReceiveCompactCables(base));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка: В приборе отсутствуют параметры кабелей!");
  EXPECT_FALSE(transfer().ReceiveCompactPlanned(base));
  EXPECT_EQ(screen_.MessageLines().back(),
            "Ошибка: Нет кабелей 0\n\rВозможно не считаны параметры");
  base.counts.planned_cables = 2;
  EXPECT_FALSE(transfer().ReceiveCompactPlanned(base));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка: Нет пар 0\n\rВозможно не считаны параметры");
  EXPECT_TRUE(port_.written().empty());

  base.counts.cables = 1;
  CompactCableRecord cable;
  cable.set_name("ЛИНИЯ");
  cable.UpdateChecksum();
  port_.Queue(Cat({block(static_cast<uint8_t>(~0x23)), Record(0, BytesOf(cable), address)}));
  ASSERT_TRUE(transfer().ReceiveCompactCables(base));
  EXPECT_EQ(port_.written(), Cat({block(0x23), block(0xFF)}));
  ASSERT_EQ(base.cables.size(), 1u);
  EXPECT_EQ(base.cables[0], cable);
  EXPECT_EQ(port_.timeouts().front(), 1000);

  // A time-out in the middle shows the compact family's text.
  port_.Queue(block(static_cast<uint8_t>(~0x23)));
  EXPECT_FALSE(transfer().ReceiveCompactCables(base));
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка: Время ожидания вышло!\r\n байт № 0");
  EXPECT_EQ(base.cables[0], cable);
}

TEST_F(CableTransferTest, CompactTypesAreNumberedFromOne) {
  info_.kind = 7;
  const Bytes& address = kCompactAddress;
  auto block = CompactBlock;
  CompactCableType first;
  first.set_name("ТПП");
  CompactCableType second;
  second.set_name("ТГ");
  CompactBase base;
  base.counts.types = 2;
  // Numbers 1..n name the list positions, whatever order they come in; each
  // is confirmed with the complement of its number.
  port_.Queue(Cat({block(static_cast<uint8_t>(~0x22)), Record(2, BytesOf(second), address),
                   Record(1, BytesOf(first), address)}));
  ASSERT_TRUE(transfer().ReceiveCompactTypes(base)) << screen_.MessageLines().back();
  EXPECT_EQ(port_.written(), Cat({block(0x22), block(0xFD), block(0xFE)}));
  ASSERT_EQ(base.types.size(), 2u);
  EXPECT_EQ(base.types[0].name(), "ТПП");
  EXPECT_EQ(base.types[1].name(), "ТГ");

  // 0 and n + 1 name no type: refused, the list kept as it was.
  for (const uint8_t number : {uint8_t{0}, uint8_t{3}}) {
    screen_.ClearShown();
    port_.Queue(
        Cat({block(static_cast<uint8_t>(~0x22)), Record(number, BytesOf(second), address)}));
    EXPECT_FALSE(transfer().ReceiveCompactTypes(base));
    EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Ошибка: Неверный номер записи"});
    EXPECT_EQ(base.types[0].name(), "ТПП");
  }
}

TEST_F(CableTransferTest, EndSessionClearsTheIdentityOnConfirmation) {
  EXPECT_FALSE(transfer().EndSession());
  EXPECT_EQ(info_.kind, 6);
  port_.Queue(Confirm(0xFF));
  ASSERT_TRUE(transfer().EndSession());
  EXPECT_EQ(port_.written(), Cat({Block(0xFF), Block(0xFF)}));
  EXPECT_EQ(info_.kind, 0);
  EXPECT_EQ(info_.name, "");
}

TEST_F(CableTransferTest, FailedWriteIsReported) {
  port_.FailWritesAfter(3);
  CableTypeTable table;
  EXPECT_FALSE(transfer().ReadTypeStatus(table));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Error: WriteFile()"});
}

}  // namespace
}  // namespace telvane
