// The kind 6 reflectogram page on screen with a trace received from
// telvane-sim: the list of entries, the plot drawing the received trace and
// its reflection list; a PNG is written under the build tree.
#include "cable/trace6/trace6_page_view.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTreeWidget>

#include "cable/pages/page_screenshot.h"
#include "cable/pages/sim_session.h"
#include "cable/trace6/trace6_page.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

TEST(Trace6PageViewTest, AReceivedTraceIsDrawnWithItsReflections) {
  testing::PagesQtApp();
  testing::SimSession sim(6, {"--cables", "2", "--reflectograms", "3"});
  ASSERT_TRUE(sim.opened()) << sim.Log();
  testing::TempDir dir;
  sim.screen().AnswerFolder(dir.path().string());
  Trace6Page page(sim.context());
  Trace6PageView view(page, nullptr);

  auto* list = view.findChild<QListWidget*>("Reflectograms");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->count(), 3);
  // Nothing received yet: nothing to draw.
  EXPECT_TRUE(page.PlotTraces().empty());

  ASSERT_TRUE(page.Receive()) << sim.Log();
  view.Refresh();
  EXPECT_EQ(page.PlotTraces().size(), 1u);
  auto* reflections = view.findChild<QTreeWidget*>();
  ASSERT_NE(reflections, nullptr);
  // The launch pulse and at least the far end of the simulated line.
  EXPECT_GE(reflections->topLevelItemCount(), 2);

  testing::SavePageScreenshot(view, "trace6_page", 980, 600);
}

}  // namespace
}  // namespace telvane
