#include "app/main_controller.h"

#include <gtest/gtest.h>

#include <map>

#include "app/dataflash_reader.h"
#include "app/fake_link.h"
#include "app/first_transfer.h"
#include "base/values.h"
#include "cable/family/family_info_page.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

using testing::FakeLink;
using testing::ScriptedScreen;

// Records what the controller asks of its window.
class RecordingView : public MainView {
 public:
  explicit RecordingView(ScriptedScreen& screen) : screen_(screen) {}
  void StateChanged() override { ++changes; }
  void ShowSplash(bool visible) override {
    events.push_back(std::string(visible ? "splash on" : "splash off") + " after " +
                     std::to_string(screen_.shown().size()) + " boxes");
    splash = visible;
  }
  void CloseWindow() override { ++closes; }

  ScriptedScreen& screen_;
  std::vector<std::string> events;
  bool splash = false;
  int changes = 0;
  int closes = 0;
};

// A page that records what the window asked of it and can read a version.
class ProbePage : public InstrumentPage {
 public:
  ProbePage(PageContext& context, PageId id, std::optional<float> version)
      : InstrumentPage(context, id, "probe"), version_(version) {}
  void Start() override {
    ++starts;
    if (version_) context().facts.version = version_;
  }
  void ClearBuffers() override { ++clears; }
  void Reset() override { ++resets; }
  bool HandleMenu(MenuCommand command) override {
    menu.push_back(command);
    return true;
  }
  bool HasUnsavedData() const override { return unsaved; }
  void SaveData() override { ++saves; }
  void MarkSaved() override { unsaved = false; }

  std::optional<float> version_;
  int starts = 0;
  int clears = 0;
  int resets = 0;
  int saves = 0;
  bool unsaved = false;
  std::vector<MenuCommand> menu;
};

class MainControllerTest : public ::testing::Test {
 protected:
  // Builds the controller; the pages named in `probes` are ProbePages, with the
  // version they read at Start.
  void Make(std::map<PageId, std::optional<float>> probes = {}) {
    link_.screen = &screen_;
    controller_ = std::make_unique<MainController>(
        screen_, link_, options_,
        [this, probes](PageId id, PageContext& context) -> std::unique_ptr<InstrumentPage> {
          auto it = probes.find(id);
          if (it == probes.end()) return nullptr;
          auto page = std::make_unique<ProbePage>(context, id, it->second);
          probes_[id] = page.get();
          return page;
        });
    controller_->SetView(&view_);
  }
  // The window's start in the order the Qt window runs it.
  void Start(std::map<PageId, std::optional<float>> probes = {}) {
    Make(std::move(probes));
    controller_->Construct();
    controller_->Initialize();
    controller_->RunFirstTransfer();
    controller_->OnFirstShown();
    EXPECT_FALSE(controller_->OnTimer());
  }
  std::vector<std::string> Titles() const {
    std::vector<std::string> out;
    for (const Tab& t : controller_->tabs()) out.push_back(t.title);
    return out;
  }
  void Found(uint8_t kind, std::string name = "Прибор") {
    link_.searches.push_back({kind, std::move(name)});
  }

  ScriptedScreen screen_;
  FakeLink link_;
  AppOptions options_;
  RecordingView view_{screen_};
  std::unique_ptr<MainController> controller_;
  std::map<PageId, ProbePage*> probes_;
};

TEST_F(MainControllerTest, NoInstrumentSearchesThenWarnsOnceAfterTheWindowIsShown) {
  Start();
  EXPECT_EQ(link_.log, (std::vector<std::string>{"search", "text"}));
  ASSERT_EQ(screen_.MessageLines().size(), 1u);
  EXPECT_EQ(screen_.MessageLines()[0],
            "Telvane: Совместимые устройства не найдены\r\nПереподключите прибор и попробуйте "
            "снова...");
  EXPECT_EQ(screen_.messages()[0].icon, Icon::kWarning);
  // The splash shows around the search and again around the text attempt, and
  // the warning comes only after it went away.
  EXPECT_EQ(view_.events,
            (std::vector<std::string>{"splash on after 0 boxes", "splash off after 0 boxes",
                                      "splash on after 0 boxes", "splash off after 0 boxes"}));
  EXPECT_FALSE(screen_.wait_cursor());
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Информация о приборе"}));
  EXPECT_FALSE(controller_->end_enabled());
  EXPECT_EQ(controller_->menu(), MenuKind::kCloseOnly);
  EXPECT_EQ(controller_->speed_text(), "9600 бит/сек");
  EXPECT_TRUE(link_.info().session);
  // Later ticks do nothing.
  EXPECT_FALSE(controller_->OnTimer());
  EXPECT_EQ(screen_.MessageLines().size(), 1u);
}

TEST_F(MainControllerTest, FoundInstrumentIsShownWithoutTheTextAttempt) {
  link_.searches.push_back({19, "VS-E1", "E10042", 57600, true});
  Start({{PageId::kFiles19, std::nullopt}});  // no E1 transfer here
  EXPECT_EQ(link_.log, (std::vector<std::string>{"search"}));
  EXPECT_TRUE(screen_.messages().empty());
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Информация о приборе", "БД Измерений"}));
  EXPECT_TRUE(controller_->end_enabled());
  EXPECT_TRUE(controller_->adapter_checked());
  EXPECT_EQ(controller_->speed_text(), "57600 бит/сек");
  EXPECT_EQ(controller_->pages().info().name(), "VS-E1");
  EXPECT_EQ(controller_->pages().info().serial(), "E10042");
  controller_->SelectTab(1);
  EXPECT_EQ(controller_->shown_page(), PageId::kFiles19);
  controller_->SelectTab(7);  // no such tab: the selection stays
  EXPECT_EQ(controller_->shown_page(), PageId::kFiles19);
}

TEST_F(MainControllerTest, TextInstrumentGetsItsTwoTabsAndRecords) {
  link_.text_answers = true;
  TextPlannedRecord r{};
  r[0] = 3;
  r[1] = 1;
  StoreLeFloat(kPairNotMeasured, r.data() + 2);
  StoreLeFloat(51.0f, r.data() + 6);
  link_.text_records = {r};
  Start();
  EXPECT_TRUE(screen_.messages().empty());
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Информация о приборе", "Плановые измерения"}));
  EXPECT_EQ(controller_->selected_tab(), 0);
  EXPECT_EQ(controller_->menu(), MenuKind::kCloseOnly);
  EXPECT_FALSE(controller_->end_enabled());
  EXPECT_EQ(controller_->pages().info().name(), "КВР-ПРО 9.31");
  EXPECT_EQ(controller_->pages().info().serial(), "------");
  EXPECT_EQ(controller_->speed_text(), "19200 бит/сек");
  ASSERT_EQ(controller_->pages().text_planned().Rows().size(), 1u);
  EXPECT_EQ(controller_->pages().text_planned().Rows()[0],
            (std::vector<std::string>{"3", "1", "-", "51.0 нФ", " 0.0 нФ", "     0 КОм ",
                                      "     0 КОм ", "     0 КОм "}));

  // "Сохранить..." writes the records as CP1251 text with CR LF.
  testing::TempDir dir;
  screen_.ChooseFile(dir.File("p.csv"), 1);
  ASSERT_TRUE(controller_->pages().text_planned().Save());
  const std::vector<uint8_t> bytes = testing::ReadAll(dir.File("p.csv"));
  const std::string text(bytes.begin(), bytes.end());
  // "нФ" in CP1251 is ED D4; the record line has the six values.
  EXPECT_EQ(text.substr(0, 12), std::string("N1;N2;C1, \xED\xD4"));
  EXPECT_NE(text.find("\r\n3;1;-;51.0;0.0;0.0;0.0;0.0\r\n"), std::string::npos) << text;
  EXPECT_EQ(screen_.shown().back().dialog.default_extension, "csv");
  // A folder that does not exist: the file name under "Ошибка создания файла".
  screen_.ChooseFile(dir.File("none/p.csv"), 1);
  EXPECT_FALSE(controller_->pages().text_planned().Save());
  EXPECT_EQ(screen_.MessageLines().back(), "Ошибка создания файла: " + dir.File("none/p.csv"));
}

TEST_F(MainControllerTest, TabsAndMenusOfEveryKind) {
  struct Case {
    uint8_t kind;
    std::vector<std::string> tabs;  // after "Информация о приборе"
    MenuKind menu;
  };
  const std::vector<Case> cases = {
      {2, {"База данных"}, MenuKind::kFileA},
      {4, {"База плановых измерений"}, MenuKind::kCloseOnly},
      {6,
       {"Информация о базе данных", "База кабелей", "Параметры кабеля", "Плановые измерения",
        "Рефлектограммы"},
       MenuKind::kFileB},
      {7, {"База плановых измерений", "База параметров кабелей"}, MenuKind::kDatabase},
      {8, {"База измерений"}, MenuKind::kCloseOnly},
      {9,
       {"Информация о базе данных", "База параметров кабелей", "База плановых измерений"},
       MenuKind::kCloseOnly},
      {10, {"Информация о БД", "БД параметров кабелей", "БД рефлектограмм"}, MenuKind::kCloseOnly},
      {11,
       {"Информация о БД", "БД параметров кабелей", "БД рефлектограмм", "БД плановых измерений",
        "БД типов кабелей"},
       MenuKind::kCloseOnly},
      {12,
       {"Информация о БД", "БД параметров кабелей", "БД рефлектограмм", "БД плановых измерений",
        "БД типов кабелей"},
       MenuKind::kCloseOnly},
      {13, {"БД Измерений"}, MenuKind::kCloseOnly},
      {14,
       {"Информация о БД", "БД типов кабелей", "БД параметров кабелей", "БД плановых измерений",
        "БД измерений (Керван)"},
       MenuKind::kCloseOnly},
      {16,
       {"Информация о БД", "БД параметров кабелей", "БД плановых измерений", "БД типов кабелей"},
       MenuKind::kCloseOnly},
      {17,
       {"Информация о БД", "Частотные измерения", "Список частот", "Рефлектограммы"},
       MenuKind::kCloseOnly},
      {18, {"Информация о БД"}, MenuKind::kCloseOnly},
      {19, {"БД Измерений"}, MenuKind::kCloseOnly},
      {20, {"БД Измерений"}, MenuKind::kCloseOnly},
      {1, {}, MenuKind::kCloseOnly},
      {3, {}, MenuKind::kCloseOnly},
      {5, {}, MenuKind::kCloseOnly},
      {200, {}, MenuKind::kCloseOnly},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    std::vector<std::string> expected = {"Информация о приборе"};
    expected.insert(expected.end(), c.tabs.begin(), c.tabs.end());
    std::vector<std::string> titles;
    for (const Tab& t : TabsForKind(c.kind, SessionFacts{})) titles.push_back(t.title);
    EXPECT_EQ(titles, expected);
    EXPECT_EQ(MenuForKind(c.kind), c.menu);
  }
  // The same page serves kinds 4 and 7, and the kind 13 page is kind 14's last.
  EXPECT_EQ(TabsForKind(4, {})[1].page, TabsForKind(7, {})[1].page);
  EXPECT_EQ(TabsForKind(14, {})[5].page, TabsForKind(13, {})[1].page);
}

TEST(KindLayout, VersionRules) {
  auto titles = [](uint8_t kind, std::optional<float> version) {
    std::vector<std::string> out;
    for (const Tab& t : TabsForKind(kind, SessionFacts{version})) out.push_back(t.title);
    return out;
  };
  // "xDSL" from firmware 8.027, after the last tab of kinds 11, 12 and 16.
  EXPECT_EQ(titles(16, 8.027f).size(), 6u);
  EXPECT_EQ(titles(16, 8.027f)[5], "xDSL");
  EXPECT_EQ(titles(16, 8.026f).size(), 5u);
  EXPECT_EQ(titles(11, 9.0f)[6], "xDSL");
  EXPECT_EQ(titles(12, 8.0f).size(), 6u);
  // Kind 13: the receiving page replaces the list page from version 302.
  EXPECT_EQ(TabsForKind(13, SessionFacts{301.0f})[1].page, PageId::kSheets13);
  EXPECT_EQ(TabsForKind(13, SessionFacts{302.0f})[1].page, PageId::kSheetsReceive13);
  // Kind 17 from version 4: the file list and the frequency list only.
  EXPECT_EQ(titles(17, 4.0f),
            (std::vector<std::string>{"Информация о приборе", "Измерения", "Список частот"}));
  EXPECT_EQ(titles(17, 3.99f).size(), 5u);
  // Kind 18 above 2.003 (2.003 itself is not above it).
  EXPECT_EQ(titles(18, 2.003f).size(), 2u);
  EXPECT_EQ(titles(18, 2.004f), (std::vector<std::string>{"Информация о приборе", "Информация о БД",
                                                          "Файлы", "Маски xDSL"}));
}

TEST(KindLayout, MenusWithTheirAccessKeys) {
  auto items = [](MenuKind kind) {
    std::vector<std::string> out;
    for (const Menu& m : MenuBar(kind)) {
      out.push_back(std::string("[") + m.title + "]");
      for (const MenuItem& i : m.items) out.push_back(i.text);
    }
    return out;
  };
  const std::vector<std::string> help = {"[&Справка]", "&Справка: Telvane   F1", "&О программе"};
  auto with_help = [&](std::vector<std::string> file) {
    file.insert(file.begin(), "[&Файл]");
    file.insert(file.end(), help.begin(), help.end());
    return file;
  };
  EXPECT_EQ(items(MenuKind::kFileA),
            with_help({"&Открыть базу...", "Открыть тек&ст...", "&Сохранить базу...",
                       "Сохранить как &текст...", "Сохранить в формате EXCEL...", "Вы&ход"}));
  EXPECT_EQ(items(MenuKind::kFileB), with_help({"Открыть базу...", "Сохранить базу...",
                                                "Сохранить как текст...", "Вы&ход"}));
  EXPECT_EQ(items(MenuKind::kDatabase), with_help({"&Создать БД...", "&Выход"}));
  EXPECT_EQ(items(MenuKind::kCloseOnly), with_help({"&Закрыть"}));
}

TEST_F(MainControllerTest, FirstTransferReadsTheVersionThatDecidesTheTabs) {
  Found(16, "КВР-ПРО-'30'");
  Start({{PageId::kDbInfo11, 8.027f}, {PageId::kXdsl11, std::nullopt}});
  EXPECT_EQ(probes_[PageId::kDbInfo11]->starts, 1);
  EXPECT_EQ(probes_[PageId::kXdsl11]->starts, 1);
  ASSERT_EQ(controller_->tabs().size(), 6u);
  EXPECT_STREQ(controller_->tabs()[5].title, "xDSL");
  EXPECT_EQ(controller_->tabs()[5].page, PageId::kXdsl11);
  // Below 10.001 the name stays.
  EXPECT_EQ(controller_->pages().info().name(), "КВР-ПРО-'30'");
}

TEST_F(MainControllerTest, FirmwareFrom10001RenamesTheXdslTester) {
  Found(12, "Кабельный прибор КВР-ПРО-ТАВРА(E)");
  Start({{PageId::kDbInfo11, 10.001f}});
  EXPECT_EQ(link_.info().name, "Tester xDSL");
  EXPECT_EQ(controller_->pages().info().name(), "Tester xDSL");
  EXPECT_EQ(controller_->tabs().size(), 7u);
}

TEST_F(MainControllerTest, EndOfSessionLeavesTheInformationTabAlone) {
  Found(9, "КВР-ПРО-8.500");
  Start({{PageId::kDbCounters9, std::nullopt},
         {PageId::kCableList9, std::nullopt},
         {PageId::kCableTypeBase2, std::nullopt}});
  EXPECT_EQ(probes_[PageId::kDbCounters9]->starts, 1);
  controller_->SelectTab(2);
  controller_->EndSession();
  EXPECT_EQ(link_.log, (std::vector<std::string>{"search", "command 0xff"}));
  EXPECT_TRUE(screen_.shown().empty());  // no question
  EXPECT_EQ(probes_[PageId::kCableList9]->resets, 1);
  EXPECT_EQ(probes_[PageId::kCableList9]->clears, 2);      // at start and now
  EXPECT_EQ(probes_[PageId::kCableTypeBase2]->clears, 1);  // another kind's: at start only
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Информация о приборе"}));
  EXPECT_EQ(controller_->selected_tab(), 0);
  EXPECT_FALSE(controller_->end_enabled());
  EXPECT_EQ(controller_->menu(), MenuKind::kCloseOnly);
  EXPECT_EQ(controller_->caption(), "Telvane");
  EXPECT_EQ(controller_->pages().info().name(), "");
  EXPECT_EQ(controller_->pages().info().serial(), "");
}

TEST_F(MainControllerTest, UnconfirmedEndOfSessionKeepsTheInstrument) {
  Found(2, "КВР-ПРО-6.40Н (модификация Нива)");
  link_.disconnect_confirmed = false;
  Start();
  controller_->EndSession();
  EXPECT_EQ(controller_->tabs().size(), 2u);
  EXPECT_TRUE(controller_->end_enabled());
  EXPECT_EQ(controller_->menu(), MenuKind::kFileA);
}

TEST_F(MainControllerTest, ClosingWhileConnected) {
  Found(19, "VS-E1");
  Start({{PageId::kFiles19, std::nullopt}});  // no E1 transfer here
  // No: the program closes without the end-of-session command.
  screen_.Answer(Answer::kNo, "Завершить сеанс связи?");
  controller_->RequestClose();
  EXPECT_EQ(view_.closes, 1);
  EXPECT_EQ(link_.log, (std::vector<std::string>{"search"}));
  EXPECT_EQ(link_.closes, 1);
  EXPECT_EQ(screen_.shown()[0].caption, "Telvane");
  EXPECT_EQ(screen_.shown()[0].what, "yesno");
  EXPECT_TRUE(screen_.ScriptDone());
}

TEST_F(MainControllerTest, ClosingWithYesEndsTheSessionFirst) {
  Found(19, "VS-E1");
  Start({{PageId::kFiles19, std::nullopt}});  // no E1 transfer here
  screen_.Answer(Answer::kYes, "Завершить сеанс связи?");
  controller_->RequestClose();
  EXPECT_EQ(link_.log, (std::vector<std::string>{"search", "command 0xff"}));
  EXPECT_EQ(view_.closes, 1);
  EXPECT_TRUE(controller_->closed());
}

TEST_F(MainControllerTest, ClosingWithoutInstrumentAsksToQuit) {
  Start();
  screen_.ClearShown();
  screen_.Answer(Answer::kNo, "Завершить работу с программой?");
  controller_->MenuCommand(MenuCommand::kClose);
  EXPECT_EQ(view_.closes, 0);
  EXPECT_FALSE(controller_->closed());
  screen_.Answer(Answer::kYes, "Завершить работу с программой?");
  controller_->RequestClose();
  EXPECT_EQ(view_.closes, 1);
  EXPECT_EQ(link_.log, (std::vector<std::string>{"search", "text"}));
}

TEST_F(MainControllerTest, SearchEndsTheSessionAndBuildsTheNewKind) {
  Found(2, "КВР-ПРО-6.40Н (модификация Нива)");
  Found(20, "VESTOR");
  Start({{PageId::kCableTypeBase2, std::nullopt}, {PageId::kFiles20, std::nullopt}});
  EXPECT_EQ(controller_->menu(), MenuKind::kFileA);
  screen_.Answer(Answer::kYes, "Завершить сеанс связи?");
  controller_->Search();
  EXPECT_EQ(link_.log, (std::vector<std::string>{"search", "command 0xff", "search"}));
  EXPECT_EQ(probes_[PageId::kCableTypeBase2]->clears, 2);
  EXPECT_EQ(probes_[PageId::kFiles20]->starts, 1);
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Информация о приборе", "БД Измерений"}));
  EXPECT_EQ(controller_->shown_page(), PageId::kInstrumentInfo);
  EXPECT_EQ(controller_->menu(), MenuKind::kCloseOnly);
  EXPECT_EQ(controller_->pages().info().name(), "VESTOR");
  EXPECT_FALSE(screen_.wait_cursor());
  EXPECT_FALSE(view_.splash);
  EXPECT_TRUE(screen_.ScriptDone());
}

TEST_F(MainControllerTest, SearchFindingNothingTriesTheTextInstrumentWithoutWarning) {
  Found(19, "VS-E1");
  Start({{PageId::kFiles19, std::nullopt}});  // no E1 transfer here
  screen_.Answer(Answer::kNo, "Завершить сеанс связи?");
  controller_->Search();
  EXPECT_EQ(link_.log, (std::vector<std::string>{"search", "search", "text"}));
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Информация о приборе"}));
  EXPECT_EQ(controller_->speed_text(), "9600 бит/сек");
  EXPECT_FALSE(controller_->end_enabled());
  EXPECT_TRUE(screen_.messages().empty());
}

TEST_F(MainControllerTest, UnsavedKind7DataAreOfferedBeforeLeaving) {
  Found(7, "КВР-ПРО-8.36");
  Start({{PageId::kCompactCables7, std::nullopt}});
  ProbePage& compact = *probes_[PageId::kCompactCables7];
  EXPECT_EQ(compact.starts, 1);
  compact.unsaved = true;
  screen_.Answer(Answer::kYes, "Сохранить данные?");
  controller_->EndSession();
  EXPECT_EQ(compact.saves, 1);
  EXPECT_FALSE(compact.unsaved);
  // Saved data are not asked about.
  screen_.Answer(Answer::kYes, "Завершить работу с программой?");
  controller_->RequestClose();
  EXPECT_TRUE(screen_.ScriptDone());
  EXPECT_EQ(compact.saves, 1);
}

TEST_F(MainControllerTest, MenuCommandsReachThePageOfTheKind) {
  Found(7, "КВР-ПРО-8.36");
  Start({{PageId::kPlannedBase47, std::nullopt}});
  ProbePage& planned = *probes_[PageId::kPlannedBase47];
  planned.unsaved = true;
  controller_->MenuCommand(MenuCommand::kCreateDatabase);
  EXPECT_EQ(planned.menu, (std::vector<MenuCommand>{MenuCommand::kCreateDatabase}));
  EXPECT_FALSE(planned.unsaved);  // "Создать БД..." marks the data saved
  // "Выход" closes through the questions.
  screen_.Answer(Answer::kNo, "Завершить сеанс связи?");
  controller_->MenuCommand(MenuCommand::kExit);
  EXPECT_TRUE(controller_->closed());
}

class DataflashTest : public MainControllerTest {
 protected:
  void SetUp() override { Found(15, "Dataflash reader"); }
  testing::TempDir dir_;
};

TEST_F(DataflashTest, ReceivesTheMegabyteAndWritesTheChosenFile) {
  const std::string path = dir_.File("flash.bin");
  testing::WriteAll(path, std::vector<uint8_t>(3000000, 0xAA));  // overwritten, not appended
  screen_.ChooseFile(path, 1);
  Start();
  EXPECT_EQ(link_.log, (std::vector<std::string>{"search", "command 0x01 wait 11",
                                                 "receive 1048576 confirm 254 wait 5"}));
  ASSERT_EQ(screen_.shown().size(), 1u);
  EXPECT_EQ(screen_.shown()[0].what, "save");
  ASSERT_EQ(screen_.shown()[0].dialog.filters.size(), 1u);
  EXPECT_EQ(screen_.shown()[0].dialog.filters[0].description, "All files");
  EXPECT_EQ(screen_.shown()[0].dialog.filters[0].pattern, "*.*");
  const std::vector<uint8_t> bytes = testing::ReadAll(path);
  ASSERT_EQ(bytes.size(), kDataflashSize);
  EXPECT_EQ(bytes[1], 7);
  EXPECT_EQ(bytes[kDataflashSize - 1], static_cast<uint8_t>((kDataflashSize - 1) * 7));
  EXPECT_FALSE(screen_.progress_visible());
  // Kind 15 has no tabs of its own.
  EXPECT_EQ(controller_->tabs().size(), 1u);
  EXPECT_TRUE(controller_->end_enabled());
}

TEST_F(DataflashTest, FailuresAreReportedAndNothingIsWritten) {
  // A file that cannot be created.
  const std::string bad = dir_.File("missing/flash.bin");
  screen_.ChooseFile(bad, 1);
  Start();
  EXPECT_EQ(screen_.MessageLines(), (std::vector<std::string>{"Ошибка создания файла: " + bad}));

  // A failed record: no dialog at all.
  screen_.ClearShown();
  link_.receive = [](uint8_t*, size_t) { return false; };
  EXPECT_FALSE(ReadDataflash(screen_, link_, link_.info().address()));
  EXPECT_EQ(screen_.MessageLines(), (std::vector<std::string>{"Ошибка: Ошибка при приеме записи"}));

  // A command the instrument did not confirm: no record is asked for.
  screen_.ClearShown();
  link_.command_confirmed = false;
  link_.log.clear();
  EXPECT_FALSE(ReadDataflash(screen_, link_, link_.info().address()));
  EXPECT_EQ(link_.log, (std::vector<std::string>{"command 0x01 wait 11"}));
  EXPECT_EQ(screen_.MessageLines(),
            (std::vector<std::string>{"Ошибка: Ошибка выполнения команды"}));

  // A cancelled dialog writes nothing and says nothing.
  screen_.ClearShown();
  link_.command_confirmed = true;
  link_.receive = [](uint8_t*, size_t) { return true; };
  screen_.ChooseFile(std::nullopt);
  EXPECT_FALSE(ReadDataflash(screen_, link_, link_.info().address()));
  EXPECT_TRUE(screen_.messages().empty());
}

TEST(DataflashWrite, AFullDeviceIsAWriteFailure) {
  testing::ScriptedScreen screen;
  FakeLink link;
  screen.ChooseFile("/dev/full", 1);
  EXPECT_FALSE(ReadDataflash(screen, link, Address{15, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(screen.MessageLines(), (std::vector<std::string>{"Error: WriteFile()"}));
}

TEST_F(MainControllerTest, Family435InformationRecordGivesTheVersionAndCounters) {
  Found(16, "КВР-ПРО-'30'");
  link_.receive = [](uint8_t* d, size_t n) {
    if (n == 496) {  // a cable record
      std::fill(d, d + n, 0);
      return true;
    }
    if (n != kFamilyInfoSize) return false;
    std::fill(d, d + n, 0);
    StoreLeFloat(8.03f, d);
    StoreLe16(17, d + 4);
    StoreLe16(300, d + 6);
    StoreLe16(5, d + 8);
    StoreLe16(1999, d + 10);
    StoreLe16(63, d + 12);
    return true;
  };
  Start();
  std::vector<std::string> expected = {"search", "command 0x60 wait 11",
                                       "receive 24 confirm 0 wait 11", "command 0x63 wait 11"};
  // The 17 cable records that the information announces.
  for (int i = 0; i < 17; ++i)
    expected.push_back("receive 496 confirm " + std::to_string(i) + " wait 30");
  EXPECT_EQ(link_.log, expected);
  auto& page = static_cast<FamilyInfoPage&>(controller_->pages().page(PageId::kDbInfo11));
  using Row = std::pair<std::string, std::string>;
  EXPECT_EQ(page.Rows(), (std::vector<Row>{{"Версия ПО", "8.030"},
                                           {"Кабелей", "17 / 300"},
                                           {"Рефлектограмм", "5"},
                                           {"Пар плановых измерений", "1999"},
                                           {"Типов кабелей", "63"}}));
  EXPECT_EQ(page.model().cable_count(), 17);
  EXPECT_EQ(controller_->tabs().size(), 6u);
  // The end of the session forgets the reading and the version.
  controller_->EndSession();
  EXPECT_TRUE(page.Rows().empty());
  EXPECT_EQ(page.model().cable_count(), 0);
  EXPECT_EQ(controller_->tabs().size(), 1u);
}

TEST_F(MainControllerTest, FailedFamily435ReadingKeepsTheTabsOfUnknownVersion) {
  Found(12, "Кабельный прибор КВР-ПРО-ТАВРА(E)");
  link_.receive = [](uint8_t*, size_t) { return false; };
  Start();
  EXPECT_EQ(screen_.MessageLines(), (std::vector<std::string>{"Ошибка: Ошибка при приеме записи"}));
  EXPECT_EQ(controller_->tabs().size(), 6u);  // no "xDSL"
  EXPECT_EQ(controller_->pages().info().name(), "Кабельный прибор КВР-ПРО-ТАВРА(E)");
}

}  // namespace
}  // namespace telvane
