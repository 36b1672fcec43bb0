#include "cable/reflectogram_transfer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/cp1251.h"
#include "cable/scripted_port.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::Bytes;
using testing::Cat;
using testing::Framed;

const Bytes kAddress = {0x06, 1, 2, 3, 4, 5, 6};

Bytes Block(uint8_t code) {
  Bytes b = kAddress;
  b.push_back(code);
  return Framed(b);
}

class ReflectogramTest : public ::testing::Test {
 protected:
  ReflectogramTest() {
    info_.kind = 6;
    info_.SetSerial(&kAddress[1]);
    // Day 9, month 12, year 26, hour 10, minute 5, second 7 in bytes 1..6 as
    // year, month, day, hour, minute, second.
    const uint8_t date[] = {26, 12, 9, 10, 5, 7};
    for (int i = 0; i < 6; ++i) entry_.set_date_byte(i + 1, date[i]);
    entry_.set_cable_index(3);
    entry_.set_sample_count(4);
    entry_.mutable_bytes()[40] = 0x5A;  // kept, not interpreted
  }
  std::string Folder() const { return dir_.File("МАГИСТРАЛЬ/Рефлектограммы"); }

  testing::ScriptedPort port_;
  testing::ScriptedScreen screen_;
  testing::TempDir dir_;
  InstrumentInfo info_;
  ReflectogramEntry entry_;
};

TEST_F(ReflectogramTest, WholeTraceGivesThreeFilesNamedFromTheEntryDate) {
  port_.Queue(Cat({Block(static_cast<uint8_t>(~0x17)), Block(static_cast<uint8_t>(~2)),
                   Framed(Cat({kAddress, Bytes{10, 20, 30, 63}}))}));
  ReceivedTrace trace;
  ASSERT_TRUE(ReceiveReflectogram(port_, screen_, info_, 2, entry_, "МАГИСТРАЛЬ",
                                  dir_.path().string(), &trace));
  EXPECT_EQ(port_.written(), Cat({Block(0x17), Block(2), Block(static_cast<uint8_t>(~10))}));
  const std::string stem = Folder() + "/r_10_05_07_09_12_26";
  EXPECT_EQ(trace.files, (std::vector<std::string>{stem + ".tdr", stem + ".csv", stem + ".wv"}));
  const auto csv = testing::ReadAll(stem + ".csv");
  EXPECT_EQ(std::string(csv.begin(), csv.end()), "10;\r\n20;\r\n30;\r\n63;\r\n");
  EXPECT_EQ(testing::ReadAll(stem + ".wv"), (Bytes{4, 0, 0, 0, 10, 0, 20, 0, 30, 0, 63, 0}));
  const Bytes tdr = testing::ReadAll(stem + ".tdr");
  ASSERT_EQ(tdr.size(), 37u + 4u);
  EXPECT_EQ(Bytes(tdr.begin(), tdr.begin() + 16),
            (Bytes{'T', 'V', 'R', 'T', 2, 3, 26, 12, 9, 10, 5, 7, 4, 0, 4, 0}));
  EXPECT_EQ(Cp1251ToUtf8(std::string(tdr.begin() + 16, tdr.begin() + 26)), "МАГИСТРАЛЬ");
  EXPECT_EQ(Bytes(tdr.end() - 4, tdr.end()), (Bytes{10, 20, 30, 63}));
  EXPECT_TRUE(screen_.messages().empty());
}

TEST_F(ReflectogramTest, TraceCutShortIsWrittenAsErrFile) {
  port_.Queue(Cat({Block(static_cast<uint8_t>(~0x17)), Block(static_cast<uint8_t>(~2)), kAddress,
                   Bytes{10, 20}}));
  ReceivedTrace trace;
  EXPECT_FALSE(ReceiveReflectogram(port_, screen_, info_, 2, entry_, "МАГИСТРАЛЬ",
                                   dir_.path().string(), &trace));
  EXPECT_EQ(
      screen_.MessageLines(),
      std::vector<std::string>{"Ошибка: TIMEOUT чтения записи!\r\n байт № 2,\r\nРефлектограмма№2"});
  const std::string err = Folder() + "/r_10_05_07_09_12_26_ERR.tdr";
  EXPECT_EQ(trace.files, std::vector<std::string>{err});
  EXPECT_EQ(testing::ReadAll(err).size(), 37u + 2u);
  EXPECT_FALSE(std::filesystem::exists(Folder() + "/r_10_05_07_09_12_26.tdr"));
}

TEST_F(ReflectogramTest, IndexConfirmationSumFaultShowsBothSums) {
  Bytes bad = Block(static_cast<uint8_t>(~2));
  bad.back() = static_cast<uint8_t>(bad.back() + 1);
  const unsigned computed = static_cast<uint8_t>(bad.back() - 1);
  port_.Queue(Cat({Block(static_cast<uint8_t>(~0x17)), bad}));
  EXPECT_FALSE(ReceiveReflectogram(port_, screen_, info_, 2, entry_, "X", dir_.path().string()));
  EXPECT_EQ(screen_.MessageLines(),
            (std::vector<std::string>{"Ошибка: Неверная контрольная сумма подтверждения № записи",
                                      "Ошибка: Test=" + std::to_string(computed) +
                                          " ,Control=" + std::to_string(computed + 1)}));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("X")));
}

}  // namespace
}  // namespace telvane
