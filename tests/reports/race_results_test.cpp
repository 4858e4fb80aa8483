// Race results: the lane cells under every option set, the heat label
// shades, the round headings and the standings table.
#include <gtest/gtest.h>

#include <algorithm>

#include "race_reports.h"
#include "report_fixture.h"

namespace velmora {
namespace {

using testing::Secs;

// Two lanes, one racer: heat 1 has the car in lane 1 (3.1 s) and lane 2
// empty.
RaceState OneCarRace() {
  RaceState race;
  race.RaceName = "R";
  race.LaneCount = 2;
  race.Lanes = {{"L1", 0x0000FF}, {"L2", 0x00FF00}};
  race.Cars.Items = {testing::Car("Ann", "Bolt", "7", -1)};
  race.RacerCount = 1;
  THeats round;
  round.Heats = {testing::Heat({1, 0}, {Secs(31000), Secs(0)}, {2, 1}, true), THeat{}};
  race.Rounds = {round};
  race.RoundCount = 1;
  race.Leaders.Items = {{"Bolt", Secs(31000), 0}};
  return race;
}

// The lines that follow the label of the first heat: one cell per lane.
std::vector<std::string> FirstHeatCells(const std::vector<std::string>& lines, size_t lanes) {
  auto label = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.find("<STRONG>Heat 1</STRONG>") != std::string::npos;
  });
  if (label == lines.end() || lines.end() - label <= static_cast<long>(lanes))
    return {};
  return std::vector<std::string>(label + 1, label + 1 + static_cast<long>(lanes));
}

struct CellCase {
  const char* name;
  RaceResultsOptions options;
  const char* carCell;
};

void PrintTo(const CellCase& c, std::ostream* os) {
  *os << c.name;
}

RaceResultsOptions With(bool number, bool name, bool racer, bool times, bool color) {
  RaceResultsOptions o;
  o.ShowCarNumber = number;
  o.ShowCarName = name;
  o.ShowRacerName = racer;
  o.ShowHeatTimes = times;
  o.UseColor = color;
  return o;
}

class RaceResultsCell : public ::testing::TestWithParam<CellCase> {};

TEST_P(RaceResultsCell, CarCellFollowsOptionsAndEmptyLaneNeverChanges) {
  const CellCase& c = GetParam();
  std::vector<std::string> cells =
      FirstHeatCells(RaceResultsLines(OneCarRace(), c.options, "d"), 2);
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0], c.carCell);
  EXPECT_EQ(cells[1], "<TD ALIGN=CENTER BGCOLOR=\"#00FF00\">(none)<BR><STRONG>0</STRONG></TD>");
}

INSTANTIATE_TEST_SUITE_P(
    Options, RaceResultsCell,
    ::testing::Values(
        CellCase{"All", With(true, true, true, true, true),
                 "<TD ALIGN=CENTER BGCOLOR=\"#FF0000\"><STRONG>Bolt</STRONG> - "
                 "7<BR><STRONG>Ann</STRONG><BR>3.1s</TD>"},
        CellCase{"None", With(false, false, false, false, false), "<TD ALIGN=CENTER >"},
        CellCase{"NameOnly", With(false, true, false, false, false),
                 "<TD ALIGN=CENTER ><STRONG>Bolt</STRONG>"},
        CellCase{"NumberOnly", With(true, false, false, false, false), "<TD ALIGN=CENTER >7"},
        CellCase{"RacerOnly", With(false, false, true, false, false),
                 "<TD ALIGN=CENTER ><BR><STRONG>Ann</STRONG>"},
        CellCase{"NameAndRacer", With(false, true, true, false, false),
                 "<TD ALIGN=CENTER ><STRONG>Bolt</STRONG><BR><STRONG>Ann</STRONG>"},
        CellCase{"NumberAndTimes", With(true, false, false, true, false),
                 "<TD ALIGN=CENTER >7<BR>3.1s</TD>"},
        CellCase{"ColorAndTimes", With(false, false, false, true, true),
                 "<TD ALIGN=CENTER BGCOLOR=\"#FF0000\"><BR>3.1s</TD>"},
        CellCase{"ColorOnly", With(false, false, false, false, true),
                 "<TD ALIGN=CENTER BGCOLOR=\"#FF0000\">"}),
    [](const ::testing::TestParamInfo<CellCase>& info) { return std::string(info.param.name); });

// A heat read from a file is unraced when its first lane has no time, even
// if other lanes have one; the cell shows the time the heat holds. A heat
// whose times were never filled shows 0.
TEST(RaceResults, HeatTimeIsTheHeatsTimeEntryRacedOrNot) {
  RaceState race = OneCarRace();
  race.Cars.Items.push_back(testing::Car("Ben", "Comet", "8", -1));
  race.RacerCount = 2;
  race.Rounds[0].Heats[0] = testing::Heat({2, 1}, {Secs(0), Secs(34000)}, {}, false);
  std::vector<std::string> cells =
      FirstHeatCells(RaceResultsLines(race, RaceResultsOptions{}, "d"), 2);
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0],
            "<TD ALIGN=CENTER BGCOLOR=\"#FF0000\"><STRONG>Comet</STRONG> - "
            "8<BR><STRONG>Ben</STRONG><BR>0s</TD>");
  EXPECT_EQ(cells[1],
            "<TD ALIGN=CENTER BGCOLOR=\"#00FF00\"><STRONG>Bolt</STRONG> - "
            "7<BR><STRONG>Ann</STRONG><BR>3.4s</TD>");

  race.Rounds[0].Heats[0].Times.clear();
  cells = FirstHeatCells(RaceResultsLines(race, RaceResultsOptions{}, "d"), 2);
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_NE(cells[1].find("<BR>0s</TD>"), std::string::npos) << cells[1];
}

// Two rounds of three heats, one lane each.
RaceState TwoRoundsOfThree() {
  RaceState race = OneCarRace();
  race.LaneCount = 1;
  THeats round;
  for (int h = 0; h < 3; ++h)
    round.Heats.push_back(testing::Heat({1}, {Secs(0)}, {}, false));
  round.Heats.push_back(THeat{});
  race.Rounds = {round, round};
  race.RoundCount = 2;
  return race;
}

std::vector<std::string> HeatLabelShades(const std::vector<std::string>& lines) {
  std::vector<std::string> shades;
  for (const std::string& line : lines) {
    if (line.rfind("<TD BGCOLOR=", 0) == 0 && line.find("<STRONG>Heat ") != std::string::npos) {
      shades.push_back(line.substr(12, 7));
    }
  }
  return shades;
}

TEST(RaceResults, HeatShadesAlternateAcrossRounds) {
  RaceState race = TwoRoundsOfThree();
  std::vector<std::string> expected = {"#999999", "#CCCCCC", "#999999",
                                       "#CCCCCC", "#999999", "#CCCCCC"};
  EXPECT_EQ(HeatLabelShades(RaceResultsLines(race, RaceResultsOptions{}, "d")), expected);

  RaceResultsOptions noColor;
  noColor.UseColor = false;
  EXPECT_EQ(HeatLabelShades(RaceResultsLines(race, noColor, "d")),
            std::vector<std::string>(6, "#FFFFFF"));
}

TEST(RaceResults, RoundHeadingsOnlyWithMoreThanOneRound) {
  RaceState race = TwoRoundsOfThree();
  std::vector<std::string> lines = RaceResultsLines(race, RaceResultsOptions{}, "d");
  for (const char* heading : {"Round 1", "Round 2"}) {
    std::string line = std::string("<TD ALIGN=CENTER BGCOLOR=#CCCCCC COLSPAN=2><STRONG>") +
                       heading + "</STRONG></TD>";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 1) << heading;
  }

  lines = RaceResultsLines(OneCarRace(), RaceResultsOptions{}, "d");
  auto table = std::find(lines.begin(), lines.end(),
                         "<TABLE BORDER=1 CELLPADDING=2 CELLSPACING=0 ALIGN=CENTER>");
  ASSERT_LT(table + 3, lines.end());
  EXPECT_EQ(table[1], "<TR>");
  EXPECT_EQ(table[2], "<TR>");
  EXPECT_EQ(table[3], "<TD><STRONG>Lane</STRONG></TD>");
}

TEST(RaceResults, StandingsTableHasGroupColumnOnlyWithGroups) {
  RaceState race = testing::FixtureRace();
  auto groupHeads = [](const std::vector<std::string>& lines) {
    return std::count(lines.begin(), lines.end(),
                      "<TD BGCOLOR=#C0C0C0><STRONG>Group</STRONG></TD>");
  };
  EXPECT_EQ(groupHeads(RaceResultsLines(race, RaceResultsOptions{}, "d")), 1);
  SetGroupsMethod(race, GroupsMethod::NoGroups);
  std::vector<std::string> lines = RaceResultsLines(race, RaceResultsOptions{}, "d");
  EXPECT_EQ(groupHeads(lines), 0);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "<TD BGCOLOR=#C0C0C0>Tigers</TD>"), 0);

  RaceResultsOptions noAverages;
  noAverages.ShowAverageTimes = false;
  lines = RaceResultsLines(race, noAverages, "d");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "<TD COLSPAN=2><STRONG>All</STRONG></TD>"), 0);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[lines.size() - 3], "<BR><BR>");
  EXPECT_EQ(lines[lines.size() - 2], "</BODY>");
  EXPECT_EQ(lines.back(), "</HTML>");
}

TEST(RaceResults, StandingsListOnlyTheRacersCounted) {
  RaceState race = OneCarRace();
  // Leaders left longer than RacerCount, e.g. by a larger earlier race.
  race.Leaders.Items.push_back({"Ghost", Secs(1), 7});
  std::vector<std::string> lines = RaceResultsLines(race, RaceResultsOptions{}, "d");
  EXPECT_EQ(
      std::count(lines.begin(), lines.end(), "<TD BGCOLOR=#C0C0C0><STRONG>Bolt</STRONG></TD>"), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "<TD BGCOLOR=#FFFF00>3.1</TD>"), 1);
  EXPECT_EQ(
      std::count_if(lines.begin(), lines.end(),
                    [](const std::string& l) { return l.find("Ghost") != std::string::npos; }),
      0);
}

}  // namespace
}  // namespace velmora
