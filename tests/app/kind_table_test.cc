// The kind table as the command line lists it, and the registration of the
// subsystems' pages that the main window builds from it.
#include "app/kind_table.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "app/page_registry.h"
#include "app/subsystems.h"
#include "support/peer_link.h"
#include "support/scripted_peer.h"

namespace telvane {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  for (const std::string& l : lines) {
    if (l == line) return true;
  }
  return false;
}

// A naming of two pages, as the command line's page table gives names.
const char* TestNames(PageId id) {
  if (id == PageId::kCableTypeBase2) return "types";
  if (id == PageId::kPlannedBase47) return "planned";
  return nullptr;
}

TEST(KindTable, ListingNamesEveryTabWithItsPageAndCondition) {
  const std::vector<std::string> lines = Lines(TabListingText(ListTabs(), TestNames));
  // One line per (kind, tab) under any version, tab 0 of kinds 1 to 20 and
  // 255 included.
  size_t expected = 21;
  for (const KindRow& row : KindTable()) expected += row.tabs.size();
  EXPECT_EQ(lines.size(), expected);
  EXPECT_EQ(lines.front(), "1\tИнформация о приборе\t-\t");
  EXPECT_TRUE(Has(lines, "2\tИнформация о приборе\t-\t"));
  EXPECT_TRUE(Has(lines, "2\tБаза данных\ttypes\t"));
  EXPECT_TRUE(Has(lines, "4\tБаза плановых измерений\tplanned\t"));
  EXPECT_TRUE(Has(lines, "7\tБаза плановых измерений\tplanned\t"));
  EXPECT_TRUE(Has(lines, "15\tИнформация о приборе\t-\t"));
  EXPECT_TRUE(Has(lines, "6\tБаза кабелей\t-\t"));
  EXPECT_TRUE(Has(lines, "6\tРефлектограммы\t-\t"));
  EXPECT_TRUE(Has(lines, "16\txDSL\t-\tversion >= 8.027"));
  EXPECT_TRUE(Has(lines, "11\txDSL\t-\tversion >= 8.027"));
  EXPECT_TRUE(Has(lines, "13\tБД Измерений\t-\tversion < 302"));
  EXPECT_TRUE(Has(lines, "13\tБД Измерений\t-\tversion >= 302"));
  EXPECT_TRUE(Has(lines, "17\tЧастотные измерения\t-\tversion < 4"));
  EXPECT_TRUE(Has(lines, "17\tИзмерения\t-\tversion >= 4"));
  EXPECT_TRUE(Has(lines, "18\tМаски xDSL\t-\tversion > 2.003"));
  EXPECT_TRUE(Has(lines, "255\tПлановые измерения\t-\t"));
  // "xDSL" is the last tab of kind 16.
  size_t last16 = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind("16\t", 0) == 0) last16 = i;
  }
  EXPECT_EQ(lines[last16], "16\txDSL\t-\tversion >= 8.027");
  EXPECT_EQ(lines.back(), "255\tПлановые измерения\t-\t");
}

TEST(KindTable, TitlesComeFromTheFirstTabOfEachPage) {
  EXPECT_STREQ(PageTitle(PageId::kInstrumentInfo), "Информация о приборе");
  EXPECT_STREQ(PageTitle(PageId::kSheets13), "БД Измерений");  // not kind 14's title
  EXPECT_STREQ(PageTitle(PageId::kPlanned9), "База плановых измерений");
  EXPECT_STREQ(PageTitle(PageId::kTextPlanned), "Плановые измерения");
  EXPECT_STREQ(PageTitle(PageId::kMasks18), "Маски xDSL");
  // Every page has a tab somewhere.
  for (int i = 0; i < kPageCount; ++i) {
    EXPECT_STRNE(PageTitle(static_cast<PageId>(i)), "") << i;
  }
}

TEST(KindTable, MenusAndSessionRulesByKind) {
  EXPECT_EQ(MenuForKind(2), MenuKind::kFileA);
  EXPECT_EQ(MenuForKind(6), MenuKind::kFileB);
  EXPECT_EQ(MenuForKind(7), MenuKind::kDatabase);
  for (uint8_t kind : {0, 1, 3, 4, 5, 15, 255}) EXPECT_EQ(MenuForKind(kind), MenuKind::kCloseOnly);
  EXPECT_TRUE(KindRowFor(9)->end_resets_pages);
  EXPECT_TRUE(KindRowFor(7)->asks_to_save);
  for (const KindRow& row : KindTable()) {
    if (row.kind != 9) EXPECT_FALSE(row.end_resets_pages) << int{row.kind};
    if (row.kind != 7) EXPECT_FALSE(row.asks_to_save) << int{row.kind};
    // Kinds are listed once.
    EXPECT_EQ(KindRowFor(row.kind), &row);
  }
  EXPECT_EQ(KindRowFor(3), nullptr);
  EXPECT_EQ(PagesOfKind(13), (std::vector<PageId>{PageId::kSheets13, PageId::kSheetsReceive13}));
}

TEST(Registration, EveryListedPageOnceUnderItsOwnId) {
  std::set<PageId> seen;
  for (const PageEntry& entry : AllPages()) {
    EXPECT_TRUE(seen.insert(entry.id).second) << static_cast<int>(entry.id);
  }
  EXPECT_TRUE(seen.count(PageId::kInstrumentInfo));
  EXPECT_TRUE(seen.count(PageId::kCableTypeBase2));
  EXPECT_TRUE(seen.count(PageId::kPlannedBase47));
}

// The registry installs kind 2's search transfer (the type status, run on the
// search port) and removes it when the window's pages go.
TEST(Registration, KindTwoSearchTransferReadsTheStatusOnTheSearchPort) {
  testing::ScriptedPeer peer;
  testing::PeerLink link(peer, 2, "123456");
  const testing::PeerBytes address = testing::PeerAddress(2, "123456");
  peer.Expect({0x02, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x00, 0x37},
              testing::PeerJoin(
                  {testing::PeerFrame({address, {0xFF}}), testing::PeerFrame({address, {5, 9}})}));
  peer.Expect(testing::PeerFrame({address, {0xF6}}));
  {
    PageRegistry pages(link.context());
    EXPECT_FALSE(link.has_search_transfer(6));
    ASSERT_TRUE(link.RunSearchTransfer(2)) << peer.mismatch();
    EXPECT_TRUE(peer.done()) << peer.mismatch();
    // The page shows the slots the status announced.
    EXPECT_EQ(pages.page(PageId::kCableTypeBase2).title(), "База данных");
  }
  EXPECT_FALSE(link.has_search_transfer(2));
}

}  // namespace
}  // namespace telvane
