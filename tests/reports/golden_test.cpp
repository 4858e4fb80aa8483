// Whole reports of the fixture race against the files they must equal, byte
// for byte. Run with VELMORA_UPDATE_GOLDEN=1 to rewrite the files after a
// deliberate change (and read the difference before committing it).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>

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

}  // namespace
}  // namespace velmora
