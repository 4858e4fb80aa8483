#include "heat_lines.h"

#include <gtest/gtest.h>

#include "line_assembler.h"
#include "race_fixture.h"
#include "recording_notifier.h"
#include "timer_protocols.h"

namespace velmora::timersim {
namespace {

// What the simulator sends must read back exactly as the timer meant it.
class SimulatedHeatTest : public ::testing::TestWithParam<std::tuple<TimerKind, int>> {};

TEST_P(SimulatedHeatTest, ReadsBackAsSent) {
  const auto [kind, lanes] = GetParam();
  std::mt19937 random(static_cast<unsigned>(lanes * 31 + static_cast<int>(kind)));
  RaceState race = testing::MakeTimedRace(kind, lanes, 40);
  RaceRandom raceRandom;
  testing::RecordingNotifier notifier;
  LineAssembler assembler;
  for (int h = 1; h <= 40; ++h) {
    race.CurrentHeat = h;
    HeatResult heat = RandomHeat(lanes, random);
    if (h == 1)
      heat.times[0].reset();  // one car that did not finish, for sure
    for (const std::string& line : assembler.Append(HeatText(kind, heat, h == 1))) {
      ParseTimerLine(race, line, raceRandom, notifier);
    }
    const THeat& recorded = race.Rounds[0].Heats[h - 1];
    ASSERT_TRUE(recorded.Raced) << h;
    const bool keyed = kind == TimerKind::MicroWizard || kind == TimerKind::SmartLine;
    for (int l = 0; l < lanes; ++l) {
      int64_t expected = keyed && l >= 6 ? 0 : ReportedTime(kind, heat.times[l]);
      EXPECT_EQ(recorded.Times[l].Raw(), expected) << "heat " << h << " lane " << l + 1;
    }
  }
  EXPECT_TRUE(assembler.Pending().empty());
  EXPECT_TRUE(notifier.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, SimulatedHeatTest,
    ::testing::Combine(::testing::Values(TimerKind::MicroWizard, TimerKind::SmartLine,
                                         TimerKind::TheJudge, TimerKind::NewBoldDTX000),
                       ::testing::Values(1, 3, 6, 8)));

TEST(SimulatedHeat, LooksLikeTheTimersOwnOutput) {
  HeatResult heat{{31230, 30010, std::nullopt, 30010}};
  EXPECT_EQ(HeatText(TimerKind::MicroWizard, heat, false),
            "A=3.123# B=3.001! C=9.999  D=3.001\"\r\n");
  EXPECT_EQ(HeatText(TimerKind::TheJudge, heat, true),
            "Number of Lanes: 4\r\nLane 1  3.1230\r\nLane 2  3.0010\r\nLane 3  9.9999\r\n"
            "Lane 4  3.0010\r\nRace Over\r\n");
  EXPECT_EQ(HeatText(TimerKind::NewBoldDTX000, heat, false),
            "2 3.0010   4 3.0010   1 3.1230   3 9.9999\r\n");
}

TEST(Capture, PausesEscapesAndTerminators) {
  std::vector<CaptureLine> out;
  std::string error;
  ASSERT_TRUE(ParseCapture({"# comment", "", "A=3.001! B=3.002\"", "1.5\tLane 1\\t3.1\\r\\n",
                            "0\t\\x00\\xffRace Over\r", "x\ty"},
                           out, error))
      << error;
  ASSERT_EQ(out.size(), 4u);
  EXPECT_EQ(out[0].pause, 0);
  EXPECT_EQ(out[0].bytes, "A=3.001! B=3.002\"\r\n");
  EXPECT_EQ(out[1].pause, 1.5);
  EXPECT_EQ(out[1].bytes, "Lane 1\t3.1\r\n");
  EXPECT_EQ(out[2].bytes, std::string("\x00\xffRace Over\r\n", 13));
  EXPECT_EQ(out[3].bytes, "x\ty\r\n");  // not a pause: the whole line is sent

  for (const char* bad : {"A=\\q", "0.1\t\\x4", "trailing\\", "\\xZZ"}) {
    EXPECT_FALSE(ParseCapture({"ok", bad}, out, error)) << bad;
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace velmora::timersim
