#include "base/cp1251.h"

#include <gtest/gtest.h>

namespace telvane {
namespace {

TEST(Cp1251, CyrillicAlphabetMapsToItsBlock) {
  EXPECT_EQ(Utf8ToCp1251("АЯая"), std::string("\xC0\xDF\xE0\xFF"));
  EXPECT_EQ(Utf8ToCp1251("ПРОТОКОЛ"), std::string("\xCF\xD0\xCE\xD2\xCE\xCA\xCE\xCB"));
  EXPECT_EQ(Cp1251ToUtf8("\xCD\xE0\xE8\xEC"), "Наим");
}

TEST(Cp1251, SpecialCharactersOfTheUpperHalf) {
  // Hand-picked from the code page chart.
  EXPECT_EQ(Utf8ToCp1251("Ёё№€–—«»°±"), std::string("\xA8\xB8\xB9\x88\x96\x97\xAB\xBB\xB0\xB1"));
  EXPECT_EQ(Cp1251ToUtf8("\x80\x81\x8A\xA1\xA5\xB4\xBF"), "ЂЃЉЎҐґї");
}

// Every byte survives a round trip except 0x98, which the code page leaves
// unassigned: it is read as U+0098 and written back as '?', so no file the
// program writes holds it.
TEST(Cp1251, EveryAssignedByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  std::string expected = all;
  expected[0x98] = '?';
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), expected);
}

TEST(Cp1251, UnmappableAndMalformedBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("a€ü中b"), std::string("a\x88??b"));
  EXPECT_EQ(Utf8ToCp1251("x\xFFy"), "x?y");
  EXPECT_EQ(Utf8ToCp1251("z\xD0"), "z?");  // cut sequence at the end
}

TEST(Cp1251, Utf8LengthCountsCharacters) {
  EXPECT_EQ(Utf8Length("нФ"), 2u);
  EXPECT_EQ(Utf8Length(">2000 нФ"), 8u);
}

}  // namespace
}  // namespace telvane
