// The figures of the lane statistics: which heats count, the sums, the
// extremes and the rounding of the average.
#include <gtest/gtest.h>

#include "race_reports.h"
#include "report_fixture.h"

namespace velmora {
namespace {

using testing::Secs;

struct LaneCase {
  const char* name;
  std::vector<int64_t> times;  // one heat each, in ten-thousandths
  int32_t totalHeats;
  int64_t cumulative, average, worst, best;
};

void PrintTo(const LaneCase& c, std::ostream* os) {
  *os << c.name;
}

// One lane, one round holding one heat per time; the heats alternate between
// raced and unraced, which must not matter.
RaceState OneLaneRace(const std::vector<int64_t>& times) {
  RaceState race;
  race.LaneCount = 1;
  race.Lanes = {{"Only", 0}};
  THeats round;
  for (size_t i = 0; i < times.size(); ++i) {
    round.Heats.push_back(testing::Heat({1}, {Secs(times[i])}, {1}, i % 2 == 0));
  }
  round.Heats.push_back(THeat{});
  race.Rounds = {round};
  race.RoundCount = 1;
  return race;
}

class LaneFigures : public ::testing::TestWithParam<LaneCase> {};

TEST_P(LaneFigures, CountSumAverageAndExtremes) {
  const LaneCase& c = GetParam();
  std::vector<LaneStatistics> stats = ComputeLaneStatistics(OneLaneRace(c.times));
  ASSERT_EQ(stats.size(), 1u);
  EXPECT_EQ(stats[0].TotalHeats, c.totalHeats);
  EXPECT_EQ(stats[0].CumulativeTime.Raw(), c.cumulative);
  EXPECT_EQ(stats[0].AverageTime.Raw(), c.average);
  EXPECT_EQ(stats[0].WorstTime.Raw(), c.worst);
  EXPECT_EQ(stats[0].BestTime.Raw(), c.best);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LaneFigures,
    ::testing::Values(
        // A heat without a time counts in no figure but the sum.
        LaneCase{"ZeroLeftOut", {31000, 0, 33000}, 2, 64000, 32000, 33000, 31000},
        // 5.00005 is an exact half: it goes to the even 5.0000.
        LaneCase{"HalfToEvenDown", {50000, 50001}, 2, 100001, 50000, 50001, 50000},
        // 5.00015 goes up to the even 5.0002.
        LaneCase{"HalfToEvenUp", {50001, 50002}, 2, 100003, 50002, 50002, 50001},
        LaneCase{"ThirdRoundsDown", {10000, 10000, 20000}, 3, 40000, 13333, 20000, 10000},
        LaneCase{"ThirdRoundsUp", {20000, 20000, 10000}, 3, 50000, 16667, 20000, 10000},
        LaneCase{"NoTimes", {0, 0}, 0, 0, 0, 0, 0}, LaneCase{"NoHeats", {}, 0, 0, 0, 0, 0},
        // A negative time is in the sum but is neither counted, worst nor best.
        LaneCase{"NegativeTime", {-10000, 30000}, 1, 20000, 20000, 30000, 30000},
        LaneCase{"OnlyNegative", {-20000}, 0, -20000, 0, 0, 0},
        LaneCase{
            "BestIsSmallestPositive", {32000, 29999, 0, 35000}, 3, 96999, 32333, 35000, 29999}),
    [](const ::testing::TestParamInfo<LaneCase>& info) { return std::string(info.param.name); });

TEST(LaneStatistics, WalksOnlyTheRealHeatsOfTheRoundsInUse) {
  RaceState race = OneLaneRace({30000});
  // The spare heat and a spare round after RoundCount hold times that must
  // not be counted.
  race.Rounds[0].Heats.back().Times = {Secs(90000)};
  THeats spareRound;
  spareRound.Heats = {testing::Heat({1}, {Secs(80000)}, {1}, true), THeat{}};
  race.Rounds.push_back(spareRound);
  // A second round in use, with a heat whose lists are shorter than the lanes.
  THeats second;
  second.Heats = {testing::Heat({1, 2}, {Secs(32000), Secs(1)}, {1, 2}, true),
                  testing::Heat({}, {}, {}, false), THeat{}};
  race.Rounds.insert(race.Rounds.begin() + 1, second);
  race.RoundCount = 2;

  std::vector<LaneStatistics> stats = ComputeLaneStatistics(race);
  ASSERT_EQ(stats.size(), 1u);
  EXPECT_EQ(stats[0].TotalHeats, 2);
  EXPECT_EQ(stats[0].CumulativeTime.Raw(), 62000);
  EXPECT_EQ(stats[0].WorstTime.Raw(), 32000);
}

TEST(LaneStatistics, FiguresAreWrittenAsTimeTexts) {
  std::vector<std::string> lines = LaneStatisticsLines(OneLaneRace({31000, 0, 33000}), "d");
  std::vector<std::string> row(lines.end() - 19, lines.end());
  std::vector<std::string> expected = {"<TD BGCOLOR=000000><STRONG>",
                                       "Only",
                                       "</STRONG></TD>",
                                       "<TD BGCOLOR=000000>",
                                       "2",
                                       "</TD>",
                                       "<TD BGCOLOR=000000>",
                                       "6.4",
                                       "</TD>",
                                       "<TD BGCOLOR=000000>",
                                       "3.2",
                                       "</TD>",
                                       "<TD BGCOLOR=000000>",
                                       "3.3",
                                       "</TD>",
                                       "<TD BGCOLOR=000000>",
                                       "3.1",
                                       "</TD>",
                                       "</TR>"};
  EXPECT_EQ(row, expected);
}

}  // namespace
}  // namespace velmora
