// Whole reports of the fixture race against the files they must equal, byte
// for byte. Run with VELMORA_UPDATE_GOLDEN=1 to rewrite the files after a
// deliberate change (and read the difference before committing it).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>

#include "race_module.h"
#include "race_reports.h"
#include "report_fixture.h"

namespace velmora {
namespace {

using testing::FixtureRace;
using testing::kFixtureDate;
using testing::ReadBytes;
using testing::TempFolder;

struct GoldenCase {
  const char* golden;
  // Writes the report into the folder and returns the path it wrote.
  std::function<std::string(const RaceState&, const TempFolder&)> write;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
  *os << c.golden;
}

class GoldenReport : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenReport, MatchesGoldenFileWhole) {
  const GoldenCase& c = GetParam();
  TempFolder folder;
  ASSERT_FALSE(folder.Path().empty());
  std::string written = c.write(FixtureRace(), folder);
  std::string actual = ReadBytes(written);
  std::string goldenPath = std::string(VELMORA_TEST_DATA) + "/reports/" + c.golden;

  if (std::getenv("VELMORA_UPDATE_GOLDEN")) {
    std::ofstream(goldenPath, std::ios::binary) << actual;
  }
  std::string expected = ReadBytes(goldenPath);
  ASSERT_FALSE(expected.empty()) << "missing golden file " << goldenPath;
  EXPECT_EQ(actual.size(), expected.size());
  EXPECT_EQ(actual, expected);
}

RaceResultsOptions PlainResults() {
  RaceResultsOptions o;
  o.UseColor = false;
  o.ShowHeatTimes = false;
  o.ShowCarNumber = false;
  return o;
}

DetailedResultsOptions SomeColumns() {
  DetailedResultsOptions o;
  o.ShowRacerName = false;
  o.ShowCumulativeTime = false;
  o.ShowLosses = false;
  return o;
}

INSTANTIATE_TEST_SUITE_P(
    FixtureRace, GoldenReport,
    ::testing::Values(GoldenCase{"lane_statistics.htm",
                                 [](const RaceState& race, const TempFolder& f) {
                                   return WriteLaneStatistics(race, f.File("lanes"), kFixtureDate);
                                 }},
                      GoldenCase{"schedule_sheet.htm",
                                 [](const RaceState& race, const TempFolder& f) {
                                   return WriteScheduleSheet(race, f.File("schedule"));
                                 }},
                      GoldenCase{"race_results.htm",
                                 [](const RaceState& race, const TempFolder& f) {
                                   return WriteRaceResults(race, f.File("results"),
                                                           RaceResultsOptions{}, kFixtureDate);
                                 }},
                      GoldenCase{"race_results_plain.htm",
                                 [](const RaceState& race, const TempFolder& f) {
                                   return WriteRaceResults(race, f.File("results"), PlainResults(),
                                                           kFixtureDate);
                                 }},
                      GoldenCase{"detailed_results.htm",
                                 [](const RaceState& race, const TempFolder& f) {
                                   return WriteDetailedResults(race, f.File("detailed"),
                                                               DetailedResultsOptions{},
                                                               kFixtureDate);
                                 }},
                      GoldenCase{"detailed_results_some.htm",
                                 [](const RaceState& race, const TempFolder& f) {
                                   return WriteDetailedResults(race, f.File("detailed"),
                                                               SomeColumns(), kFixtureDate);
                                 }}),
    [](const ::testing::TestParamInfo<GoldenCase>& info) {
      std::string name = info.param.golden;
      name = name.substr(0, name.find('.'));
      return name;
    });

// The figures the fixture sets by hand are the ones the standings give, so
// the golden files show a race that can really happen.
TEST(FixtureRace, StatisticsAreThoseOfTheStandings) {
  RaceState computed = FixtureRace();
  ComputeStandings(computed);
  RaceState fixture = FixtureRace();
  for (int32_t i = 0; i < fixture.RacerCount; ++i) {
    const TCar& want = fixture.Cars.Items[i];
    const TCar& got = computed.Cars.Items[i];
    EXPECT_EQ(got.AverageTime, want.AverageTime) << want.CarName;
    EXPECT_EQ(got.CumulativeTime, want.CumulativeTime) << want.CarName;
    EXPECT_EQ(got.AveragePoints, want.AveragePoints) << want.CarName;
    EXPECT_EQ(got.Wins, want.Wins) << want.CarName;
    EXPECT_EQ(got.Losses, want.Losses) << want.CarName;
  }
  ASSERT_EQ(computed.Leaders.Items.size(), fixture.Leaders.Items.size());
  for (size_t k = 0; k < fixture.Leaders.Items.size(); ++k) {
    EXPECT_EQ(computed.Leaders.Items[k].CarIndex, fixture.Leaders.Items[k].CarIndex);
    EXPECT_EQ(computed.Leaders.Items[k].Score, fixture.Leaders.Items[k].Score);
  }
}

}  // namespace
}  // namespace velmora
