// The trace viewer: three files of three formats drawn overlaid, each in its
// colour, and a file it cannot read reported and left out.
#include <gtest/gtest.h>

#include <QImage>

#include "app/gui/qt_app.h"
#include "app/gui/trace_viewer.h"
#include "app/viewer_option.h"
#include "storage/trace/plot/gui/trace_plot_paint.h"
#include "storage/trace/rfg_file.h"
#include "storage/trace/tdr_file.h"
#include "storage/trace/wv_file.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

// A line of 128 samples (0 the largest amplitude): launch, then an end at
// `end` over a baseline.
ReflectogramRecord Line(RecordForm form, int end, const char* name) {
  ReflectogramRecord r(form);
  r.set_name(name);
  r.set_date(26, 12, 9);
  TraceSettings s;
  s.diap = 1000;
  s.rast = 1;
  s.imp = 100;
  s.curs1 = 10;
  s.curs2 = static_cast<int16_t>(end);
  r.set_settings(s);
  for (int i = 0; i < r.sample_capacity(); ++i) r.set_sample(i, 50);
  r.set_sample(0, 0);
  r.set_sample(1, 20);
  r.set_sample(end, 20);
  return r;
}

CableBlock Block(RecordForm form) {
  CableBlock b(form);
  b.set_section_count(1);
  b.set_velocity_factor(1.5f);
  return b;
}

int CountColour(const QImage& image, PlotColour c) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor p = image.pixelColor(x, y);
      if (p.red() == c.r && p.green() == c.g && p.blue() == c.b) ++count;
    }
  }
  return count;
}

TEST(TraceViewerView, ThreeFilesOverlaid) {
  testing::QtApp();
  testing::TempDir dir;
  testing::ScriptedScreen screen;
  const RecordForm ext = RecordForm::kExtended;
  ASSERT_TRUE(WriteRfg(screen, dir.File("a.rfg"), RfgVersion::k11, Block(RecordForm::kCompact),
                       Line(RecordForm::kCompact, 60, "A")));
  ASSERT_TRUE(
      WriteWv(screen, dir.File("b.wv"), TracePage::kNewer, 8025, Block(ext), Line(ext, 80, "B")));
  ASSERT_TRUE(WriteTdr(screen, dir.File("c.tdr"), TracePage::kOlder, 8025,
                       Block(RecordForm::kCompact), Line(RecordForm::kCompact, 100, "C")));
  const ViewerOption option =
      ParseViewerOption({"--view", "--firmware", "8.025", dir.File("a.rfg"), dir.File("b.wv"),
                         dir.File("c.tdr"), dir.File("notes.txt")});
  ASSERT_TRUE(option.valid);
  TraceViewer viewer(screen, option.firmware);
  int added = 0;
  for (const std::string& file : option.files) added += viewer.AddFile(file) ? 1 : 0;
  EXPECT_EQ(added, 3);
  EXPECT_EQ(screen.MessageLines(),
            std::vector<std::string>{"Неизвестный формат!: " + dir.File("notes.txt")});
  const TracePlotModel& model = viewer.panel().model();
  ASSERT_EQ(model.traces().size(), 3u);
  EXPECT_EQ(model.traces()[0].label, "a.rfg — A");
  EXPECT_EQ(model.traces()[1].label, "b.wv — B");
  EXPECT_EQ(model.traces()[2].label, "c.tdr — C");  // the TDR name's padding dropped
  // The end of each line where it was written: 1000 m over 128 samples.
  const auto found = model.Reflections();
  ASSERT_EQ(found.size(), 2u);  // the launch and the end, not the level between
  EXPECT_EQ(found.back().sample, 60);
  EXPECT_TRUE(found.back().likely_end);
  EXPECT_DOUBLE_EQ(model.Distance(0, 60), 60 * 1000.0 / 128);
  testing::SaveScreenshot(viewer, "trace_viewer_three_files");
  const QImage image = RenderTracePlot(model, QSize(900, 500));
  for (int i = 0; i < 3; ++i) {
    EXPECT_GT(CountColour(image, TracePlotModel::TraceColour(i)), 50) << "trace " << i;
  }
}

TEST(ViewerOption, WordsAfterView) {
  EXPECT_FALSE(ParseViewerOption({"--session", "6::COM1"}).given);
  ViewerOption o = ParseViewerOption({"--view", "a.rfg", "--", "--b.wv"});
  EXPECT_TRUE(o.valid);
  EXPECT_EQ(o.firmware, 8025);
  EXPECT_EQ(o.files, (std::vector<std::string>{"a.rfg", "--b.wv"}));
  o = ParseViewerOption({"--firmware", "8.007", "--session", "6::COM1", "--view", "x.rfg"});
  EXPECT_EQ(o.firmware, 8007);
  EXPECT_EQ(o.files, std::vector<std::string>{"x.rfg"});
  EXPECT_FALSE(ParseViewerOption({"--view", "--firmware", "eight"}).valid);
  EXPECT_FALSE(ParseViewerOption({"--view", "--firmware"}).valid);
}

}  // namespace
}  // namespace telvane
