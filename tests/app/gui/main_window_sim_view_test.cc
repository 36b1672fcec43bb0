// The program's window against telvane-sim playing instruments on
// pseudo-terminals (TELVANE_PORT_DIR), with the scripted person at the screen.
#include <gtest/gtest.h>

#include <QMenu>
#include <QTreeWidget>
#include <cstdio>
#include <map>
#include <memory>

#include "app/gui/main_window.h"
#include "app/gui/qt_app.h"
#include "app/gui/session_option.h"
#include "app/gui/translation.h"
#include "app/link_adapter.h"
#include "link/irda_session.h"
#include "link/link.h"
#include "support/scripted_screen.h"
#include "support/sim_irda.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::ScriptedScreen;
using testing::SimPortDir;
using testing::SimProcess;

constexpr char kSerial[] = "T40001";

QStringList TabTexts(QTabBar* bar) {
  QStringList out;
  for (int i = 0; i < bar->count(); ++i) out << bar->tabText(i);
  return out;
}

QStringList FileMenu(QMenuBar* bar) {
  QStringList out;
  for (QAction* item : bar->actions().front()->menu()->actions()) out << item->text();
  return out;
}

// The command frame `code` sent to the instrument, as the simulator traces it.
std::string CommandFrame(int kind, uint8_t code) {
  char frame[64];
  std::snprintf(frame, sizeof frame, "<- %02X 54 34 30 30 30 31 %02X", kind, code);
  return frame;
}

// The end of a session in the simulator's trace: the end-of-session command
// received and confirmed with its complement. A record confirmation of record
// number 0 has the command's very bytes, but the instrument answers it with
// its next record, never with this 9-byte confirmation.
std::string EndOfSession(int kind) {
  unsigned sum = static_cast<unsigned>(kind) + 0x54 + 0x34 + 0x30 + 0x30 + 0x30 + 0x31;
  char frames[128];
  std::snprintf(frames, sizeof frames,
                "<- %02X 54 34 30 30 30 31 FF %02X\nsim: -> %02X 54 34 30 30 30 31 00 %02X\n", kind,
                (sum + 0xFF) & 0xFF, kind, sum & 0xFF);
  return frames;
}

class SimWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::QtApp(); }
  void TearDown() override {
    window_.reset();
    controller_.reset();
  }

  SimProcess& Sim(int kind, std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"--kind", std::to_string(kind), "--serial", kSerial,
                                     "--trace"};
    args.insert(args.end(), more.begin(), more.end());
    sim_ = std::make_unique<SimProcess>(ports_.path(), 1, args);
    EXPECT_TRUE(sim_->ready());
    // The person accepts the instrument the search offers.
    screen_.Answer(Answer::kYes, "Использовать этот порт?");
    return *sim_;
  }
  void Open() {
    controller_ = std::make_unique<MainController>(screen_, adapter_, options_);
    window_ = std::make_unique<MainWindow>(*controller_, nullptr);
    window_->show();
    ASSERT_TRUE(testing::ProcessUntil([this] { return window_->started(); }));
  }

  SimPortDir ports_;
  ScriptedScreen screen_;
  Link link_{screen_};
  LinkAdapter adapter_{link_};
  AppOptions options_;
  std::unique_ptr<SimProcess> sim_;
  std::unique_ptr<MainController> controller_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(SimWindowTest, NoInstrumentGivesOneWarningAfterTheWindowIsShown) {
  controller_ = std::make_unique<MainController>(screen_, adapter_, options_);
  window_ = std::make_unique<MainWindow>(*controller_, nullptr);
  // The search has run; what it reported about the ports is the link's, and
  // the warning is not among it.
  const size_t before_show = screen_.shown().size();
  EXPECT_FALSE(screen_.HasMessage("Совместимые устройства не найдены"));
  window_->show();
  ASSERT_TRUE(testing::ProcessUntil([this] { return window_->started(); }));
  ASSERT_EQ(screen_.shown().size(), before_show + 1);
  EXPECT_EQ(screen_.MessageLines().back(),
            "Telvane: Совместимые устройства не найдены\r\nПереподключите прибор и попробуйте "
            "снова...");
  EXPECT_EQ(screen_.shown().back().icon, Icon::kWarning);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(TabTexts(window_->tab_bar()), QStringList{"Информация о приборе"});
  EXPECT_FALSE(window_->end_button()->isEnabled());
  EXPECT_EQ(FileMenu(window_->menu_bar()), QStringList{"&Закрыть"});
}

struct KindCase {
  int kind;
  QStringList tabs;  // after "Информация о приборе"
  QStringList file_menu;
};

class SimKindTest : public SimWindowTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(SimKindTest, FoundInstrumentShowsTheTabsAndMenuOfItsKind) {
  const KindCase& c = GetParam();
  SimProcess& sim = Sim(c.kind);
  Open();
  EXPECT_TRUE(screen_.messages().empty()) << sim.Log();
  EXPECT_TRUE(screen_.ScriptDone());
  EXPECT_EQ(TabTexts(window_->tab_bar()), QStringList{"Информация о приборе"} + c.tabs);
  EXPECT_EQ(FileMenu(window_->menu_bar()), c.file_menu);
  EXPECT_TRUE(window_->end_button()->isEnabled());
  EXPECT_EQ(window_->speed_label()->text(), "115200 бит/сек");
  EXPECT_EQ(window_->view(PageId::kInstrumentInfo)->findChild<QLineEdit*>("Serial")->text(),
            kSerial);
  EXPECT_FALSE(
      window_->view(PageId::kInstrumentInfo)->findChild<QLineEdit*>("Name")->text().isEmpty());
}

const QStringList kCloseOnly = {"&Закрыть"};

INSTANTIATE_TEST_SUITE_P(
    ProbedKinds, SimKindTest,
    ::testing::Values(
        KindCase{2,
                 {"База данных"},
                 {"&Открыть базу...", "Открыть тек&ст...", "&Сохранить базу...",
                  "Сохранить как &текст...", "Сохранить в формате EXCEL...", "Вы&ход"}},
        KindCase{4, {"База плановых измерений"}, kCloseOnly},
        KindCase{7,
                 {"База плановых измерений", "База параметров кабелей"},
                 {"&Создать БД...", "&Выход"}},
        KindCase{9,
                 {"Информация о базе данных", "База параметров кабелей", "База плановых измерений"},
                 kCloseOnly},
        KindCase{11,
                 {"Информация о БД", "БД параметров кабелей", "БД рефлектограмм",
                  "БД плановых измерений", "БД типов кабелей"},
                 kCloseOnly},
        // The simulated line tester reports version 8.0: the tabs from version 4.
        KindCase{17, {"Измерения", "Список частот"}, kCloseOnly},
        KindCase{20, {"БД Измерений"}, kCloseOnly}),
    [](const ::testing::TestParamInfo<KindCase>& info) {
      return "Kind" + std::to_string(info.param.kind);
    });

TEST_F(SimWindowTest, SessionOptionOpensKindSixWithoutTheSearch) {
  // Kind 6 is never probed by the search: only the known session reaches it.
  std::vector<std::string> words = {"/i9:3", "--session", "6:T40001:COM1"};
  const SessionOption option = TakeSessionOption(words);
  ASSERT_TRUE(option.instrument.has_value());
  EXPECT_EQ(words, std::vector<std::string>{"/i9:3"});
  sim_ = std::make_unique<SimProcess>(
      ports_.path(), 1,
      std::vector<std::string>{"--kind", "6", "--serial", kSerial, "--cables", "3", "--trace"});
  ASSERT_TRUE(sim_->ready());
  controller_ = std::make_unique<MainController>(screen_, adapter_, options_);
  controller_->SetStartupSession(KnownSessionStartup(link_, *option.instrument));
  window_ = std::make_unique<MainWindow>(*controller_, nullptr);
  window_->show();
  ASSERT_TRUE(testing::ProcessUntil([this] { return window_->started(); }));

  EXPECT_TRUE(screen_.messages().empty()) << screen_.MessageLines()[0] << sim_->Log();
  EXPECT_EQ(TabTexts(window_->tab_bar()),
            (QStringList{"Информация о приборе", "Информация о базе данных", "База кабелей",
                         "Параметры кабеля", "Плановые измерения", "Рефлектограммы"}));
  EXPECT_EQ(window_->view(PageId::kInstrumentInfo)->findChild<QLineEdit*>("Serial")->text(),
            kSerial);
  EXPECT_TRUE(window_->end_button()->isEnabled());
  // The cable names came from the instrument.
  window_->tab_bar()->setCurrentIndex(2);
  auto* names = window_->shown_view()->findChild<QListWidget*>("CableList");
  ASSERT_NE(names, nullptr);
  EXPECT_EQ(names->count(), 3);
  testing::SaveScreenshot(*window_, "session_kind6_names");

  // "Поиск" still searches: it ends the known session and probes the ports,
  // where nothing answers to the codes the search sends.
  screen_.Answer(Answer::kYes, "Завершить сеанс связи?");
  window_->search_button()->click();
  EXPECT_NE(sim_->Log().find(EndOfSession(6)), std::string::npos) << sim_->Log();
  EXPECT_EQ(TabTexts(window_->tab_bar()), QStringList{"Информация о приборе"});
}

TEST(SessionOption, MalformedOrMissingValuesAreRefused) {
  for (std::vector<std::string> words :
       std::vector<std::vector<std::string>>{{"--session"},
                                             {"--session", "6:1234567:COM1"},
                                             {"--session=0::COM1"},
                                             {"--session", "6:COM1"},
                                             {"--session=6::"}}) {
    const SessionOption option = TakeSessionOption(words);
    EXPECT_TRUE(option.given);
    EXPECT_FALSE(option.instrument.has_value());
    EXPECT_TRUE(words.empty());
  }
  std::vector<std::string> words = {"--session=7::COM3", "x"};
  const SessionOption option = TakeSessionOption(words);
  ASSERT_TRUE(option.instrument.has_value());
  EXPECT_EQ(option.instrument->kind, 7);
  EXPECT_EQ(option.instrument->serial, "");
  EXPECT_EQ(option.instrument->port, "COM3");
  EXPECT_EQ(words, std::vector<std::string>{"x"});
  std::vector<std::string> none = {"/i9:3"};
  EXPECT_FALSE(TakeSessionOption(none).given);
}

TEST_F(SimWindowTest, EndOfSessionSendsTheCommandAndLeavesTheInformationTab) {
  SimProcess& sim = Sim(19);
  Open();
  ASSERT_EQ(window_->tab_bar()->count(), 2);
  window_->tab_bar()->setCurrentIndex(1);
  window_->end_button()->click();
  EXPECT_NE(sim.Log().find(EndOfSession(19)), std::string::npos) << sim.Log();
  EXPECT_TRUE(screen_.messages().empty()) << screen_.MessageLines()[0];
  EXPECT_FALSE(window_->end_button()->isEnabled());
  EXPECT_EQ(TabTexts(window_->tab_bar()), QStringList{"Информация о приборе"});
  EXPECT_EQ(window_->shown_view(), window_->view(PageId::kInstrumentInfo));
  EXPECT_EQ(window_->view(PageId::kInstrumentInfo)->findChild<QLineEdit*>("Serial")->text(), "");
  EXPECT_EQ(link_.info().kind, 0);
}

TEST_F(SimWindowTest, NoToTheEndQuestionClosesWithoutTheEndCommand) {
  SimProcess& sim = Sim(19);
  Open();
  screen_.Answer(Answer::kNo, "Завершить сеанс связи?");
  window_->close();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(link_.port().is_open());
  const std::string log = sim.Log();
  // The session was live (the synchronisation is in the trace), and no
  // end-of-session frame followed it.
  EXPECT_NE(log.find("<- 13 54 34 30 30 30 31"), std::string::npos) << log;
  EXPECT_EQ(log.find(EndOfSession(19)), std::string::npos) << log;
  EXPECT_TRUE(screen_.ScriptDone());
}

TEST_F(SimWindowTest, SearchEndsTheSessionAndFindsTheInstrumentAgain) {
  SimProcess& sim = Sim(20);
  Open();
  screen_.Answer(Answer::kYes, "Завершить сеанс связи?");
  screen_.Answer(Answer::kYes, "Использовать этот порт?");
  window_->search_button()->click();
  EXPECT_NE(sim.Log().find(EndOfSession(20)), std::string::npos) << sim.Log();
  EXPECT_TRUE(screen_.ScriptDone());
  EXPECT_EQ(TabTexts(window_->tab_bar()), (QStringList{"Информация о приборе", "БД Измерений"}));
  EXPECT_TRUE(window_->end_button()->isEnabled());
  EXPECT_EQ(link_.info().kind, 20);
}

TEST_F(SimWindowTest, Firmware8027AddsTheXdslTabAfterTheLastOne) {
  SimProcess& sim = Sim(11, {"--firmware", "8.027"});
  Open();
  EXPECT_TRUE(screen_.messages().empty()) << sim.Log();
  EXPECT_NE(sim.Log().find(CommandFrame(11, 0x60)), std::string::npos) << sim.Log();
  EXPECT_EQ(sim.Log().find("database information confirmed"), std::string::npos) << sim.Log();
  EXPECT_EQ(TabTexts(window_->tab_bar()),
            (QStringList{"Информация о приборе", "Информация о БД", "БД параметров кабелей",
                         "БД рефлектограмм", "БД плановых измерений", "БД типов кабелей", "xDSL"}));
  auto* rows = window_->view(PageId::kDbInfo11)->findChild<QListWidget*>("InfoRows");
  ASSERT_NE(rows, nullptr);
  ASSERT_GE(rows->count(), 1);
  EXPECT_EQ(rows->item(0)->text(), "Версия ПО: 8.027");
  // Below 10.001 the catalogue name stays.
  EXPECT_EQ(window_->view(PageId::kInstrumentInfo)->findChild<QLineEdit*>("Name")->text(),
            "Кабельный прибор КВР-ПРО-ТАВРА");
}

TEST_F(SimWindowTest, Firmware10001IsTheXdslTester) {
  Sim(11, {"--firmware", "10.001"});
  Open();
  EXPECT_EQ(window_->view(PageId::kInstrumentInfo)->findChild<QLineEdit*>("Name")->text(),
            "Tester xDSL");
  EXPECT_EQ(window_->tab_bar()->count(), 7);
}

TEST_F(SimWindowTest, TextProtocolInstrumentIsTriedWhenNothingElseAnswers) {
  sim_ = std::make_unique<SimProcess>(
      ports_.path(), 1,
      std::vector<std::string>{"--kind", "255", "--text-records", "5", "--trace"});
  ASSERT_TRUE(sim_->ready());
  Open();
  EXPECT_TRUE(screen_.messages().empty()) << screen_.MessageLines()[0];
  EXPECT_EQ(TabTexts(window_->tab_bar()),
            (QStringList{"Информация о приборе", "Плановые измерения"}));
  EXPECT_EQ(window_->tab_bar()->currentIndex(), 0);
  EXPECT_FALSE(window_->end_button()->isEnabled());
  EXPECT_EQ(FileMenu(window_->menu_bar()), QStringList{"&Закрыть"});
  EXPECT_EQ(window_->speed_label()->text(), "19200 бит/сек");
  auto* info = window_->view(PageId::kInstrumentInfo);
  EXPECT_EQ(info->findChild<QLineEdit*>("Name")->text(), "КВР-ПРО 9.31");
  EXPECT_EQ(info->findChild<QLineEdit*>("Serial")->text(), "------");
  window_->tab_bar()->setCurrentIndex(1);
  auto* list = window_->shown_view()->findChild<QTreeWidget*>("PlannedList");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->topLevelItemCount(), 5);
  EXPECT_TRUE(window_->shown_view()->findChild<QPushButton*>("Save")->isEnabled());
  testing::SaveScreenshot(*window_, "main_window_kind255");
}

// Kinds that only the IrDA search finds, on emulated IrDA devices.
class IrdaWindowTest : public SimWindowTest {
 protected:
  testing::IrdaSimProcess& Device(int kind, const std::string& name,
                                  std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"--kind", std::to_string(kind), "--serial", kSerial};
    args.insert(args.end(), more.begin(), more.end());
    device_ = std::make_unique<testing::IrdaSimProcess>(irda_dir_, name, args);
    EXPECT_TRUE(device_->ready());
    InstallIrda(link_);
    screen_.ChooseListEntry(0);  // the device choice
    return *device_;
  }

  testing::IrdaSimDir irda_dir_;
  std::unique_ptr<testing::IrdaSimProcess> device_;
};

TEST_F(IrdaWindowTest, Kind16WithFirmware8027GetsXdslAfterTheFifthTab) {
  testing::IrdaSimProcess& device = Device(16, "KVR-30", {"--firmware", "8.027"});
  Open();
  EXPECT_TRUE(screen_.messages().empty()) << device.Log();
  EXPECT_EQ(link_.kind(), LinkKind::kIrda);
  EXPECT_EQ(TabTexts(window_->tab_bar()),
            (QStringList{"Информация о приборе", "Информация о БД", "БД параметров кабелей",
                         "БД плановых измерений", "БД типов кабелей", "xDSL"}));
  EXPECT_EQ(window_->view(PageId::kInstrumentInfo)->findChild<QLineEdit*>("Name")->text(),
            "КВР-ПРО-'30'");
  // "Конец связи" over the socket.
  window_->end_button()->click();
  EXPECT_EQ(window_->tab_bar()->count(), 1);
  EXPECT_FALSE(window_->end_button()->isEnabled());
}

TEST_F(IrdaWindowTest, SessionOptionOverIrdaSkipsTheSerialSearch) {
  Device(16, "KVR-30", {"--firmware", "8.027"});
  // A kind-20 meter on COM1 that the serial search would find and offer.
  sim_ = std::make_unique<SimProcess>(
      ports_.path(), 1, std::vector<std::string>{"--kind", "20", "--serial", kSerial, "--trace"});
  ASSERT_TRUE(sim_->ready());
  std::vector<std::string> words = {"--session=16:T40001:IrDA"};
  const SessionOption option = TakeSessionOption(words);
  ASSERT_TRUE(option.instrument.has_value());
  controller_ = std::make_unique<MainController>(screen_, adapter_, options_);
  controller_->SetStartupSession(KnownSessionStartup(link_, *option.instrument));
  window_ = std::make_unique<MainWindow>(*controller_, nullptr);
  window_->show();
  ASSERT_TRUE(testing::ProcessUntil([this] { return window_->started(); }));
  EXPECT_TRUE(screen_.messages().empty()) << screen_.MessageLines()[0];
  EXPECT_EQ(link_.kind(), LinkKind::kIrda);
  EXPECT_EQ(window_->tab_bar()->count(), 6);
  // The serial port was never probed.
  EXPECT_EQ(sim_->Log().find("<-"), std::string::npos) << sim_->Log();
}

TEST_F(IrdaWindowTest, SessionOptionOverIrdaRefusesAnotherKind) {
  Device(16, "KVR-30");
  controller_ = std::make_unique<MainController>(screen_, adapter_, options_);
  controller_->SetStartupSession(KnownSessionStartup(link_, KnownInstrument{12, kSerial, "irda"}));
  window_ = std::make_unique<MainWindow>(*controller_, nullptr);
  window_->show();
  ASSERT_TRUE(testing::ProcessUntil([this] { return window_->started(); }));
  ASSERT_FALSE(screen_.MessageLines().empty());
  EXPECT_EQ(screen_.MessageLines().front(), "IrDA: Ошибка чтения VendorID!");
  EXPECT_EQ(link_.info().kind, 0);
  EXPECT_EQ(window_->tab_bar()->count(), 1);
}

TEST_F(IrdaWindowTest, Kind16BelowFirmware8027HasFiveTabs) {
  Device(16, "KVR-30", {"--firmware", "8.026"});
  Open();
  EXPECT_EQ(window_->tab_bar()->count(), 5);
}

TEST_F(IrdaWindowTest, Kind15SavesTheWholeFlashImage) {
  testing::TempDir out;
  const std::string path = out.File("flash.bin");
  screen_.ChooseFile(path, 1);
  Device(15, "Dataflash");
  Open();
  EXPECT_TRUE(screen_.messages().empty()) << screen_.MessageLines()[0];
  EXPECT_TRUE(screen_.ScriptDone());
  const std::vector<uint8_t> image = testing::ReadAll(path);
  ASSERT_EQ(image.size(), 1048576u);
  // The simulator's image: byte i is i * 7 + i / 2048 (mod 256).
  for (size_t i : {size_t{0}, size_t{1}, size_t{2047}, size_t{2048}, size_t{1048575}}) {
    EXPECT_EQ(image[i], static_cast<uint8_t>(i * 7 + (i >> 11))) << i;
  }
  EXPECT_EQ(TabTexts(window_->tab_bar()), QStringList{"Информация о приборе"});
  EXPECT_EQ(window_->view(PageId::kInstrumentInfo)->findChild<QLineEdit*>("Name")->text(),
            "Dataflash reader");
}

// Three windows as PNG files under the build tree, for a person to look at.
TEST_F(SimWindowTest, ScreenshotsOfThreeKinds) {
  // kind, tab shown: the information page, the 435-byte family's database
  // information with its "xDSL" tab, a file-list kind's page.
  for (auto [kind, tab] : {std::pair{7, 0}, std::pair{11, 1}, std::pair{19, 1}}) {
    SCOPED_TRACE(kind);
    TearDown();
    Sim(kind, {"--firmware", "8.027"});
    Open();
    window_->tab_bar()->setCurrentIndex(tab);
    EXPECT_EQ(window_->tab_bar()->currentIndex(), tab);
    const std::string path =
        testing::SaveScreenshot(*window_, "main_window_kind" + std::to_string(kind));
    QImage image(QString::fromStdString(path));
    EXPECT_EQ(image.size(), window_->size());
    // The window's close question and the sim for the next kind.
    screen_.Answer(Answer::kNo, "Завершить сеанс связи?");
    window_->close();
    sim_.reset();
  }
}

// Every tab of the cable meters in both languages, with the simulator's data,
// as PNG files (english_kind6_tab2.png, russian_kind6_tab2.png, ...). In
// English the cable pages' fixed texts are English: the Cyrillic left on
// them is the instrument's data.
TEST_F(SimWindowTest, CableMeterTabsInBothLanguages) {
  for (const bool english : {true, false}) {
    ASSERT_TRUE(InstallTranslation(english ? QLocale(QLocale::English, QLocale::UnitedStates)
                                           : QLocale(QLocale::Russian, QLocale::Russia)));
    for (const int kind : {2, 6, 7}) {
      SCOPED_TRACE(std::to_string(kind) + (english ? " en" : " ru"));
      TearDown();
      std::vector<std::string> more = {"--cables", "3", "--reflectograms", "2"};
      if (kind == 6) {
        std::vector<std::string> args = {"--kind", "6", "--serial", kSerial, "--trace"};
        args.insert(args.end(), more.begin(), more.end());
        sim_ = std::make_unique<SimProcess>(ports_.path(), 1, args);
        ASSERT_TRUE(sim_->ready());
        controller_ = std::make_unique<MainController>(screen_, adapter_, options_);
        controller_->SetStartupSession(
            KnownSessionStartup(link_, KnownInstrument{6, kSerial, "COM1"}));
        window_ = std::make_unique<MainWindow>(*controller_, nullptr);
        window_->show();
        ASSERT_TRUE(testing::ProcessUntil([this] { return window_->started(); }));
      } else {
        Sim(kind, more);
        Open();
      }
      EXPECT_TRUE(screen_.messages().empty()) << screen_.MessageLines()[0];
      ASSERT_GT(window_->tab_bar()->count(), 1);
      EXPECT_EQ(window_->search_button()->text(), english ? "Search" : "Поиск");
      for (int tab = 0; tab < window_->tab_bar()->count(); ++tab) {
        window_->tab_bar()->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        testing::SaveScreenshot(*window_, (english ? "english_kind" : "russian_kind") +
                                              std::to_string(kind) + "_tab" + std::to_string(tab));
      }
      screen_.Answer(Answer::kNo, "Завершить сеанс связи?");
      window_->close();
      sim_.reset();
    }
  }
  ASSERT_TRUE(InstallTranslation(QLocale(QLocale::Russian, QLocale::Russia)));
}

}  // namespace
}  // namespace telvane
