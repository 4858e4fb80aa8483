#include "race_schedule.h"

#include <gtest/gtest.h>

#include "errors.h"
#include "recording_notifier.h"
#include "schedule_import.h"
#include "storage_test_util.h"

namespace velmora {
namespace {

using testing::RecordingNotifier;
using testing::ScratchDir;
using testing::WriteBytes;

std::vector<TIntArray> RealHeats(const THeats& round) {
  std::vector<TIntArray> heats;
  for (int32_t h = 0; h < HeatCount(round); ++h)
    heats.push_back(round.Heats[h].LaneCars);
  return heats;
}

struct ScheduleCase {
  const char* name;
  const char* bytes;
  std::vector<TIntArray> heats;
  bool invalid = false;
};

std::ostream& operator<<(std::ostream& out, const ScheduleCase& c) {
  return out << c.name;
}

class ImportScheduleCases : public ::testing::TestWithParam<ScheduleCase> {};

TEST_P(ImportScheduleCases, ReadsTheHeatsOfEachLine) {
  const ScheduleCase& c = GetParam();
  ScratchDir dir;
  WriteBytes(dir.File("s.vrs"), c.bytes);
  RecordingNotifier notifier;
  THeats round = ImportSchedule(dir.File("s.vrs"), notifier);
  EXPECT_EQ(RealHeats(round), c.heats);
  EXPECT_EQ(round.Name, "");
  ASSERT_FALSE(round.Heats.empty());
  EXPECT_TRUE(round.Heats.back().LaneCars.empty());  // the spare heat
  for (int32_t h = 0; h < HeatCount(round); ++h) {
    EXPECT_EQ(round.Heats[h].Times.size(), round.Heats[h].LaneCars.size());
    EXPECT_FALSE(round.Heats[h].Raced);
  }
  if (c.invalid) {
    EXPECT_EQ(notifier.messages, (std::vector<std::string>{"Invalid Race Schedule File"}));
  } else {
    EXPECT_TRUE(notifier.messages.empty());
  }
}

const ScheduleCase kSchedules[] = {
    {"TwoHeats", "LANES:4\r\n1,2,3,4\r\n5,6,7,8\r\n", {{1, 2, 3, 4}, {5, 6, 7, 8}}},
    {"ZeroLanes", "LANES:0\r\n1,2\r\n", {}, true},
    {"LanesNotANumber", "LANES:x\r\n1,2\r\n", {}, true},
    {"EmptyFile", "", {}, true},
    {"NegativeLanes", "LANES:-2\r\n1,2\r\n", {}, true},
    {"AbsurdLaneCount", "LANES:99999\r\n1\r\n", {}, true},
    {"AnyKeyword", "XYZ:4\n1,2,3,4\n", {{1, 2, 3, 4}}},
    {"SeveralDigits", "LANES:10\r\n1,2,3,4,5,6,7,8,9,10\r\n", {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}},
    {"EmptyFieldIsFirstRacer", "LANES:3\r\n3,,5\r\n", {{3, 1, 5}}},
    {"ShortLineIsFirstRacer", "LANES:3\r\n3,5\r\n", {{3, 5, 1}}},
    {"ExtraEntriesIgnored", "LANES:4\r\n1,2,3,4,5\r\n", {{1, 2, 3, 4}}},
    {"TrailingComma", "LANES:3\r\n1,2,\r\n", {{1, 2, 1}}},
    {"LeadingBlanksTrailingBlanks", "LANES:3\r\n 2, 3 ,x\r\n", {{2, 1, 1}}},
    {"EmptyLineIsAHeatOfFirstRacers", "LANES:2\r\n\r\n3,4\r\n", {{1, 1}, {3, 4}}},
    {"CrOnlyNoFinalEnd", "LANES:2\r1,2\r2,1", {{1, 2}, {2, 1}}},
    {"HeaderOnly", "LANES:3\r\n", {}},
    {"EntriesAreNotChecked", "LANES:2\r\n0,-4\r\n", {{0, -4}}},
};

INSTANTIATE_TEST_SUITE_P(Table, ImportScheduleCases, ::testing::ValuesIn(kSchedules),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ImportSchedule, AnUnreadableFileThrowsNamingIt) {
  RecordingNotifier notifier;
  try {
    ImportSchedule("/no/such/schedule.vrs", notifier);
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("/no/such/schedule.vrs"), std::string::npos);
  }
  EXPECT_THROW(ImportSchedule(VELMORA_TEST_DATA, notifier), FileError);  // a folder
  EXPECT_THROW(ReadScheduleLines(VELMORA_TEST_DATA), FileError);
  EXPECT_TRUE(notifier.messages.empty());
}

TEST(ImportSchedule, FittingToTheRaceEmptiesStrangersAndEvensLanes) {
  THeats round;
  round.Heats.resize(4);
  round.Heats[0].LaneCars = {1, 2, 3, 4, 5};  // wider than the track
  round.Heats[1].LaneCars = {9};              // narrower, and names racer 9
  round.Heats[2].LaneCars = {-1, 2, 7};
  std::optional<int32_t> first = FitScheduleToRace(round, 3, 4);
  EXPECT_EQ(first, 9);  // racer 5 sat on a lane that was dropped
  EXPECT_EQ(RealHeats(round), (std::vector<TIntArray>{{1, 2, 3}, {0, 0, 0}, {0, 2, 0}}));
  for (int32_t h = 0; h < 3; ++h)
    EXPECT_EQ(round.Heats[h].Times.size(), 3u);
  EXPECT_TRUE(round.Heats[3].LaneCars.empty());

  THeats fine;
  fine.Heats.resize(2);
  fine.Heats[0].LaneCars = {0, 4};
  EXPECT_FALSE(FitScheduleToRace(fine, 2, 4).has_value());
}

}  // namespace
}  // namespace velmora
