// "telvane --view": each E1 page file among the files opens in its own
// viewer, chosen by the extension; a file the page's checks refuse shows its
// message and opens nothing.
#include <gtest/gtest.h>

#include <QListWidget>

#include "app/gui/e1_viewers.h"
#include "app/gui/qt_app.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"
#include "testers/e1/e1_page_file.h"
#include "testers/e1/e1_viewer_view.h"

namespace telvane {
namespace {

TEST(E1ViewersTest, PageFilesOpenByExtensionAndRefusedOnesShowTheirMessage) {
  testing::QtApp();
  testing::TempDir dir;
  testing::ScriptedScreen screen;
  E1File file;
  file.header.set_byte(32, 1);
  file.records.resize(2);
  const std::string good = dir.File("Line A.VSE1PAGE");
  testing::WriteAll(good, BuildE1PageFile(file));
  std::vector<uint8_t> bad = BuildE1PageFile(file);
  bad[5] ^= 1;
  const std::string broken = dir.File("broken.vse1page");
  testing::WriteAll(broken, bad);
  const std::string other = dir.File("trace.rfg");
  testing::WriteAll(other, {1, 2, 3});

  EXPECT_TRUE(IsE1PageFileName(good));
  EXPECT_FALSE(IsE1PageFileName(other));
  EXPECT_FALSE(IsE1PageFileName(".vse1page"));
  const auto windows = OpenE1Viewers(screen, {good, other, broken});
  ASSERT_EQ(windows.size(), 1u);
  auto* viewer = dynamic_cast<E1ViewerWindow*>(windows[0].get());
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->isVisible());
  EXPECT_EQ(viewer->windowTitle().toStdString(), good);
  EXPECT_EQ(viewer->findChild<QListWidget*>("Records")->count(), 2);
  ASSERT_EQ(screen.messages().size(), 1u);
  EXPECT_EQ(screen.messages()[0].caption, broken);
  EXPECT_EQ(screen.messages()[0].text.rfind("Файл повреждён", 0), 0u);
}

}  // namespace
}  // namespace telvane
