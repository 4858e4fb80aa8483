// Where the reports go, how a failed write is reported, and what an empty or
// damaged race gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "errors.h"
#include "race_reports.h"
#include "report_fixture.h"

namespace velmora {
namespace {

using testing::FileExists;
using testing::ReadBytes;
using testing::TempFolder;

struct NameCase {
  const char* chosen;
  const char* written;
};

void PrintTo(const NameCase& c, std::ostream* os) {
  *os << c.chosen;
}

class HtmlName : public ::testing::TestWithParam<NameCase> {};

TEST_P(HtmlName, AppendsHtmUnlessExtensionIsExactlyHtmOrHtml) {
  EXPECT_EQ(HtmlReportFileName(GetParam().chosen), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Names, HtmlName,
                         ::testing::Values(NameCase{"report", "report.htm"},
                                           NameCase{"report.htm", "report.htm"},
                                           NameCase{"report.html", "report.html"},
                                           NameCase{"results.HTM", "results.HTM.htm"},
                                           NameCase{"results.txt", "results.txt.htm"},
                                           NameCase{"report.htm.bak", "report.htm.bak.htm"},
                                           NameCase{"report.", "report..htm"},
                                           NameCase{"/tmp/x.html/report", "/tmp/x.html/report.htm"},
                                           NameCase{"/tmp/x/r.html", "/tmp/x/r.html"}));

TEST(ReportFiles, WritersNameTheFileTheyWroteAndOverwrite) {
  TempFolder folder;
  RaceState race = testing::FixtureRace();
  std::string chosen = folder.File("report");
  { std::ofstream(chosen + ".htm") << "old contents that are longer than nothing"; }

  EXPECT_EQ(WriteScheduleSheet(race, chosen), chosen + ".htm");
  EXPECT_EQ(ReadBytes(chosen + ".htm").rfind("<HTML>\r\n<TABLE", 0), 0u);
  EXPECT_EQ(WriteRaceResults(race, chosen, RaceResultsOptions{}, "d"), chosen + ".htm");
  EXPECT_EQ(WriteDetailedResults(race, chosen + ".html", DetailedResultsOptions{}, "d"),
            chosen + ".html");
  // Lane statistics keep the chosen name as it is.
  EXPECT_EQ(WriteLaneStatistics(race, chosen, "d"), chosen);
  std::string bytes = ReadBytes(chosen);
  EXPECT_EQ(bytes.rfind("<HTML>\r\n<BODY>\r\n", 0), 0u);
  EXPECT_EQ(bytes.substr(bytes.size() - 7), "</TR>\r\n");
}

TEST(ReportFiles, UncreatableFileFailsNamingThePath) {
  TempFolder folder;
  RaceState race = testing::FixtureRace();
  std::string missing = folder.File("no-such-folder/report");
  struct Attempt {
    std::function<void()> write;
    std::string path;
  };
  std::vector<Attempt> attempts = {
      {[&] { WriteLaneStatistics(race, missing, "d"); }, missing},
      {[&] { WriteScheduleSheet(race, missing); }, missing + ".htm"},
      {[&] { WriteRaceResults(race, missing, RaceResultsOptions{}, "d"); }, missing + ".htm"},
      {[&] { WriteDetailedResults(race, missing, DetailedResultsOptions{}, "d"); },
       missing + ".htm"},
  };
  for (const Attempt& a : attempts) {
    try {
      a.write();
      ADD_FAILURE() << "no error for " << a.path;
    } catch (const FileError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Cannot create file " + a.path, 0), 0u) << e.what();
    }
  }
  EXPECT_FALSE(FileExists(folder.File("no-such-folder")));
}

TEST(ReportFiles, EmptyRaceGivesHeadingsAndEmptyTables) {
  RaceState empty;
  std::vector<std::string> schedule = {
      "<HTML>", "<TABLE BORDER=1 CELLPADDING=2 CELLSPACING=0 ALIGN=CENTER>",
      "<TR>",   "<TD><STRONG>Lane</STRONG></TD>",
      "</TR>",  "</TABLE>"};
  EXPECT_EQ(ScheduleSheetLines(empty), schedule);

  std::vector<std::string> lanes = LaneStatisticsLines(empty, "d");
  ASSERT_EQ(lanes.size(), 17u);
  EXPECT_EQ(lanes[2], "<BR><CENTER><FONT SIZE=18>Lane Statistics for: </FONT></CENTER>");
  EXPECT_EQ(lanes.back(), "<TR>");

  std::vector<std::string> results = RaceResultsLines(empty, RaceResultsOptions{}, "d");
  std::vector<std::string> tail(results.begin() + 6, results.end());
  std::vector<std::string> expectedTail = {
      "<TABLE BORDER=1 CELLPADDING=2 CELLSPACING=0 ALIGN=CENTER>",
      "<TR>",
      "<TD COLSPAN=2><STRONG>All</STRONG></TD>",
      "</TR>",
      "<TR>",
      "<TD BGCOLOR=#C0C0C0><STRONG>Car</STRONG></TD>",
      "<TD BGCOLOR=#FFFF00><STRONG>Average Time</STRONG></TD>",
      "</TR>",
      "</TABLE>",
      "</BODY>",
      "</HTML>"};
  EXPECT_EQ(tail, expectedTail);

  EXPECT_EQ(DetailedResultsLines(empty, DetailedResultsOptions{}, "d").size(), 8u + 8u + 1u + 2u);
}

// Counts that promise more than the lists hold, car positions that name no
// racer and standings pointing nowhere: the reports stay within the lists
// (the sanitizer build checks the reads) and show such lanes as empty.
TEST(ReportFiles, DamagedRaceIsReadOnlyWithinItsLists) {
  RaceState race = testing::FixtureRace();
  race.LaneCount = 4;  // one lane more than Lanes and every heat hold
  race.RoundCount = 3;
  race.RacerCount = 9;
  race.Rounds[0].Heats[0].LaneCars = {1, 99, -3};
  race.Rounds[0].Heats[1].Times.clear();
  race.Leaders.Items.push_back({"Lost", testing::Secs(1), 42});
  race.Leaders.Items.push_back({"Negative", testing::Secs(1), -2});
  race.Cars.Items[0].Group = 2;

  std::vector<std::string> schedule = ScheduleSheetLines(race);
  EXPECT_NE(std::find(schedule.begin(), schedule.end(), "<TD ALIGN=CENTER>99</TD>"),
            schedule.end());
  std::vector<std::string> results = RaceResultsLines(race, RaceResultsOptions{}, "d");
  EXPECT_NE(std::find(results.begin(), results.end(),
                      "<TD ALIGN=CENTER BGCOLOR=\"#000000\">(none)<BR><STRONG>0</STRONG></TD>"),
            results.end());
  EXPECT_EQ(std::count(results.begin(), results.end(), "<TD BGCOLOR=#C0C0C0></TD>"), 3);
  EXPECT_FALSE(DetailedResultsLines(race, DetailedResultsOptions{}, "d").empty());
  EXPECT_EQ(ComputeLaneStatistics(race).size(), 4u);
}

}  // namespace
}  // namespace velmora
