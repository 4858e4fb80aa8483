#include "race_completion.h"

#include <gtest/gtest.h>

#include "race_builder.h"
#include "race_generation.h"
#include "race_module.h"
#include "recording_notifier.h"

namespace velmora {
namespace {

using testing::MakeRace;
using testing::RecordingNotifier;
using testing::Secs;

// Ten racers, one heat each on a single lane, all raced with distinct times
// unless `averages` says otherwise.
RaceState TenRacersRaced(std::vector<double> averages) {
  std::vector<TIntArray> heats;
  for (int32_t i = 1; i <= 10; ++i)
    heats.push_back({i});
  RaceState race = MakeRace(10, 1, heats);
  for (size_t h = 0; h < 10; ++h) {
    race.Rounds[0].Heats[h].Times = {Secs(averages[h])};
    race.Rounds[0].Heats[h].Raced = true;
    race.Rounds[0].Heats[h].Places = {1};
  }
  ComputeStandings(race);
  return race;
}

const std::vector<double> kDistinct = {3.0, 3.1, 3.2, 3.3, 3.4, 3.5, 3.6, 3.7, 3.8, 3.9};

TEST(CheckRaceComplete, NothingAppendedWithoutTies) {
  RaceState race = TenRacersRaced(kDistinct);
  RaceRandom random;
  RecordingNotifier notifier;
  CheckRaceComplete(race, random, notifier);
  EXPECT_EQ(race.RoundCount, 1);
  EXPECT_TRUE(notifier.messages.empty());
}

TEST(CheckRaceComplete, TiedAveragesGetATieBreakerRound) {
  std::vector<double> averages = kDistinct;
  averages[8] = averages[3];  // cars 4 and 9
  RaceState race = TenRacersRaced(averages);
  RaceRandom random;
  RecordingNotifier notifier;
  CheckRaceComplete(race, random, notifier);
  EXPECT_EQ(notifier.messages, (std::vector<std::string>{"3:8"}));
  ASSERT_EQ(race.RoundCount, 2);
  ASSERT_EQ(race.Rounds.size(), 2u);
  EXPECT_EQ(race.Rounds[1].Name, "Tie Breakers");
  THeats expected = GeneratePerfectN({9, 4}, 1, 1);
  ASSERT_EQ(race.Rounds[1].Heats.size(), expected.Heats.size());
  for (size_t h = 0; h < expected.Heats.size(); ++h) {
    EXPECT_EQ(race.Rounds[1].Heats[h].LaneCars, expected.Heats[h].LaneCars);
  }
}

TEST(AddTieBreakers, ListsLaterMembersThenTheFirstOfEachGroup) {
  // Cars 2, 5 and 7 share one average and cars 3 and 4 another.
  RaceState race = MakeRace(7, 4, {});
  double averages[] = {3.0, 3.3, 3.5, 3.5, 3.3, 3.9, 3.3};
  for (size_t i = 0; i < 7; ++i)
    race.Cars.Items[i].AverageTime = Secs(averages[i]);
  RecordingNotifier notifier;
  ASSERT_TRUE(AddTieBreakers(race, notifier));
  EXPECT_EQ(notifier.messages, (std::vector<std::string>{"1:4", "1:6", "2:3"}));
  THeats expected = GeneratePerfectN({5, 7, 2, 4, 3}, 4, 1);
  ASSERT_EQ(race.Rounds.size(), 2u);
  for (size_t h = 0; h < expected.Heats.size(); ++h) {
    EXPECT_EQ(race.Rounds[1].Heats[h].LaneCars, expected.Heats[h].LaneCars);
  }
}

TEST(AddTieBreakers, CarsWithoutResultsTieWithEachOther) {
  RaceState race = MakeRace(3, 2, {});
  race.Cars.Items[0].AverageTime = Secs(3.1);
  RecordingNotifier notifier;
  EXPECT_TRUE(AddTieBreakers(race, notifier));
  EXPECT_EQ(notifier.messages, (std::vector<std::string>{"1:2"}));
}

// Three groups of three racers, each heat raced with the given times.
RaceState ThreeGroupsWithFinals() {
  std::vector<TIntArray> heats = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
  RaceState race = MakeRace(9, 3, heats);
  race.GroupNames = {"Tigers", "Wolves", "Bears"};
  SetGroupsMethod(race, GroupsMethod::Finals);
  for (int32_t i = 0; i < 9; ++i)
    race.Cars.Items[i].Group = i / 3;
  return race;
}

TEST(CheckRaceComplete, FinalsTakeTheBestOfEachGroup) {
  RaceState race = ThreeGroupsWithFinals();
  RaceRandom random;
  RecordingNotifier notifier;
  double times[3][3] = {{3.3, 3.1, 3.2}, {3.05, 3.4, 3.5}, {3.6, 3.7, 3.15}};
  for (int32_t h = 0; h < 3; ++h) {
    race.CurrentHeat = h + 1;
    RecordHeatTimes(race, {Secs(times[h][0]), Secs(times[h][1]), Secs(times[h][2])}, h + 1, random,
                    notifier);
  }
  EXPECT_EQ(notifier.messages, (std::vector<std::string>{"3"}));
  ASSERT_EQ(race.RoundCount, 2);
  EXPECT_EQ(race.Rounds[1].Name, "Finals");
  RaceRandom fresh;
  THeats expected = GenerateLaneRotation({2, 4, 9}, 3, 1, fresh);
  ASSERT_EQ(HeatCount(race.Rounds[1]), 3);
  for (size_t h = 0; h < 3; ++h) {
    EXPECT_EQ(race.Rounds[1].Heats[h].LaneCars, expected.Heats[h].LaneCars);
  }
}

TEST(BuildFinals, EmptyGroupContributesNobody) {
  RaceState race = ThreeGroupsWithFinals();
  race.GroupNames.push_back("Nobody");
  for (int32_t i = 0; i < 9; ++i)
    race.Cars.Items[i].Score = Secs(3.0 + i * 0.01);
  race.Cars.Items[1].Score = Secs(2.9);
  race.Cars.Items[3].Score = Currency();  // never raced: ranks last in its group
  RaceRandom random;
  RecordingNotifier notifier;
  THeats finals = BuildFinals(race, 1, random, notifier);
  EXPECT_EQ(notifier.messages, (std::vector<std::string>{"4"}));
  EXPECT_EQ(finals.Name, "Finals");
  ASSERT_EQ(HeatCount(finals), 3);
  TIntArray finalists;
  for (int32_t h = 0; h < 3; ++h)
    finalists.push_back(finals.Heats[h].LaneCars[0]);
  std::sort(finalists.begin(), finalists.end());
  EXPECT_EQ(finalists, (TIntArray{2, 5, 7}));
}

// Found by fuzzing the race file reader: with no racer in any group the
// finals round had no heats, so the race stayed complete and every later
// check (each load, each recorded heat) appended one more empty round.
TEST(CheckRaceComplete, FinalsWithoutFinalistsAppendNothing) {
  RaceState race = ThreeGroupsWithFinals();
  for (TCar& car : race.Cars.Items)
    car.Group = -1;
  RaceRandom random;
  RecordingNotifier notifier;
  for (int32_t h = 1; h <= 3; ++h) {
    RecordHeatTimes(race, {Secs(3.1 + h), Secs(3.2 + h), Secs(3.3 + h)}, h, random, notifier);
  }
  CheckRaceComplete(race, random, notifier);
  EXPECT_EQ(race.RoundCount, 1);
  EXPECT_EQ(race.Rounds.size(), 1u);
}

TEST(CheckRaceComplete, RoundsGrowOnlyWhenEveryRoundIsRaced) {
  RaceState race = TenRacersRaced(kDistinct);
  race.Cars.Items[8].AverageTime = race.Cars.Items[3].AverageTime;
  // A second round with an unraced heat holds the check back.
  THeats second;
  second.Heats.resize(3);
  second.Heats[0].LaneCars = {1};
  second.Heats[0].Raced = true;
  second.Heats[1].LaneCars = {2};
  race.Rounds.push_back(second);
  race.RoundCount = 2;
  RaceRandom random;
  RecordingNotifier notifier;
  CheckRaceComplete(race, random, notifier);
  EXPECT_EQ(race.RoundCount, 2);
  race.Rounds[1].Heats[1].Raced = true;
  CheckRaceComplete(race, random, notifier);
  EXPECT_EQ(race.RoundCount, 3);
  EXPECT_EQ(race.Rounds[2].Name, "Tie Breakers");
}

TEST(IsRaceComplete, NeedsAtLeastOneRealHeat) {
  RaceState empty;
  EXPECT_FALSE(IsRaceComplete(empty));
  RaceState noHeats = MakeRace(4, 2, {});
  EXPECT_FALSE(IsRaceComplete(noHeats));
  RaceRandom random;
  RecordingNotifier notifier;
  CheckRaceComplete(noHeats, random, notifier);
  EXPECT_EQ(noHeats.RoundCount, 1);
  EXPECT_TRUE(notifier.messages.empty());
}

TEST(IsRaceComplete, IgnoresRoundsBeyondRoundCount) {
  RaceState race = TenRacersRaced(kDistinct);
  THeats spare;
  spare.Heats.resize(2);  // one unraced heat in a round that is not in use
  race.Rounds.push_back(spare);
  EXPECT_TRUE(IsRaceComplete(race));
}

}  // namespace
}  // namespace velmora
