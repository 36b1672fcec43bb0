// Interval results of E1 records built byte by byte from the record layout:
// differences of consecutive records, the ratio formulas and their special
// cases, and the texts shown for them.
#include "testers/e1/e1_intervals.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "base/values.h"
#include "testers/e1/e1_summary.h"

namespace telvane {
namespace {

// A record with the counters at the given byte offsets.
E1Record At(std::map<size_t, uint32_t> counters) {
  E1Record record;
  for (const auto& [offset, value] : counters) {
    StoreLe32(value, &record.mutable_bytes()[offset]);
  }
  return record;
}

// The ratio text of `name` in the section titled `title`.
std::string Ratio(const std::vector<E1ResultSection>& sections, const std::string& title,
                  const std::string& name) {
  for (const auto& s : sections) {
    if (s.title != title) continue;
    for (const auto& row : s.rows) {
      if (row.name == name) return row.ratio;
    }
  }
  return "(absent)";
}

uint64_t Count(const std::vector<E1ResultSection>& sections, const std::string& title,
               const std::string& name) {
  for (const auto& s : sections) {
    if (s.title != title) continue;
    for (const auto& row : s.rows) {
      if (row.name == name) return row.count;
    }
  }
  return 999999;
}

E1Header Header(uint8_t bit_control, uint32_t channels) {
  E1Header h;
  h.set_byte(187, bit_control);
  h.set_channels(channels);
  return h;
}

TEST(E1IntervalTest, WholeIntervalOfLofGivesFasRatioOneAndLongerLofCountsAsTheInterval) {
  const E1Header h = Header(0, 0);
  // 60 s, all of it LOF (offset 72), 7 FAS errors (offset 20).
  const auto whole = E1Results(ComputeInterval(nullptr, At({{320, 60}, {72, 60}, {20, 7}})), h);
  EXPECT_EQ(Ratio(whole, "Ошибки", "FAS"), "1.000e+00");
  // LOF seconds above t count as t.
  const auto beyond = ComputeInterval(nullptr, At({{320, 60}, {72, 90}, {76, 61}, {80, 200}}));
  EXPECT_EQ(beyond.count[E1Record::kLof], 60u);
  const auto sections = E1Results(beyond, h);
  EXPECT_EQ(Ratio(sections, "Ошибки", "FAS"), "1.000e+00");
  EXPECT_EQ(Ratio(sections, "Ошибки", "MFAS"), "1.000e+00");
  EXPECT_EQ(Ratio(sections, "Ошибки", "CRC"), "1.000e+00");
  EXPECT_EQ(Ratio(sections, "Ошибки", "EBIT"), "1.000e+00");
  EXPECT_EQ(Ratio(sections, "Аварийные секунды", "LOF"), "100.000 %");
  // Half of it: 10 FAS errors over 30 s x 4000 frames.
  const auto half = E1Results(ComputeInterval(nullptr, At({{320, 60}, {72, 30}, {20, 10}})), h);
  EXPECT_EQ(Ratio(half, "Ошибки", "FAS"), "8.333e-05");
}

TEST(E1IntervalTest, DifferencesBetweenConsecutiveRecordsWithNegativeCountsAsZero) {
  std::vector<E1Record> records = {
      At({{320, 60}, {16, 100}, {164, 50}, {256, 9}, {172, 5}, {184, 60}}),
      At({{320, 120}, {16, 2148100}, {164, 40}, {256, 12}, {172, 8}, {184, 115}}),
  };
  const E1Header h = Header(0, 0);
  const auto first = E1Results(IntervalOf(records, 0), h);
  EXPECT_EQ(Count(first, "Ошибки", "CODE"), 100u);
  const auto second = E1Results(IntervalOf(records, 1), h);
  EXPECT_EQ(Count(second, "Ошибки", "CODE"), 2148000u);
  // 2148000 / (60 x 2048000)
  EXPECT_EQ(Ratio(second, "Ошибки", "CODE"), "1.748e-02");
  EXPECT_EQ(Count(second, "Результаты G.826 (ближний конец)", "EB"), 0u);
  EXPECT_EQ(Count(second, "Результаты M.2100 (ближний конец)", "ES"), 3u);
  // ES 3 of 55 available seconds.
  EXPECT_EQ(Ratio(second, "Результаты G.826 (ближний конец)", "ES"), "5.455 %");
  EXPECT_EQ(Ratio(second, "Результаты G.826 (ближний конец)", "AS"), "91.667 %");
}

TEST(E1IntervalTest, ZeroTimeShowsADashForEveryRatio) {
  std::vector<E1Record> records = {At({{320, 60}, {16, 5}}), At({{320, 60}, {16, 9}, {72, 3}})};
  for (const auto& section : E1Results(IntervalOf(records, 1), Header(1, 0xFFFFFFFE))) {
    for (const auto& row : section.rows) EXPECT_EQ(row.ratio, "-") << row.name;
  }
}

TEST(E1IntervalTest, BitRatioNeedsBitControlAndTestedChannels) {
  const E1Record r = At({{320, 10}, {24, 64}});
  const E1Interval in = ComputeInterval(nullptr, r);
  EXPECT_EQ(Ratio(E1Results(in, Header(0, 0xFFFFFFFE)), "Ошибки", "BIT"), "0.000e+00");
  EXPECT_EQ(Ratio(E1Results(in, Header(1, 0)), "Ошибки", "BIT"), "0.000e+00");
  // Channel flag of timeslot 0 is not a channel.
  EXPECT_EQ(Ratio(E1Results(in, Header(1, 1)), "Ошибки", "BIT"), "0.000e+00");
  // 64 errors / (2 channels x 10 s x 64000).
  EXPECT_EQ(Ratio(E1Results(in, Header(1, 0b110)), "Ошибки", "BIT"), "5.000e-05");
}

TEST(E1IntervalTest, G826BlockRatiosUseTheAvailableTime) {
  // 100 s, near end: EB 500, BBE 300, SES 10, AS 90 -> EB 500 / 90000 blocks,
  // BBE 300 / 80000 blocks; far end with no available second: "-".
  const auto in = ComputeInterval(
      nullptr, At({{320, 100}, {164, 500}, {168, 300}, {176, 10}, {184, 90}, {208, 5}}));
  const auto s = E1Results(in, Header(0, 0));
  EXPECT_EQ(Ratio(s, "Результаты G.826 (ближний конец)", "EB"), "0.556 %");
  EXPECT_EQ(Ratio(s, "Результаты G.826 (ближний конец)", "BBE"), "0.375 %");
  EXPECT_EQ(Ratio(s, "Результаты G.826 (ближний конец)", "SES"), "11.111 %");
  EXPECT_EQ(Ratio(s, "Результаты G.826 (дальний конец)", "EB"), "-");
  EXPECT_EQ(Ratio(s, "Результаты G.826 (дальний конец)", "US"), "0.000 %");
  EXPECT_EQ(Ratio(s, "Результаты G.821", "ES"), "0.000 %");
}

TEST(E1SummaryTest, SummaryStampsAndNamesFollowTheHeader) {
  E1File file;
  file.header.set_start({2026, 12, 31, 23, 59, 30});
  file.header.set_byte(173, 1);
  file.header.set_byte(32, 1);
  file.records = {At({{320, 600}}), At({{320, 1200}})};
  EXPECT_EQ(E1SummaryText(file),
            "Начало измерения: 31.12.2026 23:59:30\r\n"
            "Окончание измерения: 01.01.2027 00:19:30\r\n"
            "Количество записей: 2\r\n"
            "Интервал: 10 мин\r\n");
  EXPECT_EQ(E1RecordStamp(file.header, file.records[0]), "01.01.2027   00:09");
  EXPECT_EQ(E1ListLine(4, file), "Файл  4");
  file.header.set_byte(32, 0);
  EXPECT_EQ(E1ListLine(4, file), "Файл  4  (пуст)");
  EXPECT_EQ(E1IntervalName(3), "Неизвестно");
  EXPECT_EQ(E1LineCodeName(1), "HDB3");
  EXPECT_EQ(E1LineCodeName(2), "ошибка");
  EXPECT_EQ(E1FramingName(3), "ошибка");
  EXPECT_EQ(E1SequenceName(12), "слово 16");
  EXPECT_EQ(E1SequenceName(13), "ошибка");
  EXPECT_EQ(E1OnOffName(2), "ошибка");
  EXPECT_EQ(E1DurationText(86400 + 3600 + 61), "1 д., 1 час., 1 мин., 1 сек.");
  EXPECT_EQ(E1DurationText(59), "0 час., 0 мин., 59 сек.");
}

}  // namespace
}  // namespace telvane
