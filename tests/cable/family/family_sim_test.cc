// The reflectometer families' databases against telvane-sim: what the
// simulator's database holds arrives in the model, traces show the line's
// events where the scale tables and k put them, and what the program writes
// comes back on the next reading.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "cable/family/family_cable_page.h"
#include "cable/family/family_model.h"
#include "cable/family/family_scales.h"
#include "cable/pages/sim_session.h"
#include "cable/reflectograms/reflectogram_page.h"
#include "storage/trace/trace_firmware.h"

namespace telvane {
namespace {

using testing::SimSession;

// The simulator's reflectogram of (cable, slot) with the family's command.
std::optional<ReflectogramRecord> Receive(PageContext& context, const FamilyModel& model, int cable,
                                          int slot) {
  const bool older = model.layout().family == Family::k343;
  ReflectogramRecord record(older ? RecordForm::kCompact : RecordForm::kExtended);
  const size_t length = older ? 173 : ExtendedUsedLength(model.firmware());
  if (!context.transactions().ReceiveNumbered(context.instrument().address(), older ? 0x57 : 0x67,
                                              ReflectogramNumber(cable, slot),
                                              record.bytes().first(length))) {
    return std::nullopt;
  }
  return record;
}

bool Send(PageContext& context, const FamilyModel& model, int cable, int slot,
          const ReflectogramRecord& record) {
  const bool older = model.layout().family == Family::k343;
  const size_t length = older ? 173 : ExtendedUsedLength(model.firmware());
  return context.transactions().SendNumbered(context.instrument().address(), older ? 0x58 : 0x68,
                                             ReflectogramNumber(cable, slot),
                                             record.bytes().first(length));
}

// The index of the largest amplitude (smallest sample) after the launch pulse.
int Strongest(const ReflectogramRecord& record, int samples) {
  int best = 10;
  for (int i = 10; i < samples; ++i) {
    if (record.sample(i) < record.sample(best)) best = i;
  }
  return best;
}

// The distance of `sample` on `trace` of `cable`.
double Distance(const FamilyModel& model, int cable, const ReflectogramRecord& trace, int sample,
                int samples) {
  const TraceSettings settings = trace.settings();
  const std::optional<double> d =
      SampleDistance(model.layout().family, settings.diap, settings.rast,
                     model.block(cable).velocity_factor(), sample, samples);
  EXPECT_TRUE(d.has_value());
  return d.value_or(-1);
}

TEST(FamilySim, Kind10DatabaseAndTracesOfTheLineModel) {
  SimSession sim(10, {"--cables", "3", "--reflectograms", "3"});
  ASSERT_TRUE(sim.opened());
  FamilyModel model(kFamily343);
  ASSERT_TRUE(model.Read(sim.context())) << sim.Log();
  ASSERT_EQ(model.cable_count(), 3);
  EXPECT_EQ(model.info()->reflectograms, 3);
  EXPECT_EQ(model.name(0), "Ввод-А");
  EXPECT_EQ(model.name(1), "Магистраль 2");
  EXPECT_EQ(model.name(2), "Распределение №3");  // 16 characters, the most a name holds
  EXPECT_EQ(model.status(0, 0), kSlotValid);
  EXPECT_EQ(model.status(0, 2), kSlotValid);
  EXPECT_EQ(model.status(0, 3), kSlotEmpty);
  EXPECT_NE(model.status(0, 6), kSlotValid);
  EXPECT_NE(model.status(0, 6), kSlotEmpty);
  EXPECT_EQ(model.status(1, 0), kSlotEmpty);
  EXPECT_FLOAT_EQ(model.block(0).velocity_factor(), 1.5f);

  const std::optional<ReflectogramRecord> received = Receive(sim.context(), model, 0, 0);
  ASSERT_TRUE(received.has_value());
  const ReflectogramRecord& open = *received;
  EXPECT_EQ(open.name(), "РФГ-1-01");
  // The far end of the first cable is open, 750 m away: the strongest echo
  // lies there within one sample, and cursor 2 marks it.
  const int end = Strongest(open, 128);
  EXPECT_NEAR(Distance(model, 0, open, end, 128), 750.0, 2000.0 / 128 / 1.5);
  EXPECT_EQ(open.settings().curs2, end);
  EXPECT_NEAR(Distance(model, 0, open, open.settings().curs1, 128), 300.0, 2000.0 / 128 / 1.5);
  EXPECT_TRUE(sim.screen().MessageLines().empty());
}

TEST(FamilySim, Kind10WritesComeBackOnTheNextReading) {
  SimSession sim(10, {"--cables", "2"});
  ASSERT_TRUE(sim.opened());
  FamilyModel model(kFamily343);
  ASSERT_TRUE(model.Read(sim.context()));
  const std::optional<ReflectogramRecord> trace = Receive(sim.context(), model, 0, 1);
  ASSERT_TRUE(trace.has_value());

  // A reflectogram sent into another cable's empty slot is valid there now.
  ASSERT_TRUE(Send(sim.context(), model, 1, 9, *trace));
  FamilyModel again(kFamily343);
  ASSERT_TRUE(again.Read(sim.context()));
  EXPECT_EQ(again.status(1, 9), kSlotValid);
  EXPECT_EQ(Receive(sim.context(), again, 1, 9), trace);

  // The whole database: a renamed cable, its slots empty after the write.
  ASSERT_TRUE(again.SetName(1, "Новый"));
  ASSERT_TRUE(again.WriteAll(sim.context()));
  FamilyModel third(kFamily343);
  ASSERT_TRUE(third.Read(sim.context()));
  ASSERT_EQ(third.cable_count(), 2);
  EXPECT_EQ(third.name(1), "Новый");
  EXPECT_EQ(third.status(1, 9), kSlotEmpty);
  EXPECT_EQ(third.status(0, 0), kSlotEmpty);

  // One cable under a new name is added.
  ASSERT_TRUE(third.SetName(0, "Добавленный"));
  ASSERT_TRUE(third.WriteOne(sim.context(), 0));
  FamilyModel fourth(kFamily343);
  ASSERT_TRUE(fourth.Read(sim.context()));
  ASSERT_EQ(fourth.cable_count(), 3);
  EXPECT_EQ(fourth.name(2), "Добавленный");
  EXPECT_TRUE(sim.screen().MessageLines().empty());
}

TEST(FamilySim, Kind11TracesFollowTheFirmware) {
  SimSession sim(11, {"--firmware", "8.025", "--reflectograms", "2"});
  ASSERT_TRUE(sim.opened());
  FamilyModel model(kFamily435);
  ASSERT_TRUE(model.Read(sim.context()));
  EXPECT_EQ(model.firmware(), 8025);
  ASSERT_EQ(model.cable_count(), 3);
  EXPECT_EQ(model.name(2), "Распределение №3");
  EXPECT_EQ(model.block(1).pair_count(), 100);
  const std::optional<ReflectogramRecord> received = Receive(sim.context(), model, 0, 1);
  ASSERT_TRUE(received.has_value());
  const ReflectogramRecord shorted = *received;
  EXPECT_FLOAT_EQ(shorted.coordination(160), 750.0f);
  // A shorted end: the trace falls there (the largest sample after the
  // launch), cursor 2 on it, within one sample of 750 m.
  int end = 10;
  for (int i = 10; i < 160; ++i) {
    if (shorted.sample(i) > shorted.sample(end)) end = i;
  }
  EXPECT_EQ(shorted.settings().curs2, end);
  const double step = 4000.0 / (160 * 2 * 1.5);
  EXPECT_NEAR(Distance(model, 0, shorted, end, 160), 750.0, step);

  // Sent back into slot 4, the record returns with the firmware's length.
  ASSERT_TRUE(Send(sim.context(), model, 2, 4, shorted));
  ASSERT_TRUE(model.Read(sim.context()));
  EXPECT_EQ(model.status(2, 4), kSlotValid);
  EXPECT_EQ(Receive(sim.context(), model, 2, 4), shorted);
  EXPECT_TRUE(sim.screen().MessageLines().empty());
}

TEST(FamilySim, Kind14CablesReadAndWritten) {
  SimSession sim(14, {"--cables", "2"});
  ASSERT_TRUE(sim.opened());
  FamilyModel model(kFamily233);
  ASSERT_TRUE(model.Read(sim.context()));
  ASSERT_EQ(model.cable_count(), 2);
  EXPECT_EQ(model.name(0), "Ввод-А");
  EXPECT_EQ(model.info()->cable_types, 5);
  ASSERT_TRUE(model.SetName(1, "Линия 7"));
  ASSERT_TRUE(model.WriteAll(sim.context()));
  FamilyModel again(kFamily233);
  ASSERT_TRUE(again.Read(sim.context()));
  ASSERT_EQ(again.cable_count(), 2);
  EXPECT_EQ(again.name(1), "Линия 7");
  EXPECT_EQ(again.record(1), model.record(1));
  EXPECT_TRUE(sim.screen().MessageLines().empty());
}

}  // namespace
}  // namespace telvane

namespace telvane {
namespace {

TEST(FamilySim, Kind12CablePageAgainstTheSimulator) {
  testing::SimSession sim(12, {"--cables", "3"});
  ASSERT_TRUE(sim.opened());
  auto model = std::make_shared<FamilyModel>(kFamily435);
  FamilyCablePage page(sim.context(), model);
  ASSERT_TRUE(model->Read(sim.context()));
  ASSERT_TRUE(page.LoadTypes());
  ASSERT_EQ(page.TypeNames().size(), 5u);
  EXPECT_EQ(page.TypeNames()[0], "ТП-0.4");
  // The second cable: a new type for its first section, sent alone.
  page.Select(1);
  page.EditValue(SectionValue::kValue1, "300");
  page.ChooseType(2);
  EXPECT_EQ(page.ValueText(SectionValue::kValue3), "1.600");
  EXPECT_EQ(page.ValueText(SectionValue::kDerived), "320.000");  // 300 × 1.6 × 2/3
  page.SetChecked(1, true);
  sim.screen().Answer(Answer::kYes, "Продолжить?");
  ASSERT_TRUE(page.Send());
  // Received back by number, the cable holds what was sent.
  const std::vector<uint8_t> sent = model->record(1);
  page.EditValue(SectionValue::kValue1, "1");
  ASSERT_TRUE(page.Receive());
  EXPECT_EQ(model->record(1), sent);
  EXPECT_EQ(page.ValueText(SectionValue::kValue1), "300.000");
  EXPECT_EQ(sim.screen().MessageLines(),
            (std::vector<std::string>{"Info: Complete", "Info: Complete"}));
}

}  // namespace
}  // namespace telvane
