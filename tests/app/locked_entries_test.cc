// The check list of the cable list pages with "/i0B:" locked leading entries.
#include "page/locked_entries.h"

#include <gtest/gtest.h>

namespace telvane {
namespace {

TEST(CableCheckListTest, LockedEntriesAreNeitherCheckedNorSelected) {
  CableCheckList list(2);
  list.Resize(5, /*check=*/true);
  EXPECT_EQ(list.Checked(), (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(list.selected(), 2);  // the first selectable entry
  EXPECT_FALSE(list.Select(1));
  EXPECT_EQ(list.selected(), 2);
  EXPECT_FALSE(list.SetChecked(0, true));
  EXPECT_FALSE(list.checked(0));
  EXPECT_TRUE(list.Select(4));
  // Every selectable entry is checked, but the list is not all marked: a
  // whole-database transfer would also replace the locked entries.
  EXPECT_FALSE(list.AllChecked());
  list.CheckAll(false);
  EXPECT_FALSE(list.AnyChecked());
  list.CheckAll(true);
  EXPECT_EQ(list.Checked(), (std::vector<int>{2, 3, 4}));
}

TEST(CableCheckListTest, ShortListsHaveNoSelection) {
  CableCheckList list(2);
  list.Resize(2);
  EXPECT_EQ(list.selected(), -1);
  EXPECT_EQ(list.FirstSelectable(), -1);
  EXPECT_FALSE(list.Select(0));
  list.Resize(3);
  EXPECT_EQ(list.selected(), 2);
  // Shrinking below the cursor moves it back to the first selectable entry.
  ASSERT_TRUE(list.SetChecked(2, true));
  list.Resize(6);
  ASSERT_TRUE(list.Select(5));
  list.Resize(4);
  EXPECT_EQ(list.selected(), 2);
  EXPECT_TRUE(list.checked(2));  // kept marks survive a resize
}

TEST(CableCheckListTest, RefillKeepsThePlaceAndClearsMarks) {
  CableCheckList list(1);
  list.Resize(6);
  ASSERT_TRUE(list.Select(4));
  ASSERT_TRUE(list.SetChecked(3, true));
  list.Refill(3);
  EXPECT_EQ(list.selected(), 2);  // moved into the shorter list
  EXPECT_FALSE(list.AnyChecked());
  list.Refill(0);
  EXPECT_EQ(list.selected(), -1);
}

TEST(CableCheckListTest, WithoutLocksEveryEntryCounts) {
  CableCheckList list(0);
  list.Resize(3, true);
  EXPECT_TRUE(list.AllChecked());
  EXPECT_EQ(list.selected(), 0);
  CableCheckList negative(-4);
  EXPECT_EQ(negative.locked(), 0);
  AppOptions options;
  EXPECT_EQ(CableCheckList::FromOptions(options).locked(), 2);  // the default
}

}  // namespace
}  // namespace telvane
