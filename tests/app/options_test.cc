#include "page/options.h"

#include <gtest/gtest.h>

namespace telvane {
namespace {

TEST(ParseOptions, DefaultsAndPlacesInTheCommandLine) {
  AppOptions none = ParseOptions({});
  EXPECT_EQ(none.kind9_trailing_records, 2);
  EXPECT_EQ(none.locked_leading_entries, 2);

  AppOptions both = ParseOptions({"/i9:5", "/i0B:7"});
  EXPECT_EQ(both.kind9_trailing_records, 5);
  EXPECT_EQ(both.locked_leading_entries, 7);

  // Any case, inside another word, and the number ends at the first non-digit.
  AppOptions mixed = ParseOptions({"x/I0b:12abc", "--other", "/I9:003;4"});
  EXPECT_EQ(mixed.kind9_trailing_records, 3);
  EXPECT_EQ(mixed.locked_leading_entries, 12);

  // Only one option given: the other keeps its default.
  EXPECT_EQ(ParseOptions({"/i0b:0"}).kind9_trailing_records, 2);
  EXPECT_EQ(ParseOptions({"/i0b:0"}).locked_leading_entries, 0);
}

TEST(ParseOptions, UnixSpellingsNoDigitsAndHugeNumbers) {
  AppOptions unix_style = ParseOptions({"--i9=4", "--i0b=9"});
  EXPECT_EQ(unix_style.kind9_trailing_records, 4);
  EXPECT_EQ(unix_style.locked_leading_entries, 9);
  // A marker without digits reads as 0, like a decimal read that stops at once.
  EXPECT_EQ(ParseOptions({"/i9:x"}).kind9_trailing_records, 0);
  // A number that would overflow is cut to the largest option value.
  EXPECT_EQ(ParseOptions({"/i9:99999999999999999999"}).kind9_trailing_records, kOptionMaximum);
}

}  // namespace
}  // namespace telvane
