// The serial search end to end: telvane-sim processes on pseudo-terminals
// stand in for the machine's serial ports (TELVANE_PORT_DIR).
#include "link/search.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "link/catalogue.h"
#include "link/link.h"
#include "support/scripted_screen.h"
#include "support/sim_process.h"

namespace telvane {
namespace {

using testing::ScriptedScreen;
using testing::SimPortDir;
using testing::SimProcess;

class SearchTest : public ::testing::Test {
 protected:
  // Starts a simulator on COMn with the given options after kind and serial.
  SimProcess& Sim(int com, int kind, std::vector<std::string> more = {},
                  const std::string& serial = "A01234") {
    std::vector<std::string> args = {"--kind", std::to_string(kind), "--serial", serial, "--trace"};
    args.insert(args.end(), more.begin(), more.end());
    sims_.push_back(std::make_unique<SimProcess>(ports_.path(), com, args));
    EXPECT_TRUE(sims_.back()->ready());
    return *sims_.back();
  }

  static std::string Question(const std::string& port, uint8_t kind, const std::string& serial) {
    return "Порт: " + port + " \r\nНайден инструмент: " + SerialCatalogueName(kind) +
           "\r\nСерийный номер: " + serial + "\r\nИспользовать этот порт?";
  }

  SimPortDir ports_;
  ScriptedScreen screen_;
  Link link_{screen_};
  std::vector<std::unique_ptr<SimProcess>> sims_;
};

class ProbedKindTest : public SearchTest, public ::testing::WithParamInterface<int> {};

TEST_P(ProbedKindTest, IsIdentifiedAcceptedAndSynchronised) {
  const int kind = GetParam();
  SimProcess& sim = Sim(1, kind, {"--baud-code", "11"});
  screen_.Answer(Answer::kYes, "Использовать этот порт?");
  InstrumentSearch(link_);

  ASSERT_EQ(screen_.shown().size(), 1u) << sim.Log();
  EXPECT_EQ(screen_.shown()[0].caption, "Telvane");
  EXPECT_EQ(screen_.shown()[0].icon, Icon::kQuestion);
  EXPECT_EQ(screen_.shown()[0].text, Question("COM1", kind, "A01234"));
  EXPECT_EQ(link_.info().kind, kind);
  EXPECT_EQ(link_.info().SerialText(), "A01234");
  EXPECT_EQ(link_.info().name, SerialCatalogueName(kind));
  EXPECT_EQ(link_.info().status, SearchStatus::kEnded);
  EXPECT_EQ(link_.port_name(), "COM1");
  EXPECT_EQ(link_.baud(), 28800u);  // IrDA_BR 11: 28800 by cable
  EXPECT_FALSE(link_.irda_adapter());
  ASSERT_TRUE(link_.port().is_open());
  EXPECT_EQ(link_.port().DeviceBaud(), 28800u);

  // The session is live: the end-of-session command is confirmed.
  EXPECT_TRUE(link_.Disconnect());
  EXPECT_EQ(link_.info().kind, 0);
  char frame[40];
  std::snprintf(frame, sizeof frame, "<- %02X 41 30 31 32 33 34 FF", kind);
  EXPECT_NE(sim.Log().find(frame), std::string::npos) << sim.Log();
}

INSTANTIATE_TEST_SUITE_P(EveryProbedCode, ProbedKindTest,
                         ::testing::Values(20, 19, 18, 17, 11, 9, 8, 7, 4, 2));

TEST_F(SearchTest, NoKeepsProbingTheLowerCodesOfThePortThenTheNextPort) {
  SimProcess& first = Sim(1, 9);
  Sim(2, 4, {}, "B77777");
  screen_.Answer(Answer::kNo, "Найден инструмент: КВР-ПРО-8.500");
  screen_.Answer(Answer::kYes, "Найден инструмент: КВР-ПРО-8.3ХХ");
  InstrumentSearch(link_);

  EXPECT_TRUE(screen_.ScriptDone());
  EXPECT_EQ(link_.info().kind, 4);
  EXPECT_EQ(link_.info().SerialText(), "B77777");
  EXPECT_EQ(link_.port_name(), "COM2");
  // After the No, COM1 still heard the codes below 9.
  const std::string log = first.Log();
  const size_t identified = log.find("-> 09 41 30 31 32 33 34");
  ASSERT_NE(identified, std::string::npos) << log;
  EXPECT_NE(log.find("<- 08\nsim: <- 07\nsim: <- 04\nsim: <- 02", identified), std::string::npos)
      << log;
  link_.Disconnect();
}

TEST_F(SearchTest, EchoingPortPassesVendorIdButIsNeverOffered) {
  Sim(1, 9, {"--fault", "echo"});
  InstrumentSearch(link_);
  EXPECT_TRUE(screen_.shown().empty());
  EXPECT_EQ(link_.info().kind, 0);
  // The first port that opened is the default session port.
  EXPECT_EQ(link_.port_name(), "COM1");
  EXPECT_TRUE(link_.port().is_open());
}

TEST_F(SearchTest, WrongControlSumIsReportedAndSkipped) {
  Sim(1, 20, {"--fault", "bad-id-sum"});
  InstrumentSearch(link_);
  EXPECT_EQ(screen_.MessageLines(),
            std::vector<std::string>{"Error: Неверная Контрольная Сумма !"});
  EXPECT_EQ(link_.info().kind, 0);
  EXPECT_EQ(link_.info().SerialText(), "");
}

TEST_F(SearchTest, UnknownIrdaBrWarnsAndRunsAt9600) {
  link_.set_irda_adapter(true);
  Sim(1, 20, {"--baud-code", "7"});
  screen_.Answer(Answer::kYes);
  InstrumentSearch(link_);
  EXPECT_EQ(
      screen_.MessageLines(),
      std::vector<std::string>{"Warning: Неопознанный байт IrDA_BR\r\nIsIrDA=true; BaudRate=9600"});
  EXPECT_EQ(link_.info().kind, 20);
  EXPECT_EQ(link_.baud(), 9600u);
  EXPECT_TRUE(link_.irda_adapter());  // left as it was
  EXPECT_EQ(link_.port().DeviceBaud(), 9600u);
  link_.Disconnect();
}

TEST_F(SearchTest, AdapterCodeSetsTheFlagAndTheSpeed) {
  Sim(1, 20, {"--baud-code", "5"});
  screen_.Answer(Answer::kYes);
  InstrumentSearch(link_);
  EXPECT_TRUE(screen_.MessageLines().empty());
  EXPECT_EQ(link_.baud(), 115200u);
  EXPECT_TRUE(link_.irda_adapter());
  link_.Disconnect();
}

struct SyncCase {
  const char* fault;
  std::vector<std::string> messages;
};

class SyncFailureTest : public SearchTest, public ::testing::WithParamInterface<SyncCase> {};

TEST_P(SyncFailureTest, IsReportedAndClearsTheInstrument) {
  Sim(1, 20, {"--fault", GetParam().fault});
  screen_.Answer(Answer::kYes);
  InstrumentSearch(link_);
  std::vector<std::string> expected = GetParam().messages;
  expected.push_back("Error: Нет синхронизации");
  EXPECT_EQ(screen_.MessageLines(), expected);
  EXPECT_EQ(link_.info().kind, 0);
  EXPECT_EQ(link_.info().name, "");
  EXPECT_EQ(link_.info().SerialText(), "");
  EXPECT_EQ(link_.info().status, SearchStatus::kSyncFailed);
  // The session port is still opened on the accepted port.
  EXPECT_EQ(link_.port_name(), "COM1");
  EXPECT_TRUE(link_.port().is_open());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SyncFailureTest,
    ::testing::Values(SyncCase{"sync-kind",
                               {"SyncError: Неправильный VendorID\r\nОжидали:20\r\nПолучили:21"}},
                      SyncCase{"sync-serial", {"SyncError: Неправильный серийный номер"}},
                      SyncCase{"sync-invert",
                               {"SyncError: Неправильный инверсный серийный номер",
                                "SyncError: InvertSN= AE CF CE CD CC CB"}},
                      SyncCase{"sync-sum", {"SyncError: Неправильная контрольная сумма"}},
                      SyncCase{"sync-silent", {"Error: Не дождался VendorID (timeout)"}}),
    [](const ::testing::TestParamInfo<SyncCase>& info) {
      std::string name = info.param.fault;
      for (char& c : name) c = c == '-' ? '_' : c;
      return name;
    });

TEST_F(SearchTest, EscapeHeldAtTheStartDoesNotCancel) {
  Sim(1, 20);
  screen_.PressEscapeFor(3);
  screen_.Answer(Answer::kYes, "Использовать этот порт?");
  InstrumentSearch(link_);
  EXPECT_EQ(link_.info().kind, 20);
  link_.Disconnect();
}

TEST_F(SearchTest, EscapeDuringTheSearchAsksAndYesCancels) {
  SimProcess& sim = Sim(1, 2);
  int polls = 0;
  // Poll 1 is the wait for the key to be up; polls 2.. follow each probe.
  screen_.SetEscapeHook([&] { return ++polls == 4; });
  screen_.Answer(Answer::kYes, "Прервать поиск?");
  InstrumentSearch(link_);
  ASSERT_EQ(screen_.shown().size(), 1u);
  EXPECT_EQ(screen_.shown()[0].caption, "Поиск устройств");
  EXPECT_EQ(link_.info().status, SearchStatus::kCancelled);
  EXPECT_EQ(link_.info().kind, 0);
  EXPECT_FALSE(link_.port().is_open());
  // Codes 20, 19, 18 were probed, then the search stopped.
  const std::string log = sim.Log();
  EXPECT_NE(log.find("<- 12"), std::string::npos) << log;
  EXPECT_EQ(log.find("<- 11"), std::string::npos) << log;
}

TEST_F(SearchTest, PortsThatDoNotOpenAreSkippedSilently) {
  ports_.AddDeadPort(1);
  Sim(3, 19);
  screen_.Answer(Answer::kYes);
  InstrumentSearch(link_);
  EXPECT_EQ(link_.info().kind, 19);
  EXPECT_EQ(link_.port_name(), "COM3");
  ASSERT_EQ(screen_.shown().size(), 1u);
  EXPECT_EQ(screen_.shown()[0].text, Question("COM3", 19, "A01234"));
  link_.Disconnect();
}

TEST_F(SearchTest, NothingAnsweringOpensTheFirstPortThatOpened) {
  InstrumentSearch(link_);
  // No port at all: the session port cannot be opened.
  EXPECT_EQ(screen_.MessageLines(), std::vector<std::string>{"Error: ошибка открытия порта"});
  EXPECT_EQ(link_.info().kind, 0);
}

}  // namespace
}  // namespace telvane
