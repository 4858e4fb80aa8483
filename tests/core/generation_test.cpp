#include "race_generation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace velmora {
namespace {

using Rows = std::vector<TIntArray>;

Rows RealHeats(const THeats& round) {
  Rows rows;
  for (int32_t h = 0; h < HeatCount(round); ++h)
    rows.push_back(round.Heats[h].LaneCars);
  return rows;
}

// Every generated round ends with exactly one spare heat and has lanes-wide
// real heats whose times are zero and which are not raced.
void ExpectWellFormed(const THeats& round, int32_t lanes) {
  ASSERT_FALSE(round.Heats.empty());
  EXPECT_TRUE(round.Heats.back().LaneCars.empty());
  EXPECT_TRUE(round.Heats.back().Times.empty());
  EXPECT_TRUE(round.Name.empty());
  for (int32_t h = 0; h < HeatCount(round); ++h) {
    const THeat& heat = round.Heats[h];
    EXPECT_EQ(heat.LaneCars.size(), static_cast<size_t>(lanes));
    EXPECT_EQ(heat.Times, std::vector<Currency>(lanes));
    EXPECT_TRUE(heat.Places.empty());
    EXPECT_FALSE(heat.Raced);
  }
}

TEST(RandomDraw, FollowsTheLinearCongruentialState) {
  RaceRandom random;
  std::vector<int32_t> draws;
  for (int i = 0; i < 6; ++i)
    draws.push_back(random.RandomDraw(5));
  EXPECT_EQ(draws, (std::vector<int32_t>{0, 0, 4, 1, 1, 3}));
  RaceRandom other;
  EXPECT_EQ(other.RandomDraw(0), 0);
  EXPECT_EQ(other.RandomSeed, 1u);  // a draw of 0 still advances the state
}

struct GeneratorCase {
  std::string name;
  char generator;  // 'L' lane rotation, 'S' Stearns, 'P' Perfect N
  TIntArray entries;
  int32_t lanes;
  int32_t runs;
  Rows expected;
};

THeats Generate(const GeneratorCase& c, RaceRandom& random) {
  switch (c.generator) {
    case 'L':
      return GenerateLaneRotation(c.entries, c.lanes, c.runs, random);
    case 'S':
      return GenerateStearns(c.entries, c.lanes, c.runs);
    default:
      return GeneratePerfectN(c.entries, c.lanes, c.runs);
  }
}

class GeneratorExamples : public ::testing::TestWithParam<GeneratorCase> {};

TEST_P(GeneratorExamples, GiveTheKnownRound) {
  const GeneratorCase& c = GetParam();
  RaceRandom fresh;
  THeats round = Generate(c, fresh);
  ExpectWellFormed(round, c.lanes);
  EXPECT_EQ(RealHeats(round), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Known, GeneratorExamples,
    ::testing::Values(
        GeneratorCase{"RotationFourOnFour",
                      'L',
                      {1, 2, 3, 4},
                      4,
                      1,
                      {{1, 2, 3, 4}, {2, 3, 4, 1}, {3, 4, 1, 2}, {4, 1, 2, 3}}},
        GeneratorCase{"RotationSixOnThree",
                      'L',
                      {1, 2, 3, 4, 5, 6},
                      3,
                      1,
                      {{1, 2, 3}, {5, 3, 6}, {3, 1, 5}, {4, 5, 1}, {2, 6, 4}, {6, 4, 2}}},
        GeneratorCase{
            "StearnsSixOnThree",
            'S',
            {1, 2, 3, 4, 5, 6},
            3,
            1,
            {{1, 3, 5}, {2, 4, 6}, {3, 5, 2}, {4, 6, 3}, {5, 2, 4}, {6, 3, 5}, {2, 4, 6}}},
        GeneratorCase{"PerfectNSixOnThree",
                      'P',
                      {1, 2, 3, 4, 5, 6},
                      3,
                      1,
                      {{1, 5, 3}, {2, 6, 4}, {3, 4, 5}, {4, 2, 6}, {5, 3, 1}, {6, 1, 2}}},
        GeneratorCase{"PerfectNFiveOnFour",
                      'P',
                      {1, 2, 3, 4, 5},
                      4,
                      1,
                      {{1, 2, 3, 4}, {2, 3, 4, 5}, {3, 4, 5, 1}, {4, 5, 1, 2}, {5, 1, 2, 3}}},
        // A list shorter than the lanes repeats lane 0's sequence in the
        // extra lanes; Perfect N turns the repeats into empty lanes.
        GeneratorCase{"RotationTwoOnThree", 'L', {1, 2}, 3, 1, {{1, 2, 1}, {2, 1, 2}}},
        GeneratorCase{"PerfectNTwoOnThree", 'P', {1, 2}, 3, 1, {{1, 2, 0}, {2, 1, 0}}},
        GeneratorCase{"StearnsTwoOnTwo", 'S', {1, 2}, 2, 1, {{1, 2}, {2, 2}, {2, 2}}},
        // Inputs without a defined round give only the spare heat.
        GeneratorCase{"StearnsOneEntry", 'S', {7}, 3, 1, {}},
        GeneratorCase{"StearnsNoEntries", 'S', {}, 3, 1, {}},
        GeneratorCase{"RotationNoEntries", 'L', {}, 3, 1, {}},
        GeneratorCase{"PerfectNNoEntries", 'P', {}, 3, 1, {}},
        GeneratorCase{"RotationZeroRuns", 'L', {1, 2, 3}, 3, 0, {}},
        GeneratorCase{"StearnsNegativeRuns", 'S', {1, 2, 3}, 3, -2, {}},
        GeneratorCase{"PerfectNZeroRuns", 'P', {1, 2, 3}, 3, 0, {}}),
    [](const auto& info) { return info.param.name; });

TEST(GenerateLaneRotation, DrawsOncePerLaneAndHeat) {
  RaceRandom random;
  GenerateLaneRotation({1, 2, 3, 4}, 4, 1, random);
  RaceRandom counted;
  for (int i = 0; i < 16; ++i)
    counted.RandomDraw(3);
  EXPECT_EQ(random.RandomSeed, counted.RandomSeed);
}

// Over a full rotation each lane keeps the rotation's multiset, and with at
// least as many entries as lanes no heat holds a racer twice.
TEST(GenerateLaneRotation, KeepsEveryLanesEntriesAndNeverDoublesARacer) {
  RaceRandom random;
  random.RandomSeed = 12345;
  for (int32_t lanes = 1; lanes <= 8; ++lanes) {
    for (int32_t runs = 1; runs <= 3; ++runs) {
      TIntArray entries = AllRacersList(11, lanes);
      THeats round = GenerateLaneRotation(entries, lanes, runs, random);
      ExpectWellFormed(round, lanes);
      ASSERT_EQ(HeatCount(round), runs * 11);
      for (int32_t lane = 0; lane < lanes; ++lane) {
        std::map<int32_t, int> counts;
        for (int32_t h = 0; h < HeatCount(round); ++h)
          ++counts[round.Heats[h].LaneCars[lane]];
        for (int32_t racer = 1; racer <= 11; ++racer)
          EXPECT_EQ(counts[racer], runs);
      }
      for (int32_t h = 0; h < HeatCount(round); ++h) {
        TIntArray cars = round.Heats[h].LaneCars;
        std::sort(cars.begin(), cars.end());
        EXPECT_EQ(std::adjacent_find(cars.begin(), cars.end()), cars.end());
      }
    }
  }
}

TEST(Generators, RunsTwoDoublesTheRound) {
  TIntArray entries{1, 2, 3, 4, 5, 6};
  RaceRandom random;
  EXPECT_EQ(HeatCount(GenerateLaneRotation(entries, 3, 2, random)), 12);
  EXPECT_EQ(HeatCount(GeneratePerfectN(entries, 3, 2)), 12);
  EXPECT_EQ(HeatCount(GenerateStearns(entries, 3, 2)), 12);
  // Stearns with two runs cycles twice through the same pattern.
  Rows stearns = RealHeats(GenerateStearns(entries, 3, 2));
  EXPECT_EQ(stearns[0], (TIntArray{1, 3, 5}));
  EXPECT_EQ(stearns[6], (TIntArray{2, 4, 6}));
  EXPECT_EQ(stearns[11], (TIntArray{2, 4, 6}));
}

TEST(GeneratePerfectN, NeverPutsARacerTwiceInAHeatAndIsDeterministic) {
  for (int32_t lanes = 1; lanes <= 8; ++lanes) {
    for (int32_t racers : {1, 3, 8, 13}) {
      TIntArray entries = AllRacersList(racers, lanes);
      THeats round = GeneratePerfectN(entries, lanes, 2);
      ExpectWellFormed(round, lanes);
      EXPECT_EQ(RealHeats(round), RealHeats(GeneratePerfectN(entries, lanes, 2)));
      for (int32_t h = 0; h < HeatCount(round); ++h) {
        TIntArray cars = round.Heats[h].LaneCars;
        cars.erase(std::remove(cars.begin(), cars.end(), 0), cars.end());
        std::sort(cars.begin(), cars.end());
        EXPECT_EQ(std::adjacent_find(cars.begin(), cars.end()), cars.end())
            << lanes << " lanes, " << racers << " racers, heat " << h;
      }
    }
  }
}

TEST(Generators, ZeroPaddingGivesEmptyLanes) {
  // Two racers on four lanes: the field list is padded with zeros.
  TIntArray entries = AllRacersList(2, 4);
  EXPECT_EQ(entries, (TIntArray{1, 2, 0, 0}));
  RaceRandom random;
  Rows heats = RealHeats(GenerateLaneRotation(entries, 4, 1, random));
  ASSERT_EQ(heats.size(), 4u);
  for (const TIntArray& heat : heats) {
    EXPECT_EQ(std::count(heat.begin(), heat.end(), 0), 2);
  }
}

TEST(Generators, LeaveTheCallersListAlone) {
  TIntArray entries{3, 1, 2};
  RaceRandom random;
  GenerateLaneRotation(entries, 3, 1, random);
  GeneratePerfectN(entries, 3, 1);
  GenerateStearns(entries, 3, 1);
  EXPECT_EQ(entries, (TIntArray{3, 1, 2}));
}

TEST(AllRacersList, PadsToTheLaneCountOnly) {
  EXPECT_EQ(AllRacersList(3, 3), (TIntArray{1, 2, 3}));
  EXPECT_EQ(AllRacersList(5, 3), (TIntArray{1, 2, 3, 4, 5}));
  EXPECT_EQ(AllRacersList(0, 2), (TIntArray{0, 0}));
  EXPECT_FALSE(ListContains({}, 0));
  EXPECT_TRUE(ListContains({4, 0}, 0));
}

}  // namespace
}  // namespace velmora
