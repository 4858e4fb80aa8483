#include <gtest/gtest.h>

#include "race_builder.h"
#include "race_module.h"
#include "recording_notifier.h"

namespace velmora {
namespace {

using testing::MakeRace;
using testing::RecordingNotifier;
using testing::Secs;

std::vector<Currency> Times(std::initializer_list<double> seconds) {
  std::vector<Currency> out;
  for (double s : seconds)
    out.push_back(Secs(s));
  return out;
}

struct PlaceCase {
  std::string name;
  std::vector<Currency> times;
  TIntArray places;
};

class AssignPlacesTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(AssignPlacesTest, PlacesTimedLanesFirst) {
  const PlaceCase& c = GetParam();
  RaceState race = MakeRace(4, 4, {{1, 2, 3, 4}});
  race.Rounds[0].Heats[0].Times = c.times;
  AssignPlaces(race, 0);
  EXPECT_EQ(race.Rounds[0].Heats[0].Places, c.places);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AssignPlacesTest,
    ::testing::Values(
        PlaceCase{"EqualTimesLowerLaneFirst", Times({3.21, 3.1, 3.1, 3.5}), {3, 1, 2, 4}},
        PlaceCase{"UntimedLaneLast", Times({3.3, 3.1, 3.2, 0}), {3, 1, 2, 4}},
        PlaceCase{"UntimedLanesInLaneOrder", Times({0, 3.1, -1, 0}), {2, 1, 3, 4}},
        PlaceCase{"NoTimesAtAll", Times({0, 0, 0, 0}), {1, 2, 3, 4}},
        PlaceCase{"AllEqual", Times({3, 3, 3, 3}), {1, 2, 3, 4}},
        PlaceCase{"MissingTimesCountAsUntimed", Times({3.5, 3.4}), {2, 1, 3, 4}}),
    [](const auto& info) { return info.param.name; });

TEST(FastestIndex, FirstSmallestBelowTheSentinel) {
  EXPECT_EQ(FastestIndex(Times({3.2, 3.1, 3.1})), 1);
  EXPECT_EQ(FastestIndex(Times({0, 3.1})), 0);
  EXPECT_EQ(FastestIndex({}), 0);
  EXPECT_EQ(FastestIndex({kSentinelTime, Secs(2)}), 1);
}

TEST(RecordHeatTimes, EmptyLaneNoLongerTakesTheWin) {
  RaceState race = MakeRace(3, 4, {{1, 2, 3, 0}});
  RaceRandom random;
  RecordingNotifier notifier;
  ASSERT_TRUE(RecordHeatTimes(race, Times({3.3, 3.1, 3.2, 0}), 1, random, notifier));
  const THeat& heat = race.Rounds[0].Heats[0];
  EXPECT_TRUE(heat.Raced);
  EXPECT_EQ(heat.Places, (TIntArray{3, 1, 2, 4}));
  EXPECT_EQ(race.Cars.Items[1].Wins, 1);
  EXPECT_EQ(race.Cars.Items[0].Losses, 1);
  EXPECT_EQ(race.Cars.Items[2].Losses, 1);
}

TEST(RecordHeatTimes, UnknownHeatChangesNothing) {
  RaceState race = MakeRace(2, 2, {{1, 2}});
  RaceRandom random;
  RecordingNotifier notifier;
  EXPECT_FALSE(RecordHeatTimes(race, Times({3, 3}), 2, random, notifier));  // spare heat
  EXPECT_FALSE(RecordHeatTimes(race, Times({3, 3}), 0, random, notifier));
  race.CurrentRound = 2;
  EXPECT_FALSE(RecordHeatTimes(race, Times({3, 3}), 1, random, notifier));
  EXPECT_FALSE(race.Rounds[0].Heats[0].Raced);
}

TEST(RecordHeatTimes, RecordingAgainReplacesTheResult) {
  RaceState race = MakeRace(2, 2, {{1, 2}, {2, 1}});
  RaceRandom random;
  RecordingNotifier notifier;
  RecordHeatTimes(race, Times({3.0, 3.5}), 1, random, notifier);
  RecordHeatTimes(race, Times({4.0, 2.5}), 1, random, notifier);
  const TCar& car1 = race.Cars.Items[0];
  EXPECT_EQ(car1.AverageTime, Secs(4.0));
  EXPECT_EQ(car1.Wins, 0);
  EXPECT_EQ(car1.Losses, 1);
  EXPECT_EQ(car1.Places, (TIntArray{2, 0}));
  EXPECT_EQ(race.Leaders.Items[0].CarIndex, 1);
}

// One car raced in three heats with the given times; the statistics under
// each scoring type, with and without ignore-worst.
struct StatsCase {
  std::string name;
  ScoringType scoring;
  bool ignoreWorst;
  std::vector<Currency> times;
  double average, worst, cumulative, fastest, score;
};

class CarStatisticsTest : public ::testing::TestWithParam<StatsCase> {};

TEST_P(CarStatisticsTest, FollowTheRecordedHeats) {
  const StatsCase& c = GetParam();
  std::vector<TIntArray> heats(c.times.size(), TIntArray{1, 2});
  RaceState race = MakeRace(2, 2, heats, c.scoring);
  race.IgnoreWorst = c.ignoreWorst;
  for (size_t h = 0; h < c.times.size(); ++h) {
    THeat& heat = race.Rounds[0].Heats[h];
    heat.Times = {c.times[h], Secs(9)};
    heat.Raced = true;
    AssignPlaces(race, static_cast<int32_t>(h));
  }
  ComputeStandings(race);
  const TCar& car = race.Cars.Items[0];
  EXPECT_EQ(car.AverageTime, Secs(c.average));
  EXPECT_EQ(car.WorstTime, Secs(c.worst));
  EXPECT_EQ(car.CumulativeTime, Secs(c.cumulative));
  EXPECT_EQ(car.FastestTime, Secs(c.fastest));
  EXPECT_EQ(car.Score, Secs(c.score));
  EXPECT_EQ(car.Times.size(), 1u);
  EXPECT_EQ(car.Places.size(), c.times.size() + 1);
  EXPECT_EQ(car.Places.back(), 0);
}

const auto kThree = Times({3.0, 3.2, 3.4});

INSTANTIATE_TEST_SUITE_P(
    Cases, CarStatisticsTest,
    ::testing::Values(
        StatsCase{"AverageIgnoreWorst", ScoringType::AverageTime, true, kThree, 2.0667, 3.4, 6.2, 0,
                  2.0667},
        StatsCase{"Average", ScoringType::AverageTime, false, kThree, 3.2, 3.4, 9.6, 0, 3.2},
        StatsCase{"Cumulative", ScoringType::CumulativeTime, false, kThree, 3.2, 3.4, 9.6, 0, 9.6},
        StatsCase{"CumulativeIgnoreWorst", ScoringType::CumulativeTime, true, kThree, 2.0667, 3.4,
                  6.2, 0, 6.2},
        StatsCase{"Fastest", ScoringType::FastestTime, false, kThree, 3.2, 3.4, 9.6, 3.0, 3.0},
        StatsCase{"PointsScoreIsAveragePlace", ScoringType::Points, false, kThree, 3.2, 3.4, 9.6, 0,
                  1},
        StatsCase{"SingleTimeHasNoWorst", ScoringType::AverageTime, true, Times({3.3}), 3.3, 0, 3.3,
                  0, 3.3},
        StatsCase{"FastestZeroIsReplaced", ScoringType::FastestTime, false, Times({0, 3.1, 3.3}),
                  2.1333, 3.3, 6.4, 3.1, 3.1},
        StatsCase{"FastestZeroLastStays", ScoringType::FastestTime, false, Times({3.1, 0}), 1.55,
                  3.1, 3.1, 0, 0},
        StatsCase{"AverageHalfToEven", ScoringType::AverageTime, false, Times({3.0002, 3.0003}),
                  3.0002, 3.0003, 6.0005, 0, 3.0002}),
    [](const auto& info) { return info.param.name; });

TEST(ComputeStandings, PointsAverageThePlaces) {
  RaceState race = MakeRace(3, 3, {{1, 2, 3}, {2, 1, 3}, {2, 1, 3}}, ScoringType::Points);
  std::vector<std::vector<Currency>> times = {Times({3.0, 3.1, 3.2}), Times({3.0, 3.1, 3.2}),
                                              Times({3.0, 3.1, 3.2})};
  for (size_t h = 0; h < 3; ++h) {
    race.Rounds[0].Heats[h].Times = times[h];
    race.Rounds[0].Heats[h].Raced = true;
    AssignPlaces(race, static_cast<int32_t>(h));
  }
  ComputeStandings(race);
  const TCar& car1 = race.Cars.Items[0];  // places 1, 2, 2
  EXPECT_EQ(car1.TotalPoints, Currency::FromWhole(5));
  EXPECT_EQ(car1.AveragePoints, Secs(1.6667));
  EXPECT_EQ(car1.Score, Secs(1.6667));
  EXPECT_EQ(car1.Wins, 1);
  EXPECT_EQ(car1.Losses, 2);
}

TEST(ComputeStandings, CarWithoutPositiveSumKeepsEarlierResults) {
  RaceState race = MakeRace(2, 2, {{1, 2}});
  race.Cars.Items[0].AverageTime = Secs(7);
  race.Cars.Items[0].Score = Secs(7);
  race.Rounds[0].Heats[0].Times = Times({0, 3});
  race.Rounds[0].Heats[0].Raced = true;
  AssignPlaces(race, 0);
  ComputeStandings(race);
  EXPECT_EQ(race.Cars.Items[0].AverageTime, Secs(7));
  EXPECT_EQ(race.Cars.Items[0].Losses, 1);
}

TEST(ComputeStandings, ReadsNothingOutsideTheRace) {
  // Car references beyond RacerCount, short lane lists and a RoundCount
  // larger than the list are skipped, not read.
  RaceState race = MakeRace(2, 3, {{1, 9, -4}, {2}});
  race.Rounds[0].Heats[0].Times = Times({3, 3});
  race.Rounds[0].Heats[0].Raced = true;
  race.Rounds[0].Heats[1].Raced = true;
  race.RoundCount = 3;
  ComputeStandings(race);
  EXPECT_EQ(race.Cars.Items[0].Losses + race.Cars.Items[0].Wins, 1);
  EXPECT_EQ(race.Cars.Items[1].Losses + race.Cars.Items[1].Wins, 1);
  EXPECT_EQ(race.Leaders.Items.size(), 2u);
}

TLeaders Leaders(std::initializer_list<double> scores) {
  TLeaders leaders;
  int32_t index = 0;
  for (double s : scores) {
    leaders.Items.push_back({"Car " + std::to_string(index + 1), Secs(s), index});
    ++index;
  }
  return leaders;
}

TIntArray Order(const TLeaders& leaders) {
  TIntArray order;
  for (const TLeader& l : leaders.Items)
    order.push_back(l.CarIndex);
  return order;
}

struct SortCase {
  std::string name;
  TLeaders leaders;
  TIntArray order;
};

class SortLeadersTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortLeadersTest, BestFirstCarsWithoutResultsLast) {
  SortCase c = GetParam();
  std::vector<Currency> scoresBefore;
  for (const TLeader& l : c.leaders.Items)
    scoresBefore.push_back(l.Score);
  SortLeaders(c.leaders, 0, static_cast<int32_t>(c.leaders.Items.size()) - 1);
  EXPECT_EQ(Order(c.leaders), c.order);
  for (const TLeader& l : c.leaders.Items) {
    EXPECT_EQ(l.Score, scoresBefore[l.CarIndex]) << "scores are never altered";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortLeadersTest,
    ::testing::Values(SortCase{"TenWithTwoUnraced",
                               Leaders({3.1, 0, 2.9, 3.0, 3.3, 0, 3.2, 2.95, 3.05, 3.15}),
                               {2, 7, 3, 8, 0, 9, 6, 4, 1, 5}},
                      // With three racers an unraced car used to rank first.
                      SortCase{"ThreeWithOneUnraced", Leaders({2.5, 0, 2.4}), {2, 0, 1}},
                      // A real score equal to the last index keeps its value and rank.
                      SortCase{"ScoreEqualToHi", Leaders({2.0, 1.0, 3.0}), {1, 0, 2}},
                      // Equal scores: the selection procedure's exchanges decide.
                      SortCase{"EqualScores", Leaders({3.0, 3.0, 2.0, 3.0}), {2, 1, 0, 3}},
                      SortCase{"NegativeBeforePositive", Leaders({3.0, -1.0, 0}), {1, 0, 2}},
                      SortCase{"AllUnraced", Leaders({0, 0, 0}), {0, 1, 2}}),
    [](const auto& info) { return info.param.name; });

TEST(SortLeaders, SortsOnlyTheGivenRangeAndToleratesBadBounds) {
  TLeaders leaders = Leaders({5, 4, 3, 2, 1});
  SortLeaders(leaders, 1, 3);
  EXPECT_EQ(Order(leaders), (TIntArray{0, 3, 2, 1, 4}));
  SortLeaders(leaders, -3, 99);
  EXPECT_EQ(Order(leaders), (TIntArray{4, 3, 2, 1, 0}));
  TLeaders empty;
  SortLeaders(empty, 0, -1);
  EXPECT_TRUE(empty.Items.empty());
}

}  // namespace
}  // namespace velmora
