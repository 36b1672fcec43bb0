#include "cable/pages/compact_name.h"

#include <gtest/gtest.h>

namespace telvane {
namespace {

TEST(CompactNameTest, LatinKeysBecomeTheRussianLettersOnThem) {
  EXPECT_EQ(CleanCompactCableName("qwerty"), "ЙЦУКЕН");
  EXPECT_EQ(CleanCompactCableName("QWERTY"), "ЙЦУКЕН");
  EXPECT_EQ(CleanCompactCableName("asdfghjkl"), "ФЫВАПРОЛД");
  EXPECT_EQ(CleanCompactCableName("zxcvbnm"), "ЯЧСМИТЬ");
  EXPECT_EQ(CleanCompactCableName("uiop"), "ГШЩЗ");
  EXPECT_EQ(CleanCompactCableName("\"',<.>:;[{]}"), "ЭЭББЮЮЖЖХХЪЪ");
}

TEST(CompactNameTest, KeepsUpperCaseCyrillicDigitsAndBlanksUpToTwelve) {
  EXPECT_EQ(CleanCompactCableName("линия 12"), "ЛИНИЯ 12");
  // ё has no upper-case letter among the kept ones.
  EXPECT_EQ(CleanCompactCableName("ёж"), "Ж");
  EXPECT_EQ(CleanCompactCableName("a-b_c!?/\\@#"), "ФИС");
  EXPECT_EQ(CleanCompactCableName("ЁЖЗ"), "ЖЗ");
  EXPECT_EQ(CleanCompactCableName("1234567890ABCDEF"), "1234567890ФИ");
  EXPECT_EQ(CleanCompactCableName(""), "");
}

}  // namespace
}  // namespace telvane
