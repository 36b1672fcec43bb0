// The reflectometers' scale tables: a stored setting index gives the value
// the docs list, an index beyond a table gives nothing, and the distance of a
// sample follows range, stretch and k.
#include "cable/family/family_scales.h"

#include <gtest/gtest.h>

namespace telvane {
namespace {

TEST(FamilyScales, IndicesGiveTheDocumentedValues) {
  const ScaleTable& older = Scales(Family::k343);
  EXPECT_EQ(ScaleValue(older.range_m, 0), 50.0);
  EXPECT_EQ(ScaleValue(older.range_m, 8), 20000.0);
  EXPECT_EQ(ScaleValue(older.pulse_ns, 3), 100.0);
  EXPECT_EQ(ScaleValue(older.gain_db, 7), 42.0);
  EXPECT_EQ(ScaleValue(older.stretch, 4), 16.0);

  const ScaleTable& newer = Scales(Family::k435);
  EXPECT_EQ(ScaleValue(newer.range_m, 0), 25.0);
  EXPECT_EQ(ScaleValue(newer.range_m, 10), 32000.0);
  EXPECT_EQ(ScaleValue(newer.pulse_ns, 10), 10000.0);
  EXPECT_EQ(ScaleValue(newer.gain_db, 4), 12.0);
  EXPECT_EQ(ScaleValue(newer.stretch, 5), 32.0);

  const ScaleTable& kind14 = Scales(Family::k233);
  EXPECT_EQ(ScaleValue(kind14.range_m, 3), 1000.0);
  EXPECT_EQ(ScaleValue(kind14.pulse_ns, 5), 3000.0);
}

TEST(FamilyScales, AnIndexBeyondItsTableHasNoValue) {
  for (Family family : {Family::k343, Family::k435, Family::k233}) {
    const ScaleTable& table = Scales(family);
    EXPECT_FALSE(ScaleValue(table.range_m, static_cast<int>(table.range_m.size())));
    EXPECT_FALSE(ScaleValue(table.pulse_ns, static_cast<int>(table.pulse_ns.size())));
    EXPECT_FALSE(ScaleValue(table.gain_db, static_cast<int>(table.gain_db.size())));
    EXPECT_FALSE(ScaleValue(table.stretch, static_cast<int>(table.stretch.size())));
    EXPECT_FALSE(ScaleValue(table.range_m, -1));
    EXPECT_FALSE(ScaleValue(table.stretch, 65535));
  }
}

TEST(FamilyScales, TablesRiseWithTheirIndex) {
  for (Family family : {Family::k343, Family::k435, Family::k233}) {
    const ScaleTable& table = Scales(family);
    for (auto column : {table.range_m, table.pulse_ns, table.gain_db, table.stretch}) {
      ASSERT_FALSE(column.empty());
      for (size_t i = 1; i < column.size(); ++i) EXPECT_LT(column[i - 1], column[i]);
    }
  }
}

TEST(FamilyScales, SampleDistanceFollowsRangeStretchAndK) {
  // 1000 m (index 5 of the newer table) over 160 samples, stretch 2, k 1.5:
  // sample 80 lies at 80 * 1000 / (160 * 2 * 1.5) = 166.67 m.
  EXPECT_NEAR(*SampleDistance(Family::k435, 5, 1, 1.5, 80, 160), 166.6667, 1e-3);
  // The older table: 2000 m, stretch 1, k 1, last of 128 samples.
  EXPECT_DOUBLE_EQ(*SampleDistance(Family::k343, 5, 0, 1.0, 127, 128), 127 * 2000.0 / 128);
  EXPECT_FALSE(SampleDistance(Family::k435, 11, 0, 1.5, 1, 160));
  EXPECT_FALSE(SampleDistance(Family::k435, 5, 6, 1.5, 1, 160));
  EXPECT_FALSE(SampleDistance(Family::k435, 5, 0, 0.0, 1, 160));
  EXPECT_FALSE(SampleDistance(Family::k435, 5, 0, 1.5, 1, 0));
}

}  // namespace
}  // namespace telvane
