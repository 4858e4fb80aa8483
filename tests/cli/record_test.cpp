#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::RunCli;

// A two-lane race of two heats; heat 1 is timed. Lines end with CR LF.
std::string RaceFile(const std::string& heat1, const std::string& heat2) {
  const char* lines[] = {"RACETYPE:LaneRotation",
                         "RUNS:1",
                         "SCORINGTYPE:AverageTime",
                         "IGNOREWORST:FALSE",
                         "GROUPSMETHOD:NoGroups",
                         "LANECOUNT:2",
                         "RACENAME:Spring Derby",
                         "ORGANIZATION:Pack 12",
                         "VEHICLE:Car",
                         "LOGO:",
                         "TIMERTYPE:No Timer",
                         "TIMERPORT:",
                         "PARPORT:888",
                         "LIGHTTREEENABLED:FALSE",
                         "LIGHTTREEEPINS:3:4:5:6:7:8",
                         "LIGHTTREEEDURATION:750",
                         "SOLENOIDENABLED:FALSE",
                         "SOLENOIDPIN:2",
                         "SOLENOIDDURATION:500",
                         "PARSENSORENABLED:FALSE",
                         "PARSENSORINVERT:FALSE",
                         "PARSENSORPINS:0:0:0:0:0",
                         "LANE:0:FF0000:Red lane",
                         "LANE:1:0000FF:Blue lane",
                         "ROUND::",
                         "HEAT:1"};
  std::string out;
  for (const char* l : lines)
    out += std::string(l) + "\r\n";
  out += heat1 + "HEAT:2\r\n" + heat2 + "\r\n";
  out += "RACER:1\r\nRACERNAME:Ann\r\nCARNAME:Bolt\r\nCARNUMBER:1\r\nGROUP:-1\r\n\r\n";
  out += "RACER:2\r\nRACERNAME:Ben\r\nCARNAME:Comet\r\nCARNUMBER:2\r\nGROUP:-1\r\n\r\n";
  return out;
}

const std::string kHeat1 = "LANE:1:1:2.5431\r\nLANE:2:2:2.6102\r\n";
const std::string kHeat2Open = "LANE:1:2:0\r\nLANE:2:1:0\r\n";

class RecordCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "record-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    race_ = (dir_ / "derby.vsr").string();
    std::ofstream(race_, std::ios::binary) << RaceFile(kHeat1, kHeat2Open);
  }
  void TearDown() override { fs::remove_all(dir_); }

  testing::CliResult Record(std::vector<std::string> args) {
    args.insert(args.begin(), {"record", race_});
    return RunCli(args);
  }

  fs::path dir_;
  std::string race_;
};

struct LinesCase {
  const char* name;
  std::vector<std::string> args;  // after RACE --round 1 --heat 2
  std::string heat2;              // the lane lines of heat 2 afterwards
  std::string err;                // what stderr holds
};

void PrintTo(const LinesCase& c, std::ostream* os) {
  *os << c.name;
}

class RecordHeat : public RecordCommand, public ::testing::WithParamInterface<LinesCase> {};

TEST_P(RecordHeat, WritesTheHeatAndSavesTheRace) {
  const LinesCase& c = GetParam();
  std::vector<std::string> args{"--round", "1", "--heat", "2"};
  args.insert(args.end(), c.args.begin(), c.args.end());
  testing::CliResult r = Record(args);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, c.err);
  EXPECT_EQ(ReadWholeFile(race_), RaceFile(kHeat1, c.heat2));
}

const std::string kMismatch = "message: Error: Timer does not match indicated Lane Count\n";

INSTANTIATE_TEST_SUITE_P(
    Kinds, RecordHeat,
    ::testing::Values(
        LinesCase{"TypedTimes", {"--times", "2.7, 2.81"}, "LANE:1:2:2.7\r\nLANE:2:1:2.81\r\n", ""},
        LinesCase{"MicroWizard",
                  {"--timer", "MicroWizard", "--line", "A=2.345! B=2.456\""},
                  "LANE:1:2:2.345\r\nLANE:2:1:2.456\r\n",
                  ""},
        LinesCase{"MicroWizardLineAlreadyEnded",
                  {"--timer", "MicroWizard", "--line", "A=2.345 B=2.456\r\n"},
                  "LANE:1:2:2.345\r\nLANE:2:1:2.456\r\n",
                  ""},
        // The second line records again with lane A's time read from position 2.
        LinesCase{"MicroWizardTwoLinesInOne",
                  {"--timer", "MicroWizard", "--line", "A=2.345 B=2.456\r\nB=3.000"},
                  "LANE:1:2:0\r\nLANE:2:1:3\r\n",
                  ""},
        LinesCase{"SmartLine",
                  {"--timer", "SmartLine", "--line", "rg\rA=2.9 B=2.8000"},
                  "LANE:1:2:0\r\nLANE:2:1:2.8\r\n",
                  ""},
        LinesCase{"TheJudge",
                  {"--timer", "TheJudge", "--line", "Number of Lanes: 2", "--line",
                   "Lane 2\t2.6543 ", "--line", "Lane 1  2.7654", "--line", "Race Over"},
                  "LANE:1:2:2.7654\r\nLANE:2:1:2.6543\r\n",
                  ""},
        LinesCase{"TheJudgeWithoutRaceOver",
                  {"--timer", "TheJudge", "--line", "Lane 1  2.7654", "--line", "Lane 2  2.6543"},
                  kHeat2Open,
                  ""},
        LinesCase{"TheJudgeOtherLaneCount",
                  {"--timer", "TheJudge", "--line", "Number of Lanes: 4", "--line",
                   "Lane 1  2.7654\r\nLane 3  1.0000\r\nRace Over"},
                  "LANE:1:2:2.7654\r\nLANE:2:1:0\r\n",
                  kMismatch},
        LinesCase{"NewBold",
                  {"--timer", "NewBold DTX000", "--line", "2 2.4567   1 2.1234"},
                  "LANE:1:2:2.1234\r\nLANE:2:1:2.4567\r\n",
                  ""},
        LinesCase{"NoTimerIgnoresLines",
                  {"--timer", "No Timer", "--line", "A=2.000 B=2.100"},
                  kHeat2Open,
                  ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecordCommand, OutWritesElsewhereAndLeavesTheRaceFile) {
  const std::string out = (dir_ / "after.vsr").string();
  testing::CliResult r = Record({"--round", "1", "--heat", "1", "--times", "3,2.9", "--out", out});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadWholeFile(race_), RaceFile(kHeat1, kHeat2Open));
  EXPECT_EQ(ReadWholeFile(out), RaceFile("LANE:1:1:3\r\nLANE:2:2:2.9\r\n", kHeat2Open));
}

TEST_F(RecordCommand, BadTimesAndHeatsChangeNothing) {
  struct Bad {
    std::vector<std::string> args;
    int status;
    std::string err;  // start of stderr
  };
  const std::vector<Bad> cases = {
      {{"--round", "1", "--heat", "2", "--times", "2.5,abc"}, 1, "message: Invalid Time: abc\n"},
      {{"--round", "1", "--heat", "2", "--times", "2.5"}, 1, "message: Invalid Time: \n"},
      {{"--round", "1", "--heat", "2", "--times", "-1,2"}, 1, "message: Invalid Time: -1\n"},
      {{"--round", "1", "--heat", "2", "--times", "2,3,4"}, 1, "error: "},
      {{"--round", "2", "--heat", "1", "--times", "2,3"}, 1, "error: "},
      {{"--round", "1", "--heat", "3", "--times", "2,3"}, 1, "error: "},
      {{"--round", "1", "--heat", "0", "--times", "2,3"}, 1, "error: "},
      {{"--round", "1", "--heat", "1", "--times", "2,3", "--timer", "MicroWizard"}, 2, ""},
      {{"--round", "1", "--heat", "1", "--timer", "MicroWizard"}, 2, ""},
      {{"--round", "1", "--heat", "1", "--line", "A=1.000"}, 2, ""},
      {{"--round", "1", "--heat", "1", "--timer", "Microwizard", "--line", "A=1"}, 2, ""},
      {{"--round", "1", "--heat", "1"}, 2, ""},
  };
  for (const Bad& c : cases) {
    std::string joined;
    for (const std::string& a : c.args)
      joined += a + " ";
    SCOPED_TRACE(joined);
    testing::CliResult r = Record(c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << r.err;
    EXPECT_FALSE(r.err.empty());
    EXPECT_EQ(ReadWholeFile(race_), RaceFile(kHeat1, kHeat2Open));
  }
}

TEST_F(RecordCommand, EachLineOptionTakesOneValue) {
  // The race file may come after the lines.
  testing::CliResult r = RunCli({"record", "--round", "1", "--heat", "2", "--timer", "TheJudge",
                                 "--line", "Lane 1  2.7654", "--line", "Race Over", race_});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadWholeFile(race_), RaceFile(kHeat1, "LANE:1:2:2.7654\r\nLANE:2:1:0\r\n"));
}

TEST_F(RecordCommand, MissingRaceFileFails) {
  testing::CliResult r = RunCli(
      {"record", (dir_ / "none.vsr").string(), "--round", "1", "--heat", "1", "--times", "1,2"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("none.vsr"), std::string::npos) << r.err;
}

TEST_F(RecordCommand, RecordingTheLastHeatRunsTheCompletionCheck) {
  // Bolt 2.5431 + 2.6102 and Comet 2.6102 + 2.5431: equal averages, a tie.
  testing::CliResult r = Record({"--round", "1", "--heat", "2", "--times", "2.5431,2.6102"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::string saved = ReadWholeFile(race_);
  EXPECT_NE(saved.find("LANE:1:2:2.5431\r\nLANE:2:1:2.6102\r\nROUND::Tie Breakers\r\n"),
            std::string::npos)
      << saved;
}

}  // namespace
}  // namespace velmora
