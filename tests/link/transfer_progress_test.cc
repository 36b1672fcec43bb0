// The one progress helper of the transfers: positions pushed to the screen.
#include "link/transfer_progress.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/scripted_screen.h"

namespace telvane {
namespace {

using Positions = std::vector<int>;

TEST(TransferProgressTest, AWholeTransferFollowsItsBytesAndHidesAtTheEnd) {
  testing::ScriptedScreen screen;
  {
    TransferProgress progress(screen, 400);
    progress.Advance(3);  // nothing before the bar is shown
    EXPECT_TRUE(screen.progress_positions().empty());
    progress.Show();
    EXPECT_TRUE(screen.progress_visible());
    for (int i = 0; i < 397; ++i) progress.Advance();
  }
  // Every changed position once, 0 to 100, then hidden.
  Positions expected;
  for (int p = 0; p <= 100; ++p) expected.push_back(p);
  EXPECT_EQ(screen.progress_positions(), expected);
  EXPECT_FALSE(screen.progress_visible());
}

TEST(TransferProgressTest, ARecordOfASeriesStandsAtItsIndex) {
  testing::ScriptedScreen screen;
  TransferProgress piece(screen, Progress{true, 3, 4}, 10);
  piece.Done(5);
  piece.Done(10);
  EXPECT_EQ(screen.progress_positions(), Positions{75});
  // A single record follows its bytes; a piece not shown pushes nothing.
  TransferProgress single(screen, Progress{true, 0, 1}, 4);
  single.Done(1);
  single.Done(2);
  TransferProgress hidden(screen, Progress{}, 4);
  hidden.Done(4);
  EXPECT_EQ(screen.progress_positions(), (Positions{75, 0, 25, 50}));
}

TEST(TransferProgressTest, StepToEndFillsTheBarOnePositionAtATime) {
  testing::ScriptedScreen screen;
  TransferProgress progress(screen, 1000);
  progress.Show();
  progress.Done(970);
  progress.StepToEnd();
  EXPECT_EQ(screen.progress_positions(), (Positions{0, 97, 98, 99, 100}));
}

}  // namespace
}  // namespace telvane
