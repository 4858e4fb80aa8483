// velmora-cli report: a saved race written as each report, compared whole
// with the golden files of the report tests (the file holds the same race as
// their fixture), and the refusals.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "cli_runner.h"

namespace velmora {
namespace {

using testing::ReadWholeFile;
using testing::RunCli;

const std::string kData = std::string(VELMORA_TEST_DATA_DIR) + "/reports/";
const std::string kRace = kData + "derby.vsr";

class OutFolder {
 public:
  OutFolder() {
    char name[] = "/tmp/velmora-cli-report-XXXXXX";
    if (mkdtemp(name))
      path_ = name;
  }
  ~OutFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  OutFolder(const OutFolder&) = delete;
  OutFolder& operator=(const OutFolder&) = delete;
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  bool Empty() const { return std::filesystem::is_empty(path_); }

 private:
  std::string path_;
};

struct ReportCase {
  std::string name;
  std::vector<std::string> args;  // after "report KIND RACE OUT"
  std::string kind;
  std::string written;  // the file name the command must write into the folder
  std::string golden;
};

class ReportCommand : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ReportCommand, WritesTheReportAndPrintsItsPath) {
  const ReportCase& c = GetParam();
  OutFolder out;
  std::vector<std::string> args = {"report",           c.kind,   kRace,
                                   out.File("report"), "--date", "12/11/2026"};
  args.insert(args.end(), c.args.begin(), c.args.end());
  testing::CliResult r = RunCli(args);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, out.File(c.written) + "\n");
  std::string expected = ReadWholeFile(kData + c.golden);
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(ReadWholeFile(out.File(c.written)), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReportCommand,
    ::testing::Values(
        ReportCase{
            "LaneStatisticsKeepTheName", {}, "lane-statistics", "report", "lane_statistics.htm"},
        ReportCase{"ScheduleSheet", {}, "schedule-sheet", "report.htm", "schedule_sheet.htm"},
        ReportCase{"RaceResults", {}, "race-results", "report.htm", "race_results.htm"},
        ReportCase{"RaceResultsHidden",
                   {"--hide", "color,heat-times,car-number"},
                   "race-results",
                   "report.htm",
                   "race_results_plain.htm"},
        ReportCase{"DetailedResults", {}, "detailed-results", "report.htm", "detailed_results.htm"},
        ReportCase{"DetailedResultsHidden",
                   {"--hide", "racer-name,cumulative-time,losses"},
                   "detailed-results",
                   "report.htm",
                   "detailed_results_some.htm"}),
    [](const ::testing::TestParamInfo<ReportCase>& info) { return info.param.name; });

struct RefusalCase {
  std::string name;
  std::vector<std::string> args;  // after "report"; "OUT" stands for the output path
  int status;
  std::string errStart;
};

class ReportRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ReportRefusal, WritesNothing) {
  const RefusalCase& c = GetParam();
  OutFolder out;
  std::vector<std::string> args = {"report"};
  for (const std::string& a : c.args) {
    if (a == "OUT") {
      args.push_back(out.File("report"));
    } else if (a == "MISSING/OUT") {
      args.push_back(out.File("missing/report"));
    } else {
      args.push_back(a);
    }
  }
  testing::CliResult r = RunCli(args);
  EXPECT_EQ(r.status, c.status) << r.err;
  EXPECT_EQ(r.out, "");
  std::string errStart = c.errStart;
  if (errStart.find("MISSING/OUT") != std::string::npos) {
    errStart.replace(errStart.find("MISSING/OUT"), 11, out.File("missing/report"));
  }
  EXPECT_EQ(r.err.rfind(errStart, 0), 0u) << r.err;
  EXPECT_TRUE(out.Empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportRefusal,
    ::testing::Values(
        RefusalCase{"UnknownKind", {"awards", kRace, "OUT"}, 2, ""},
        RefusalCase{"ItemOfTheOtherReport",
                    {"race-results", kRace, "OUT", "--hide", "wins"},
                    2,
                    "error: --hide: 'wins' is not an item of race-results"},
        RefusalCase{"CumulativePointsHasNoColumn",
                    {"detailed-results", kRace, "OUT", "--hide", "average-time,cumulative-points"},
                    2,
                    "error: --hide: 'cumulative-points' is not an item of detailed-results"},
        RefusalCase{"NothingToHide",
                    {"lane-statistics", kRace, "OUT", "--hide", "color"},
                    2,
                    "error: --hide: lane-statistics has no items to hide"},
        RefusalCase{
            "MissingRaceFile", {"race-results", kData + "no-such-race.vsr", "OUT"}, 1, "error: "},
        RefusalCase{"UncreatableReport",
                    {"detailed-results", kRace, "MISSING/OUT"},
                    1,
                    "error: Cannot create file MISSING/OUT.htm"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(ReportCommand, DateDefaultsToToday) {
  OutFolder out;
  testing::CliResult r = RunCli({"report", "race-results", kRace, out.File("r.html")});
  ASSERT_EQ(r.status, 0) << r.err;
  std::string bytes = ReadWholeFile(out.File("r.html"));
  const std::string before = "<CENTER><FONT SIZE=2>Results generated: ";
  size_t at = bytes.find(before);
  ASSERT_NE(at, std::string::npos);
  size_t end = bytes.find("</FONT></CENTER><BR>\r\n", at);
  ASSERT_NE(end, std::string::npos);
  EXPECT_GT(end, at + before.size()) << "no date text";
}

}  // namespace
}  // namespace velmora
