#include <gtest/gtest.h>

#include "cli_runner.h"

namespace velmora {
namespace {

using testing::RunCli;

struct ScheduleCase {
  std::string name;
  std::vector<std::string> args;
  int status;
  std::string out;
};

class ScheduleCommand : public ::testing::TestWithParam<ScheduleCase> {};

TEST_P(ScheduleCommand, PrintsRealHeatsOrRefusesBadUsage) {
  const ScheduleCase& c = GetParam();
  std::vector<std::string> args{"schedule"};
  args.insert(args.end(), c.args.begin(), c.args.end());
  testing::CliResult r = RunCli(args);
  EXPECT_EQ(r.status, c.status) << r.err;
  EXPECT_EQ(r.out, c.out);
  if (c.status != 0) {
    EXPECT_FALSE(r.err.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScheduleCommand,
    ::testing::Values(
        ScheduleCase{"LaneRotation",
                     {"--generator", "lane-rotation", "--lanes", "3", "--entries", "1,2,3,4,5,6"},
                     0,
                     "1 2 3\n5 3 6\n3 1 5\n4 5 1\n2 6 4\n6 4 2\n"},
        ScheduleCase{
            "SeedChangesTheShuffle",
            {"--generator", "lane-rotation", "--lanes", "2", "--entries", "1,2,3", "--seed", "7"},
            0,
            "1 2\n2 3\n3 1\n"},
        ScheduleCase{"Stearns",
                     {"--generator", "stearns", "--lanes", "3", "--entries", "1,2,3,4,5,6"},
                     0,
                     "1 3 5\n2 4 6\n3 5 2\n4 6 3\n5 2 4\n6 3 5\n2 4 6\n"},
        ScheduleCase{"PerfectNWithEmptyLanes",
                     {"--generator", "perfect-n", "--lanes", "4", "--entries", "1,2,0,0"},
                     0,
                     "1 2 0 0\n2 0 0 1\n0 0 1 2\n0 1 2 0\n"},
        ScheduleCase{
            "ZeroRunsPrintsNothing",
            {"--generator", "perfect-n", "--lanes", "2", "--entries", "1,2", "--runs", "0"},
            0,
            ""},
        ScheduleCase{"UnknownGenerator",
                     {"--generator", "random", "--lanes", "3", "--entries", "1,2,3"},
                     2,
                     ""},
        ScheduleCase{
            "NineLanes", {"--generator", "stearns", "--lanes", "9", "--entries", "1,2,3"}, 2, ""},
        ScheduleCase{
            "BadEntry", {"--generator", "stearns", "--lanes", "3", "--entries", "1,two,3"}, 2, ""},
        ScheduleCase{"MissingEntries", {"--generator", "stearns", "--lanes", "3"}, 2, ""}),
    [](const auto& info) { return info.param.name; });

TEST(Cli, HelpDescribesTheCommands) {
  testing::CliResult r = RunCli({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("schedule"), std::string::npos);
  r = RunCli({"schedule", "--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("--generator"), std::string::npos);
  EXPECT_EQ(RunCli({}).status, 2);
  EXPECT_EQ(RunCli({"no-such-command"}).status, 2);
}

}  // namespace
}  // namespace velmora
