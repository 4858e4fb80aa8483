// Detailed results: which columns each option brings, in which order, and
// the group column.
#include <gtest/gtest.h>

#include "race_reports.h"
#include "report_fixture.h"

namespace velmora {
namespace {

using testing::Secs;

RaceState TwoRacerRace() {
  RaceState race;
  race.RaceName = "R";
  race.Cars.Items = {testing::Car("Ann", "Bolt", "7", 1), testing::Car("Ben", "Comet", "8", 5),
                     testing::Car("Spare", "Spare", "0", 0)};
  race.RacerCount = 2;
  testing::SetResults(race.Cars.Items[0], 32145, 64290, 15000, 30000, 1, 1);
  testing::SetResults(race.Cars.Items[1], 30000, 90000, 16667, 50000, 2, 1);
  race.GroupNames = {"Tigers", "Bears"};
  return race;
}

// The table part of the report: from the header row to the last racer row.
std::vector<std::string> TableLines(const RaceState& race, const DetailedResultsOptions& o) {
  std::vector<std::string> lines = DetailedResultsLines(race, o, "d");
  if (lines.size() < 9)
    return {};
  return std::vector<std::string>(lines.begin() + 7, lines.end() - 2);
}

DetailedResultsOptions NoColumns() {
  DetailedResultsOptions o;
  o.ShowCarName = o.ShowRacerName = o.ShowCarNumber = o.ShowAverageTime = false;
  o.ShowCumulativeTime = o.ShowAveragePoints = o.ShowWins = o.ShowLosses = false;
  return o;
}

struct ColumnCase {
  const char* name;
  bool DetailedResultsOptions::*flag;
  const char* header;
  const char* first;   // the first racer's cell
  const char* second;  // the second racer's cell
};

void PrintTo(const ColumnCase& c, std::ostream* os) {
  *os << c.name;
}

class DetailedColumn : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(DetailedColumn, OneOptionGivesItsOwnColumn) {
  const ColumnCase& c = GetParam();
  DetailedResultsOptions o = NoColumns();
  o.*c.flag = true;
  std::vector<std::string> expected = {"<TR>",  c.header, "</TR>",  "<TR>", c.first,
                                       "</TR>", "<TR>",   c.second, "</TR>"};
  EXPECT_EQ(TableLines(TwoRacerRace(), o), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, DetailedColumn,
    ::testing::Values(
        ColumnCase{"CarName", &DetailedResultsOptions::ShowCarName,
                   "<TD><STRONG>Car Name</STRONG></TD>", "<TD>Bolt</TD>", "<TD>Comet</TD>"},
        ColumnCase{"RacerName", &DetailedResultsOptions::ShowRacerName,
                   "<TD><STRONG>Racer Name</STRONG></TD>", "<TD>Ann</TD>", "<TD>Ben</TD>"},
        ColumnCase{"CarNumber", &DetailedResultsOptions::ShowCarNumber,
                   "<TD><STRONG>Car Number</STRONG></TD>", "<TD>7</TD>", "<TD>8</TD>"},
        ColumnCase{"AverageTime", &DetailedResultsOptions::ShowAverageTime,
                   "<TD><STRONG>Average Time</STRONG></TD>", "<TD>3.2145</TD>", "<TD>3</TD>"},
        ColumnCase{"CumulativeTime", &DetailedResultsOptions::ShowCumulativeTime,
                   "<TD><STRONG>Cumulative Time</STRONG></TD>", "<TD>6.429</TD>", "<TD>9</TD>"},
        ColumnCase{"AveragePoints", &DetailedResultsOptions::ShowAveragePoints,
                   "<TD><STRONG>Average Points</STRONG></TD>", "<TD>1.5</TD>", "<TD>1.6667</TD>"},
        ColumnCase{"Wins", &DetailedResultsOptions::ShowWins, "<TD><STRONG>Wins</STRONG></TD>",
                   "<TD>1</TD>", "<TD>2</TD>"},
        ColumnCase{"Losses", &DetailedResultsOptions::ShowLosses,
                   "<TD><STRONG>Losses</STRONG></TD>", "<TD>1</TD>", "<TD>1</TD>"}),
    [](const ::testing::TestParamInfo<ColumnCase>& info) { return std::string(info.param.name); });

TEST(DetailedResults, NoColumnsAndNoGroupsGiveEmptyRows) {
  std::vector<std::string> expected = {"<TR>", "</TR>", "<TR>", "</TR>", "<TR>", "</TR>"};
  EXPECT_EQ(TableLines(TwoRacerRace(), NoColumns()), expected);
}

TEST(DetailedResults, GroupColumnComesLastAndInvalidGroupIsEmpty) {
  RaceState race = TwoRacerRace();
  SetGroupsMethod(race, GroupsMethod::NoIntergroup);
  DetailedResultsOptions o = NoColumns();
  o.ShowLosses = true;
  std::vector<std::string> expected = {"<TR>",
                                       "<TD><STRONG>Losses</STRONG></TD>",
                                       "<TD><STRONG>Group</STRONG></TD>",
                                       "</TR>",
                                       "<TR>",
                                       "<TD>1</TD>",
                                       "<TD>Bears</TD>",
                                       "</TR>",
                                       "<TR>",
                                       "<TD>1</TD>",
                                       "<TD></TD>",  // group 5 is not among the two names
                                       "</TR>"};
  EXPECT_EQ(TableLines(race, o), expected);
}

TEST(DetailedResults, HeadingsAndEndOfPage) {
  RaceState race = TwoRacerRace();
  race.RaceName = "Fall <Cup>";
  race.Organization = "Pack \"9\"";
  std::vector<std::string> lines = DetailedResultsLines(race, NoColumns(), "1.2.2026");
  std::vector<std::string> head(lines.begin(), lines.begin() + 8);
  std::vector<std::string> expected = {
      "<HTML>",
      "<HEAD><TITLE>Detailed Race results for: Fall &lt;Cup&gt;</TITLE></HEAD>",
      "<BODY>",
      "<BR><CENTER><FONT SIZE=18>Detailed Race Results for: Fall &lt;Cup&gt;</FONT></CENTER>",
      "<CENTER><FONT SIZE=5>Pack &quot;9&quot;</FONT></CENTER>",
      "<CENTER><FONT SIZE=4>Detailed Results generated: 1.2.2026</FONT></CENTER><BR>",
      "<TABLE BORDER=1 CELLPADDING=2 CELLSPACING=0 ALIGN=CENTER>",
      "<TR>"};
  EXPECT_EQ(head, expected);
  EXPECT_EQ(lines[lines.size() - 2], "</BODY>");
  EXPECT_EQ(lines.back(), "</HTML>");
}

}  // namespace
}  // namespace velmora
