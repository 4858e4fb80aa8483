#include "manual_entry.h"

#include <gtest/gtest.h>

#include "race_fixture.h"
#include "recording_notifier.h"

namespace velmora {
namespace {

struct EntryCase {
  const char* name;
  std::vector<std::string> texts;
  std::string message;            // empty: recorded
  std::vector<int64_t> recorded;  // raw times when recorded
};

void PrintTo(const EntryCase& c, std::ostream* os) {
  *os << c.name;
}

class ManualEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ManualEntryTest, RecordsOnlyWhenEveryLaneIsATime) {
  const EntryCase& c = GetParam();
  RaceState race = testing::MakeTimedRace(TimerKind::NoTimer, 4);
  RaceRandom random;
  testing::RecordingNotifier notifier;
  bool ok = EnterManualTimes(race, c.texts, random, notifier);
  const THeat& heat = race.Rounds[0].Heats[0];
  if (c.message.empty()) {
    EXPECT_TRUE(ok);
    EXPECT_TRUE(notifier.messages.empty());
    ASSERT_TRUE(heat.Raced);
    std::vector<int64_t> raw;
    for (Currency t : heat.Times)
      raw.push_back(t.Raw());
    EXPECT_EQ(raw, c.recorded);
  } else {
    EXPECT_FALSE(ok);
    EXPECT_EQ(notifier.messages, std::vector<std::string>{c.message});
    EXPECT_FALSE(heat.Raced);
    EXPECT_TRUE(race.Leaders.Items.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ManualEntryTest,
    ::testing::Values(
        EntryCase{"FourLanes", {"3.1", "3.2", "3.3", "3.4"}, "", {31000, 32000, 33000, 34000}},
        EntryCase{"BlanksAndZero", {" 3.45 ", "0", "+2.5", "3e0"}, "", {34500, 0, 25000, 30000}},
        EntryCase{"NegativeCounts", {"-2", "3", "3", "3"}, "", {-20000, 30000, 30000, 30000}},
        EntryCase{"EmptyLane", {"3.1", "", "3.3", "3.4"}, "Invalid Time: ", {}},
        EntryCase{"MissingLane", {"3.1", "3.2", "3.3"}, "Invalid Time: ", {}},
        EntryCase{"MinusOne", {"3.1", "-1", "x", "3.4"}, "Invalid Time: -1", {}},
        EntryCase{"FirstBadTextIsTold", {"3.1", "3,2", "abc", "3.4"}, "Invalid Time: 3,2", {}},
        EntryCase{"LineEnd", {"3.1\r", "3", "3", "3"}, "Invalid Time: 3.1\r", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ManualEntry, EnteringARacedHeatAgainReplacesItsResult) {
  RaceState race = testing::MakeTimedRace(TimerKind::NoTimer, 2);
  RaceRandom random;
  testing::RecordingNotifier notifier;
  ASSERT_TRUE(EnterManualTimes(race, {"3.0", "3.5"}, random, notifier));
  ASSERT_TRUE(EnterManualTimes(race, {"3.9", "3.1"}, random, notifier));
  EXPECT_EQ(race.Rounds[0].Heats[0].Places, (TIntArray{2, 1}));
  EXPECT_EQ(race.Cars.Items[0].AverageTime, Currency::FromRaw(39000));
}

}  // namespace
}  // namespace velmora
