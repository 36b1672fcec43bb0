#include "cable/pages/known_session.h"

#include <gtest/gtest.h>

#include "sim_session.h"

namespace telvane {
namespace {

TEST(KnownSessionTest, ParsesKindSerialAndPort) {
  KnownInstrument known;
  ASSERT_TRUE(ParseKnownInstrument("6:123456:COM3", known));
  EXPECT_EQ(known.kind, 6);
  EXPECT_EQ(known.serial, "123456");
  EXPECT_EQ(known.port, "COM3");
  ASSERT_TRUE(ParseKnownInstrument("7::COM12", known));
  EXPECT_EQ(known.kind, 7);
  EXPECT_EQ(known.serial, "");
  for (const char* bad : {"", "6", "6:123456", "0:1:COM1", "255:1:COM1", "x:1:COM1",
                          "6:1234567:COM1", "6:1:", "6:1:COM1:9600"}) {
    EXPECT_FALSE(ParseKnownInstrument(bad, known)) << bad;
  }
}

TEST(KnownSessionTest, OpensKind6WhichTheSearchNeverProbes) {
  testing::SimSession session(6, {}, false);
  ASSERT_TRUE(OpenKnownSession(session.link(), {6, "", "COM3"}))
      << ::testing::PrintToString(session.screen().MessageLines());
  EXPECT_EQ(session.link().info().kind, 6);
  EXPECT_EQ(session.link().info().SerialText(), "123456");
  ASSERT_TRUE(session.link().initial().kind6.has_value());
  EXPECT_EQ(session.link().initial().kind6->current_cables(), 3);
}

TEST(KnownSessionTest, AnotherSerialNumberIsRefused) {
  testing::SimSession session(6, {}, false);
  EXPECT_FALSE(OpenKnownSession(session.link(), {6, "654321", "COM3"}));
  EXPECT_EQ(session.link().info().kind, 0);
  EXPECT_TRUE(session.screen().HasMessage("Неверный SerialNumber!"));
}

}  // namespace
}  // namespace telvane
