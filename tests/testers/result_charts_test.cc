// The chart models of the result pages: what each interval and each frame
// size becomes on the chart, independent of any pixels.
#include <gtest/gtest.h>

#include "base/values.h"
#include "testers/e1/e1_chart.h"
#include "testers/ethernet/ethernet_chart.h"

namespace telvane {
namespace {

E1Record Cumulative(uint32_t elapsed, uint32_t code, uint32_t lof) {
  E1Record r;
  StoreLe32(elapsed, &r.mutable_bytes()[320]);
  StoreLe32(code, &r.mutable_bytes()[16]);
  StoreLe32(lof, &r.mutable_bytes()[72]);
  return r;
}

TEST(E1ChartTest, BarsSpanTheirIntervalsOnOneTimeAxis) {
  E1File file;
  file.header.set_start({2026, 12, 9, 10, 0, 0});
  file.records = {Cumulative(60, 0, 0), Cumulative(120, 999, 0), Cumulative(180, 999, 90),
                  Cumulative(240, 1008, 90)};
  const E1ChartModel chart(file, 1);
  ASSERT_EQ(chart.bars().size(), 4u);
  EXPECT_EQ(chart.total_seconds(), 240u);
  EXPECT_EQ(chart.bars()[1].begin, 60u);
  EXPECT_EQ(chart.bars()[1].end, 120u);
  EXPECT_EQ(chart.bars()[1].errors, 999u);
  EXPECT_EQ(chart.bars()[2].alarm_seconds, 60u);  // LOF beyond the minute counts as the minute
  EXPECT_EQ(chart.bars()[3].errors, 9u);
  EXPECT_DOUBLE_EQ(chart.X(120), 0.5);
  EXPECT_DOUBLE_EQ(chart.ErrorHeight(1), 1.0);
  EXPECT_DOUBLE_EQ(chart.ErrorHeight(3), 1.0 / 3.0);  // log10(10) / log10(1000)
  EXPECT_DOUBLE_EQ(chart.ErrorHeight(0), 0.0);
  EXPECT_DOUBLE_EQ(chart.AlarmHeight(2), 1.0);
  EXPECT_EQ(chart.selected(), 1);
  EXPECT_EQ(chart.start_text(), "09.12.2026 10:00:00");
  EXPECT_EQ(chart.end_text(), "09.12.2026 10:04:00");
  EXPECT_EQ(E1ChartModel(file, 4).selected(), -1);
  EXPECT_TRUE(E1ChartModel(E1File{}, 0).bars().empty());
}

TEST(EthernetChartTest, SectionsThatRanInTheUnitShownAgainstTheirThreshold) {
  Rfc2544Result r;
  auto& b = r.mutable_bytes();
  StoreLe32(1, &b[32]);
  b[68] = 1;
  b[200] = 2;  // 1000 Mbit/s
  b[245] = 1;  // Throughput run
  b[247] = 1;  // Frame loss run
  b[248] = 1;  // Latency run
  StoreLe32(2, &b[356]);
  StoreLeFloat(40.0f, &b[272]);
  b[404] = 2;
  StoreLeFloat(50.0f, &b[408]);
  StoreLeFloat(30.0f, &b[412]);
  b[459] = 1;
  b[548] = 3;  // Frame loss interrupted: no points
  b[325] = 1;
  StoreLeFloat(2.0f, &b[320]);
  b[620] = 2;
  StoreLeFloat(1.5f, &b[624]);
  const auto mbit = EthernetChart(r, 1);
  ASSERT_EQ(mbit.size(), 3u);
  EXPECT_EQ(mbit[0].name, "Throughput");
  EXPECT_EQ(mbit[0].unit, "Мбит/c");
  EXPECT_DOUBLE_EQ(mbit[0].threshold, 400.0);
  EXPECT_DOUBLE_EQ(*mbit[0].values[0], 500.0);
  EXPECT_EQ(mbit[0].failed, (std::vector<bool>{false, true}));
  EXPECT_DOUBLE_EQ(mbit[0].maximum, 500.0);
  EXPECT_EQ(mbit[1].name, "Frame loss");
  EXPECT_FALSE(mbit[1].values[0].has_value());
  EXPECT_EQ(mbit[2].unit, "мс");
  EXPECT_DOUBLE_EQ(mbit[2].threshold, 2.0);
  const auto percent = EthernetChart(r, 0);
  EXPECT_EQ(percent[0].unit, "%");
  EXPECT_DOUBLE_EQ(*percent[0].values[1], 30.0);
  b[200] = 7;  // a line rate without a factor stays in percent
  EXPECT_EQ(EthernetChart(r, 1)[0].unit, "%");
  StoreLe32(0, &b[32]);
  EXPECT_TRUE(EthernetChart(r, 1).empty());
}

}  // namespace
}  // namespace telvane
