// The program against telvane-sim serving as an IrDA device of the emulated
// stack: the start-up order, identification, synchronisation, retries.
#include <gtest/gtest.h>

#include <memory>

#include "link/irda_session.h"
#include "link/link.h"
#include "link/startup.h"
#include "support/scripted_screen.h"
#include "support/sim_irda.h"
#include "support/sim_process.h"

namespace telvane {
namespace {

using testing::IrdaSimProcess;

// What the serial search says when no port at all could be opened.
constexpr char kNoSerialPort[] = "Error: ошибка открытия порта";

class IrdaEndToEndTest : public ::testing::Test {
 protected:
  // Both folders exist before the link, so the link takes the emulated stack
  // and the serial search finds only the ports of the test.
  IrdaEndToEndTest() : link_(std::make_unique<Link>(screen_)) {
    irda_ = dynamic_cast<IrdaSession*>(link_->irda());
  }

  std::unique_ptr<IrdaSimProcess> Device(const std::string& name, int kind,
                                         std::vector<std::string> faults = {}) {
    std::vector<std::string> args = {"--kind", std::to_string(kind), "--serial", "4E0017"};
    for (const std::string& f : faults) {
      args.push_back("--fault");
      args.push_back(f);
    }
    auto sim = std::make_unique<IrdaSimProcess>(irda_dir_, name, args);
    EXPECT_TRUE(sim->ready()) << sim->Log();
    return sim;
  }

  testing::SimPortDir port_dir_;
  testing::IrdaSimDir irda_dir_;
  testing::ScriptedScreen screen_;
  std::unique_ptr<Link> link_;
  IrdaSession* irda_ = nullptr;
};

struct KindCase {
  int kind;
  const char* name;
};

class IrdaOnlyKindTest : public IrdaEndToEndTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(IrdaOnlyKindTest, IsIdentifiedAndServedOverTheSocket) {
  ASSERT_NE(irda_, nullptr);
  const KindCase& c = GetParam();
  auto sim = Device("Прибор " + std::to_string(c.kind), c.kind);
  screen_.ChooseListEntry(0);
  RunStartupSearch(*link_);

  const InstrumentInfo& info = link_->info();
  EXPECT_EQ(info.kind, c.kind);
  EXPECT_EQ(info.name, c.name);
  EXPECT_EQ(info.SerialText(), "4E0017");
  EXPECT_EQ(info.status, SearchStatus::kEnded);
  EXPECT_EQ(link_->kind(), LinkKind::kIrda);
  EXPECT_EQ(link_->baud(), 115200u);
  EXPECT_TRUE(screen_.messages().empty()) << ::testing::PrintToString(screen_.MessageLines());
  EXPECT_TRUE(screen_.ScriptDone());

  // The end of the session goes over the socket too.
  EXPECT_TRUE(link_->Disconnect());
  EXPECT_EQ(link_->info().kind, 0);
  EXPECT_FALSE(irda_->socket().connected());
}

INSTANTIATE_TEST_SUITE_P(Kinds, IrdaOnlyKindTest,
                         ::testing::Values(KindCase{10, "Кабельный рефлектометр ТАВРА-ПРО"},
                                           KindCase{12, "Кабельный прибор КВР-ПРО-ТАВРА(E)"},
                                           KindCase{13, "Прибор 13"},
                                           KindCase{14, "КВР-ПРО КЕРВАН"},
                                           KindCase{15, "Dataflash reader"},
                                           KindCase{16, "КВР-ПРО-'30'"}),
                         [](const ::testing::TestParamInfo<KindCase>& info) {
                           return "Kind" + std::to_string(info.param.kind);
                         });

TEST_F(IrdaEndToEndTest, CancelledChoiceFallsThroughToTheSerialSearchSilently) {
  auto irda = Device("КВР-ПРО-ТАВРА", 12);
  testing::SimProcess serial(port_dir_.path(), 3, {"--kind", "19", "--serial", "E10001"});
  ASSERT_TRUE(serial.ready());
  screen_.ChooseListEntry(std::nullopt);
  screen_.Answer(Answer::kYes, "Использовать этот порт?");
  RunStartupSearch(*link_);

  EXPECT_EQ(link_->info().kind, 19);
  EXPECT_EQ(link_->info().SerialText(), "E10001");
  EXPECT_EQ(link_->kind(), LinkKind::kSerial);
  EXPECT_TRUE(screen_.messages().empty()) << ::testing::PrintToString(screen_.MessageLines());
  EXPECT_TRUE(screen_.ScriptDone());
  EXPECT_EQ(screen_.shown()[0].caption, "Выбор IrDA уствройства для попытки соединения");
}

TEST_F(IrdaEndToEndTest, SearchAfterTheSocketSideWasDetachedTriesIrdaAgain) {
  auto sim = Device("dev", 12);
  link_->DetachIrda();
  screen_.ChooseListEntry(0);
  RunStartupSearch(*link_);
  EXPECT_EQ(link_->info().kind, 12);
  EXPECT_EQ(link_->kind(), LinkKind::kIrda);
  EXPECT_NE(link_->irda(), nullptr);
}

TEST_F(IrdaEndToEndTest, NoDeviceInRangeGoesStraightToTheSerialSearch) {
  RunStartupSearch(*link_);
  EXPECT_EQ(link_->info().kind, 0);
  // No list shown, no IrDA message: only the serial search's own.
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{kNoSerialPort});
  EXPECT_EQ(screen_.shown().size(), 1u);
}

TEST_F(IrdaEndToEndTest, BadIdentificationEndsTheIrdaSearch) {
  struct Case {
    const char* fault;
    const char* message;
  };
  for (const Case& c : {Case{"bad-id-sum", "Ошибка: Ошибка внутренней КС"},
                        Case{"silence-after:5", "Ошибка: Некорректная информация об устройстве"}}) {
    SCOPED_TRACE(c.fault);
    auto sim = Device("dev", 12, {c.fault});
    screen_.ClearShown();
    screen_.ChooseListEntry(0);
    RunStartupSearch(*link_);
    EXPECT_EQ(link_->info().kind, 0);
    EXPECT_EQ(link_->kind(), LinkKind::kSerial);
    EXPECT_FALSE(irda_->socket().connected());
    EXPECT_EQ(screen_.MessageLines(), (std::vector<std::string>{c.message, kNoSerialPort}));
  }
}

TEST_F(IrdaEndToEndTest, FailedSynchronisationClosesTheSocket) {
  auto sim = Device("dev", 14, {"sync-invert"});
  const std::string failed =
      "Ошибка: Неудачная синхронизация\r\nПрибор: КВР-ПРО КЕРВАН\r\nS/N:4E0017";
  // The simulator serves one connection at a time: the second search is
  // answered only because the first closed its socket.
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    screen_.ClearShown();
    screen_.ChooseListEntry(0);
    RunStartupSearch(*link_);
    EXPECT_FALSE(irda_->socket().connected());
    EXPECT_EQ(link_->info().kind, 0);
    EXPECT_EQ(link_->kind(), LinkKind::kSerial);
    EXPECT_EQ(screen_.MessageLines(), (std::vector<std::string>{failed, kNoSerialPort}));
  }
}

// The flash image of kind 15: one record of 1 MiB, confirmed with the
// complement of 254.
class FlashImageTest : public IrdaEndToEndTest {
 protected:
  void Identify(std::vector<std::string> faults) {
    sim_ = Device("Dataflash", 15, std::move(faults));
    screen_.ChooseListEntry(0);
    RunStartupSearch(*link_);
    ASSERT_EQ(link_->kind(), LinkKind::kIrda);
    screen_.ClearShown();
  }
  bool Receive(std::vector<uint8_t>& image) {
    image.assign(1048576, 0xEE);
    return link_->SendCommand(link_->address(), 0x01, {11, 0}) &&
           link_->ReceiveRecord(link_->address(), image.data(), image.size(),
                                ConfirmSource::Value(254), {}, {11, 0});
  }
  static bool IsImage(const std::vector<uint8_t>& image) {
    for (size_t i = 0; i < image.size(); ++i) {
      if (image[i] != static_cast<uint8_t>(i * 7 + (i >> 11))) return false;
    }
    return true;
  }
  std::unique_ptr<IrdaSimProcess> sim_;
};

TEST_F(FlashImageTest, BadSumIsReceivedAgainUpToFiveAttempts) {
  Identify({"bad-sum:0:4"});
  std::vector<uint8_t> image;
  EXPECT_TRUE(Receive(image));
  EXPECT_TRUE(IsImage(image));
  EXPECT_EQ(screen_.MessageLines(),
            std::vector<std::string>(4, "Ошибка: Ошибка внутренней КС записи"));
}

TEST_F(FlashImageTest, FiveBadSumsFailAndLeaveTheDestinationAlone) {
  Identify({"bad-sum:0:5"});
  std::vector<uint8_t> image;
  EXPECT_FALSE(Receive(image));
  EXPECT_EQ(image, std::vector<uint8_t>(1048576, 0xEE));
  EXPECT_EQ(screen_.MessageLines(),
            std::vector<std::string>(5, "Ошибка: Ошибка внутренней КС записи"));
}

TEST_F(FlashImageTest, RecordWithAForeignSerialNumberIsRefused) {
  Identify({"foreign-serial-records"});
  std::vector<uint8_t> image;
  EXPECT_FALSE(Receive(image));
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>(5, "Ошибка: Ошибка адреса"));
}

TEST_F(FlashImageTest, ConfirmationWithAForeignSerialNumberIsRefused) {
  Identify({"foreign-serial"});
  EXPECT_FALSE(link_->SendCommand(link_->address(), 0x01, {11, 0}));
  EXPECT_TRUE(screen_.messages().empty());
}

}  // namespace
}  // namespace telvane
