// The race file commands of velmora-cli, run as a separate program.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::string Data(const std::string& name) {
  return std::string(VELMORA_TEST_DATA_DIR) + "/storage/" + name;
}

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text)
    out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-cli-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string File(const std::string& name) const { return dir_ + "/" + name; }

  CliRun Cli(const std::string& args) const {
    std::string command = Quoted(VELMORA_CLI_PATH) + " " + args + " >" + Quoted(File("out.txt")) +
                          " 2>" + Quoted(File("err.txt"));
    int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadBytes(File("out.txt"));
    run.err = ReadBytes(File("err.txt"));
    return run;
  }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(File(name), std::ios::binary) << bytes;
  }

 private:
  std::string dir_;
};

TEST_F(CliTest, RoundsOfTheTwoLaneExample) {
  CliRun run = Cli("rounds " + Quoted(Data("two-lane.vsr")));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Round 1\n"
            "Heat 1 raced cars=1,2 times=2.5431,2.6102 places=1,2\n"
            "Heat 2 open cars=2,1 times=0,0 places=\n");
}

TEST_F(CliTest, StatsListTheStandingsBestFirst) {
  CliRun run = Cli("stats " + Quoted(Data("groups.vsr")));
  EXPECT_EQ(run.status, 0) << run.err;
  std::istringstream lines(run.out);
  std::string header;
  std::getline(lines, header);
  EXPECT_EQ(header,
            "Place\tCar\tCarName\tRacerName\tCarNumber\tGroup\tScore\tAverageTime\tFastestTime\t"
            "WorstTime\tCumulativeTime\tTotalPoints\tAveragePoints\tWins\tLosses");
  std::string row;
  int rows = 0;
  while (std::getline(lines, row)) {
    ++rows;
    EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), 14) << row;
    EXPECT_EQ(row.rfind(std::to_string(rows) + "\t", 0), 0u) << row;
  }
  EXPECT_EQ(rows, 4);
  // Points scoring: racer 3 won its only raced heat and leads.
  EXPECT_NE(run.out.find("\n1\t3\tDart\tCleo\t3\t1\t1\t"), std::string::npos) << run.out;
}

TEST_F(CliTest, ResaveKeepsEveryByte) {
  for (const char* fixture : {"two-lane.vsr", "groups.vsr", "imported.vsr"}) {
    CliRun run = Cli("resave " + Quoted(Data(fixture)) + " " + Quoted(File("copy")));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(File("copy.vsr")), ReadBytes(Data(fixture))) << fixture;
  }
}

TEST_F(CliTest, AnUnloadableFileFailsWithItsLine) {
  Write("short.vsr", "RACETYPE:LaneRotation\r\nRUNS:1\r\n");
  CliRun run = Cli("rounds " + Quoted(File("short.vsr")));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(run.err.find("error: Cannot load race file " + File("short.vsr") + ": line 3"),
            std::string::npos)
      << run.err;
}

TEST_F(CliTest, ImportSchedulePrintsHeatsOrItsMessage) {
  Write("good.vrs", "LANES:3\r\n1,2,3\r\n3,,1\r\n");
  CliRun good = Cli("import-schedule " + Quoted(File("good.vrs")));
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(good.out, "1 2 3\n3 1 1\n");

  Write("bad.vrs", "LANES:x\r\n1,2,3\r\n");
  CliRun bad = Cli("import-schedule " + Quoted(File("bad.vrs")));
  EXPECT_EQ(bad.status, 0);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err, "message: Invalid Race Schedule File\n");

  CliRun missing = Cli("import-schedule " + Quoted(File("none.vrs")));
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("error: "), std::string::npos);
}

TEST_F(CliTest, NewWritesTheRaceTheWizardWould) {
  CliRun run =
      Cli("new --lanes 2 --racers 2 --name 'Spring Derby' --organization 'Pack 12' "
          "--lane-names 'Red lane,Blue lane' --lane-colors FF0000,0000FF " +
          Quoted(File("spring")));
  ASSERT_EQ(run.status, 0) << run.err;
  std::string file = ReadBytes(File("spring.vsr"));
  EXPECT_EQ(file.substr(0, file.find("ROUND::")),
            ReadBytes(Data("two-lane.vsr")).substr(0, file.find("ROUND::")));
  EXPECT_NE(file.find("HEAT:1\r\nLANE:1:1:0\r\nLANE:2:2:0\r\nHEAT:2\r\nLANE:1:2:0\r\n"),
            std::string::npos);
  EXPECT_NE(file.find("RACER:2\r\nRACERNAME:\r\nCARNAME:\r\nCARNUMBER:2\r\nGROUP:-1\r\n\r\n"),
            std::string::npos);
}

TEST_F(CliTest, NewWithGroupsAndARacerList) {
  Write("field.vrl",
        "RACER:1\r\nRACERNAME:Ann\r\nCARNAME:Bolt\r\nCARNUMBER:11\r\n\r\n"
        "RACER:2\r\nRACERNAME:Ben\r\nCARNAME:Comet\r\nCARNUMBER:12\r\n\r\n"
        "RACER:3\r\nRACERNAME:Cleo\r\nCARNAME:Dart\r\nCARNUMBER:13\r\n\r\n"
        "RACER:4\r\nRACERNAME:Dan\r\nCARNAME:Echo\r\nCARNUMBER:14\r\n\r\n");
  CliRun run =
      Cli("new --lanes 2 --racer-list " + Quoted(File("field.vrl")) +
          " --racer-groups red,Blue,RED,blue --groups Red,Blue --group-method nointergroup "
          "--generator perfect-n --scoring points --vehicle Rockets --timer SmartLine "
          "--port /dev/ttyS3 " +
          Quoted(File("groups.vsr")));
  ASSERT_EQ(run.status, 0) << run.err;
  std::string file = ReadBytes(File("groups.vsr"));
  for (const char* line :
       {"RACETYPE:PerfectN\r\n", "SCORINGTYPE:Points\r\n", "GROUPSMETHOD:NoIntergroup\r\n",
        "VEHICLE:Rocket\r\n", "TIMERTYPE:SmartLine\r\n", "TIMERPORT:/dev/ttyS3\r\n",
        "GROUP:Red\r\nGROUP:Blue\r\nROUND::Red\r\n", "ROUND::Blue\r\n",
        "RACERNAME:Cleo\r\nCARNAME:Dart\r\nCARNUMBER:13\r\nGROUP:0\r\n"}) {
    EXPECT_NE(file.find(line), std::string::npos) << line;
  }
  CliRun rounds = Cli("rounds " + Quoted(File("groups.vsr")));
  EXPECT_EQ(rounds.out.rfind("Round 1 (Red)\n", 0), 0u) << rounds.out;
}

TEST_F(CliTest, NewThatCannotCreateWritesNothing) {
  CliRun tooFew = Cli("new --lanes 3 --racers 2 " + Quoted(File("few.vsr")));
  EXPECT_EQ(tooFew.status, 1);
  EXPECT_EQ(tooFew.err,
            "message: Number of racers must be greater than or equal to number of lanes\n");
  EXPECT_FALSE(std::filesystem::exists(File("few.vsr")));

  CliRun small = Cli("new --lanes 4 --racers 6 --racer-groups A,A,A,B,B,B --groups A,B " +
                     Quoted(File("small.vsr")));
  EXPECT_EQ(small.status, 1);
  EXPECT_EQ(small.err,
            "message: Error: Not enough Racers for Lane rotation\\n\\rRacer count must be equal to "
            "or greater than lane count.\n"
            "message: Error: Not enough Racers for Lane rotation\\n\\rRacer count must be equal to "
            "or greater than lane count.\n");
  EXPECT_FALSE(std::filesystem::exists(File("small.vsr")));

  CliRun runs = Cli("new --racers 3 --runs two " + Quoted(File("runs.vsr")));
  EXPECT_EQ(runs.status, 1);
  EXPECT_EQ(runs.err, "error: 'two' is not a valid integer value\n");
  EXPECT_FALSE(std::filesystem::exists(File("runs.vsr")));
}

TEST_F(CliTest, NewImportingASchedule) {
  Write("heats.vrs", "LANES:3\r\n1,2,3\r\n3,1,7\r\n");
  CliRun run =
      Cli("new --racers 3 --import " + Quoted(File("heats.vrs")) + " " + Quoted(File("imp.vsr")));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "message: Schedule names racer 7 but the race has 3 racers\n");
  CliRun rounds = Cli("rounds " + Quoted(File("imp.vsr")));
  EXPECT_EQ(rounds.out,
            "Round 1\nHeat 1 open cars=1,2,3 times=0,0,0 places=\n"
            "Heat 2 open cars=3,1,0 times=0,0,0 places=\n");
  EXPECT_NE(ReadBytes(File("imp.vsr")).find("RACETYPE:Imported\r\n"), std::string::npos);
}

}  // namespace
