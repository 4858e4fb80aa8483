#include "race_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "errors.h"
#include "fields.h"
#include "recording_notifier.h"
#include "storage_test_util.h"

namespace velmora {
namespace {

using testing::CountingDisplays;
using testing::DataPath;
using testing::ReadBytes;
using testing::RecordingNotifier;
using testing::ScratchDir;
using testing::WriteBytes;

std::string Crlf(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines)
    bytes += line + "\r\n";
  return bytes;
}

struct Loaded {
  RaceState race;
  LoadedRaceView view;
  RecordingNotifier notifier;
  CountingDisplays displays;
};

void LoadInto(Loaded& out, const std::string& path) {
  RaceRandom random;
  out.view = LoadRace(out.race, path, random, out.notifier, out.displays);
}

TEST(RaceFile, TwoLaneExampleLoadsPlacesAndRanks) {
  Loaded l;
  LoadInto(l, DataPath("two-lane.vsr"));
  const RaceState& race = l.race;
  EXPECT_EQ(race.RaceName, "Spring Derby");
  EXPECT_EQ(race.LaneCount, 2);
  ASSERT_EQ(race.Lanes.size(), 2u);
  EXPECT_EQ(race.Lanes[0].Name, "Red lane");
  EXPECT_EQ(race.Lanes[0].Color, 0x0000FF);
  EXPECT_EQ(race.Lanes[1].Color, 0xFF0000);
  ASSERT_EQ(race.RoundCount, 1);
  ASSERT_EQ(race.Rounds[0].Heats.size(), 3u);  // two heats and the spare
  EXPECT_TRUE(race.Rounds[0].Heats[0].Raced);
  EXPECT_EQ(race.Rounds[0].Heats[0].Places, (TIntArray{1, 2}));
  EXPECT_FALSE(race.Rounds[0].Heats[1].Raced);
  EXPECT_EQ(race.RacerCount, 2);
  EXPECT_EQ(race.Cars.Items.size(), 2u);  // no spare car after a load
  EXPECT_EQ(race.Cars.Items[1].CarName, "Comet");
  EXPECT_EQ(race.Cars.Items[1].RacerName, "Ben");
  ASSERT_EQ(race.Leaders.Items.size(), 2u);
  EXPECT_EQ(race.Leaders.Items[0].CarIndex, 0);
  EXPECT_EQ(race.Cars.Items[0].AverageTime, Currency::FromRaw(25431));
  EXPECT_EQ(race.CurrentRound, 1);
  EXPECT_EQ(race.CurrentHeat, 1);
  EXPECT_EQ(race.TotalHeats, 2);
  EXPECT_EQ(l.displays.inits, 1);
  EXPECT_EQ(l.displays.refreshes, 1);
  EXPECT_TRUE(l.notifier.messages.empty());
  EXPECT_EQ(l.view.RaceTypeRadio, 0);
  EXPECT_EQ(l.view.ScoreCaption, "Avg Time");
  EXPECT_EQ(l.view.VehicleItem, 0);
  EXPECT_EQ(l.view.LanesItem, 1);
  EXPECT_EQ(l.view.TimerItem, 0);
  EXPECT_EQ(l.view.PortItem, 0);
  EXPECT_EQ(l.view.LightTreeTimeItem, 2);
  EXPECT_EQ(l.view.SolenoidDurationItem, 1);
}

class RaceFileRoundTrip : public ::testing::TestWithParam<const char*> {};

// Load, save, compare every byte; then load the saved file and save again.
TEST_P(RaceFileRoundTrip, SavingALoadedFileGivesTheSameBytes) {
  ScratchDir dir;
  const std::string original = ReadBytes(DataPath(GetParam()));
  Loaded first;
  LoadInto(first, DataPath(GetParam()));
  const std::string saved = SaveRace(first.race, dir.File("copy.vsr"));
  EXPECT_EQ(saved, dir.File("copy.vsr"));
  EXPECT_EQ(ReadBytes(saved), original);

  Loaded second;
  LoadInto(second, saved);
  EXPECT_EQ(RaceFileLines(second.race), RaceFileLines(first.race));
  EXPECT_EQ(second.race.Leaders.Items.size(), first.race.Leaders.Items.size());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RaceFileRoundTrip,
                         ::testing::Values("two-lane.vsr", "groups.vsr", "imported.vsr"));

TEST(RaceFile, RichHeaderReachesStateAndWizardView) {
  Loaded l;
  LoadInto(l, DataPath("groups.vsr"));
  const RaceState& race = l.race;
  EXPECT_EQ(race.RaceType, RaceType::PerfectN);
  EXPECT_EQ(race.Runs, 2);
  EXPECT_EQ(race.ScoringType, ScoringType::Points);
  EXPECT_TRUE(race.IgnoreWorst);
  EXPECT_EQ(race.GroupsMethod, GroupsMethod::NoIntergroup);
  EXPECT_TRUE(race.NoFinals);
  EXPECT_EQ(race.TimerKind, TimerKind::SmartLine);
  EXPECT_EQ(race.TimerPort, "/dev/ttyS1");
  EXPECT_EQ(race.ParallelPort, 632);
  EXPECT_EQ(race.LightTreePins, (std::array<int32_t, 6>{2, 4, 6, 8, 9, 3}));
  EXPECT_EQ(race.ParSensorPins, (std::array<int32_t, 5>{1, 2, 3, 4, 0}));
  EXPECT_EQ(race.GroupNames, (std::vector<std::string>{"Red", "Blue"}));
  EXPECT_EQ(race.Lanes[2].Name, "");
  EXPECT_EQ(race.Cars.Items[1].CarName, "Comet: the fast one");
  EXPECT_EQ(race.Cars.Items[1].CarNumber, "12b");
  EXPECT_EQ(race.Cars.Items[3].Group, -1);
  // After a load the last round is on show.
  EXPECT_EQ(race.CurrentRound, 2);
  EXPECT_EQ(race.TotalHeats, 2);
  EXPECT_EQ(race.Rounds[0].Name, "Red");
  EXPECT_TRUE(race.Rounds[0].Heats[1].Raced);  // raced although its first lane is 0

  const LoadedRaceView& v = l.view;
  EXPECT_EQ(v.RaceTypeRadio, 2);
  EXPECT_EQ(v.RunsText, "2");
  EXPECT_EQ(v.ScoringItem, 1);
  EXPECT_EQ(v.ScoreCaption, "Avg Pts");
  EXPECT_EQ(v.UseGroups, true);
  EXPECT_EQ(v.GroupsMethodItem, 2);
  EXPECT_EQ(v.GroupRows, race.GroupNames);
  EXPECT_EQ(v.VehicleItem, 2);
  EXPECT_EQ(v.TimerItem, 4);
  EXPECT_EQ(v.PortItem, 1);
  EXPECT_EQ(v.LightTreePinItems, (std::array<int, 6>{0, 2, 4, 6, 7, 1}));
  EXPECT_EQ(v.LightTreeTimeItem, 4);
  EXPECT_EQ(v.SolenoidPinItem, 7);
  EXPECT_EQ(v.SolenoidDurationItem, 6);
  EXPECT_EQ(v.SensorPinItems, (std::array<int, 5>{1, 2, 3, 4, 0}));
  ASSERT_EQ(v.LaneRows.size(), 3u);
  EXPECT_EQ(v.LaneRows[1], std::make_pair(std::string("Harbour side"), std::string("0080FF")));
  ASSERT_EQ(v.Racers.size(), 4u);
  EXPECT_EQ(v.Racers[2].Group, 1);
  EXPECT_EQ(v.Racers[0].RacerName, "Ann Lee");
}

TEST(RaceFile, SaveAppendsTheExtensionUnlessExactlyVsr) {
  EXPECT_EQ(RaceFilePath("derby"), "derby.vsr");
  EXPECT_EQ(RaceFilePath("derby.txt"), "derby.txt.vsr");
  EXPECT_EQ(RaceFilePath("race.VSR"), "race.VSR.vsr");
  EXPECT_EQ(RaceFilePath("dir.vsr/race"), "dir.vsr/race.vsr");
  EXPECT_EQ(RaceFilePath("a/race.vsr"), "a/race.vsr");
}

TEST(RaceFile, SavingOverAnExistingFileReplacesIt) {
  ScratchDir dir;
  WriteBytes(dir.File("r.vsr"), std::string(5000, 'x'));
  Loaded l;
  LoadInto(l, DataPath("two-lane.vsr"));
  SaveRace(l.race, dir.File("r.vsr"));
  EXPECT_EQ(ReadBytes(dir.File("r.vsr")), ReadBytes(DataPath("two-lane.vsr")));
}

// A line break typed into a name must not split its line: the rest of the
// file would shift and the race would not come back.
TEST(RaceFile, LineBreaksInNamesAreSavedAsSpaces) {
  ScratchDir dir;
  Loaded l;
  LoadInto(l, DataPath("two-lane.vsr"));
  l.race.RaceName = "Spring\r\nDerby";
  l.race.Cars.Items[0].CarName = "Bo\nlt";
  l.race.Lanes[1].Name = "Blue\rlane";
  SaveRace(l.race, dir.File("r.vsr"));
  Loaded back;
  LoadInto(back, dir.File("r.vsr"));
  EXPECT_EQ(back.race.RaceName, "Spring  Derby");
  EXPECT_EQ(back.race.Cars.Items[0].CarName, "Bo lt");
  EXPECT_EQ(back.race.Lanes[1].Name, "Blue lane");
  EXPECT_EQ(back.race.RacerCount, l.race.RacerCount);
  EXPECT_EQ(back.race.Rounds[0].Heats.size(), l.race.Rounds[0].Heats.size());
}

TEST(RaceFile, SaveIntoAMissingFolderFailsAndNamesTheFile) {
  Loaded l;
  LoadInto(l, DataPath("two-lane.vsr"));
  try {
    SaveRace(l.race, "/nonexistent-folder/r.vsr");
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent-folder/r.vsr"), std::string::npos);
  }
}

TEST(RaceFile, AFullyRacedTieGetsItsTieBreakerRoundOnLoad) {
  std::vector<std::string> lines = SplitLines(ReadBytes(DataPath("two-lane.vsr")));
  // Heat 2 raced with the times of heat 1 exchanged: both cars average the same.
  lines[29] = "LANE:1:2:2.5431";
  lines[30] = "LANE:2:1:2.6102";
  ScratchDir dir;
  WriteBytes(dir.File("tie.vsr"), Crlf(lines));
  Loaded l;
  LoadInto(l, dir.File("tie.vsr"));
  EXPECT_EQ(l.notifier.messages, (std::vector<std::string>{"0:1"}));
  ASSERT_EQ(l.race.RoundCount, 2);
  EXPECT_EQ(l.race.Rounds[1].Name, "Tie Breakers");
  EXPECT_EQ(l.race.CurrentRound, 1);  // set before the check added the round
}

// One malformed or odd file: the lines of the two-lane example changed by
// `edit`, then either refused (the message holds `refusal`) or loaded and
// checked by `check`.
struct OddFile {
  const char* name;
  std::function<void(std::vector<std::string>&)> edit;
  const char* refusal;  // nullptr: the file loads
  std::function<void(const RaceState&, const LoadedRaceView&)> check;
  const char* lineEnd = "\r\n";
};

std::ostream& operator<<(std::ostream& out, const OddFile& f) {
  return out << f.name;
}

class RaceFileOdd : public ::testing::TestWithParam<OddFile> {};

TEST_P(RaceFileOdd, IsReadOrRefusedAsAWhole) {
  const OddFile& odd = GetParam();
  std::vector<std::string> lines = SplitLines(ReadBytes(DataPath("two-lane.vsr")));
  odd.edit(lines);
  std::string bytes;
  for (const std::string& line : lines)
    bytes += line + odd.lineEnd;
  ScratchDir dir;
  WriteBytes(dir.File("odd.vsr"), bytes);

  // The race in memory before the load: the richer fixture.
  Loaded l;
  LoadInto(l, DataPath("groups.vsr"));
  const std::vector<std::string> before = RaceFileLines(l.race);
  const size_t carsBefore = l.race.Cars.Items.size();
  RaceRandom random;
  CountingDisplays displays;
  if (odd.refusal) {
    try {
      LoadRace(l.race, dir.File("odd.vsr"), random, l.notifier, displays);
      FAIL() << "loaded";
    } catch (const FileError& e) {
      std::string message = e.what();
      EXPECT_NE(message.find(dir.File("odd.vsr")), std::string::npos) << message;
      EXPECT_NE(message.find(odd.refusal), std::string::npos) << message;
    }
    EXPECT_EQ(RaceFileLines(l.race), before);
    EXPECT_EQ(l.race.Cars.Items.size(), carsBefore);
    EXPECT_EQ(displays.inits, 0);
  } else {
    LoadedRaceView view = LoadRace(l.race, dir.File("odd.vsr"), random, l.notifier, displays);
    odd.check(l.race, view);
  }
}

void Erase(std::vector<std::string>& lines, size_t at) {
  lines.erase(lines.begin() + at);
}

const OddFile kOddFiles[] = {
    {"EmptyFile", [](auto& lines) { lines.clear(); }, "line 1: the file ends inside the header",
     nullptr},
    {"ShortHeader", [](auto& lines) { lines.resize(21); },
     "line 22: the file ends inside the header", nullptr},
    {"RunsNotANumber", [](auto& lines) { lines[1] = "RUNS:two"; },
     "line 2: 'two' is not a valid integer value", nullptr},
    {"PinMissing", [](auto& lines) { lines[14] = "LIGHTTREEEPINS:3:4:5:6:7"; },
     "line 15: '' is not a valid integer value", nullptr},
    {"BadLaneColour", [](auto& lines) { lines[22] = "LANE:0:GG0000:Red lane"; },
     "line 23: '$GG' is not a valid integer value", nullptr},
    {"HeatBeforeRound", [](auto& lines) { Erase(lines, 24); },
     "line 25: HEAT before the first ROUND", nullptr},
    {"EndsInsideAHeat", [](auto& lines) { lines.resize(30); },
     "line 31: the file ends inside the lane lines of a heat", nullptr},
    {"RacerAboveCount", [](auto& lines) { lines[27] = "LANE:2:3:2.6102"; },
     "line 28: a heat names racer 3 but the file has 2 racers", nullptr},
    {"RacerBelowZero", [](auto& lines) { lines[29] = "LANE:1:-1:0"; },
     "line 30: a heat names racer -1", nullptr},
    {"RacerOfAMissingBlock",
     [](auto& lines) { lines.resize(38); },  // the second racer block is gone
     "a heat names racer 2 but the file has 1 racers", nullptr},
    {"MovedHeaderLine",
     [](auto& lines) {
       std::swap(lines[0], lines[1]);  // RUNS first, RACETYPE second
       lines[1] = "RACETYPE:Stearns";
       lines[0] = "RUNS:9";
     },
     nullptr,
     [](const RaceState& race, const LoadedRaceView& view) {
       // Line 0 lacks RACETYPE and line 1 lacks RUNS: both keep the values
       // of the race loaded before.
       EXPECT_EQ(race.RaceType, RaceType::PerfectN);
       EXPECT_EQ(race.Runs, 2);
       EXPECT_EQ(view.RaceTypeRadio, 2);
       EXPECT_FALSE(view.RunsText.has_value());
     }},
    {"KeyWithoutColon", [](auto& lines) { lines[6] = "RACENAME"; }, nullptr,
     [](const RaceState& race, const LoadedRaceView& view) {
       EXPECT_EQ(race.RaceName, "");
       EXPECT_EQ(view.RaceName, "");
     }},
    {"LaneInAGroupName",
     [](auto& lines) { lines.insert(lines.begin() + 24, "GROUP:xx00FF00xLANE"); }, nullptr,
     [](const RaceState& race, const LoadedRaceView&) {
       EXPECT_EQ(race.LaneCount, 3);
       EXPECT_EQ(race.Lanes[2].Name, "LANE");
       EXPECT_EQ(race.Lanes[2].Color, 0x00FF00);
       EXPECT_TRUE(race.GroupNames.empty());
       // Heats now read three lane lines each, so the heat section shifts.
       EXPECT_EQ(race.Rounds[0].Heats[0].LaneCars.size(), 3u);
     }},
    {"CrOnly", [](auto&) {}, nullptr,
     [](const RaceState& race, const LoadedRaceView&) {
       EXPECT_EQ(race.RacerCount, 2);
       EXPECT_EQ(race.Cars.Items[1].CarName, "Comet");
       EXPECT_TRUE(race.Rounds[0].Heats[0].Raced);
     },
     "\r"},
    {"LfOnly", [](auto&) {}, nullptr,
     [](const RaceState& race, const LoadedRaceView&) {
       EXPECT_EQ(race.RacerCount, 2);
       EXPECT_EQ(race.Lanes[1].Name, "Blue lane");
     },
     "\n"},
    {"RacerBlockWithoutGroupAndName",
     [](auto& lines) {
       lines[42] = "GROUP:0";
       Erase(lines, 42);  // GROUP of racer 2
       Erase(lines, 34);  // CARNAME of racer 1
     },
     nullptr,
     [](const RaceState& race, const LoadedRaceView&) {
       // Racer 1 lost its car name line: the car number line sits where the
       // car name was looked for and is not a car name.
       ASSERT_EQ(race.RacerCount, 2);
       EXPECT_EQ(race.Cars.Items[0].CarName, "");
       EXPECT_EQ(race.Cars.Items[0].CarNumber, "");
       EXPECT_EQ(race.Cars.Items[1].Group, -1);
       EXPECT_EQ(race.Cars.Items[1].CarName, "Comet");
     }},
    {"GroupNotANumber",
     [](auto& lines) {
       lines[36] = "GROUP:first";
       lines[42] = "GROUP:0";
       lines.insert(lines.begin() + 24, "GROUP:Red");
     },
     nullptr,
     [](const RaceState& race, const LoadedRaceView& view) {
       EXPECT_EQ(race.Cars.Items[0].Group, -1);
       EXPECT_EQ(race.Cars.Items[1].Group, 0);
       EXPECT_EQ(view.Racers[1].Group, 0);
     }},
    {"GroupBeyondTheGroups", [](auto& lines) { lines[42] = "GROUP:3"; }, nullptr,
     [](const RaceState& race, const LoadedRaceView& view) {
       EXPECT_EQ(race.Cars.Items[1].Group, -1);
       EXPECT_EQ(view.Racers[1].Group, -1);
     }},
    {"NineLanes",
     [](auto& lines) {
       for (int i = 2; i < 9; ++i) {
         lines.insert(lines.begin() + 22 + i, "LANE:" + std::to_string(i) + ":FFFFFF:x");
       }
     },
     "line 31: a track has at most 8 lanes", nullptr},
    {"RoundsWithoutLanes", [](auto& lines) { lines.erase(lines.begin() + 22, lines.begin() + 24); },
     "line 23: a round on a track without lane lines", nullptr},
    {"RaceTypeImported", [](auto& lines) { lines[0] = "RACETYPE:Imported"; }, nullptr,
     [](const RaceState& race, const LoadedRaceView& view) {
       EXPECT_EQ(race.RaceType, RaceType::Imported);
       EXPECT_FALSE(view.RaceTypeRadio.has_value());
     }},
    {"OddWordsAndCases",
     [](auto& lines) {
       lines[3] = "IGNOREWORST:yes";
       lines[4] = "GROUPSMETHOD:Everyone";
       lines[8] = "VEHICLE:Rockets";
       lines[10] = "TIMERTYPE:microWIZARD";
       lines[13] = "LIGHTTREEENABLED:yes";
       lines[12] = "PARPORT:1000";
       lines[2] = "SCORINGTYPE:CumulativeTime";
     },
     nullptr,
     [](const RaceState& race, const LoadedRaceView& view) {
       EXPECT_TRUE(race.IgnoreWorst);
       EXPECT_FALSE(race.LightTreeEnabled);
       EXPECT_EQ(race.GroupsMethod, GroupsMethod::NoGroups);
       EXPECT_EQ(view.UseGroups, false);
       EXPECT_EQ(view.VehicleItem, -1);
       EXPECT_EQ(race.TimerKind, TimerKind::MicroWizard);
       EXPECT_EQ(race.TimerType, "microWIZARD");
       EXPECT_EQ(view.TimerItem, 1);
       EXPECT_EQ(race.ParallelPort, 1000);
       EXPECT_FALSE(view.PortItem.has_value());
       EXPECT_EQ(race.ScoringType, ScoringType::CumulativeTime);
       EXPECT_EQ(view.ScoreCaption, "Avg");
       EXPECT_EQ(view.ScoringItem, 2);
     }},
    {"UnknownTimerKeepsKind", [](auto& lines) { lines[10] = "TIMERTYPE:Sundial"; }, nullptr,
     [](const RaceState& race, const LoadedRaceView& view) {
       EXPECT_EQ(race.TimerKind, TimerKind::SmartLine);  // of the race before
       EXPECT_EQ(race.TimerType, "Sundial");
       EXPECT_FALSE(view.TimerItem.has_value());
     }},
    {"NoRacersForTheHeats", [](auto& lines) { lines.resize(32); },
     "line 27: a heat names racer 1 but the file has 0 racers", nullptr},
    {"NoRoundsNoRacers", [](auto& lines) { lines.resize(24); }, nullptr,
     [](const RaceState& race, const LoadedRaceView&) {
       EXPECT_EQ(race.RoundCount, 0);
       EXPECT_EQ(race.RacerCount, 0);
       EXPECT_TRUE(race.Leaders.Items.empty());
     }},
    {"EmptyRoundName", [](auto& lines) { lines[24] = "ROUND:"; }, nullptr,
     [](const RaceState& race, const LoadedRaceView&) { EXPECT_EQ(race.Rounds[0].Name, ""); }},
    {"FirstLaneUntimed",
     [](auto& lines) {
       lines[26] = "LANE:1:1:0";
       lines[30] = "LANE:2:1:3";
     },
     nullptr,
     [](const RaceState& race, const LoadedRaceView&) {
       // Both heats count: any lane time above zero makes a heat raced.
       EXPECT_TRUE(race.Rounds[0].Heats[0].Raced);
       EXPECT_TRUE(race.Rounds[0].Heats[1].Raced);
       EXPECT_EQ(race.Rounds[0].Heats[0].Places, (TIntArray{2, 1}));
       EXPECT_EQ(race.Cars.Items[0].Wins, 1);
       EXPECT_EQ(race.Cars.Items[1].Wins, 1);
     }},
    {"TimeWithTrailingBlankAndGarbage",
     [](auto& lines) {
       lines[26] = "LANE:1:1:2.5 ";
       lines[27] = "LANE:2:2:fast";
     },
     nullptr,
     [](const RaceState& race, const LoadedRaceView&) {
       EXPECT_EQ(race.Rounds[0].Heats[0].Times,
                 (std::vector<Currency>{Currency::FromRaw(25000), Currency()}));
     }},
};

INSTANTIATE_TEST_SUITE_P(Table, RaceFileOdd, ::testing::ValuesIn(kOddFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RaceFile, NoRacerBlocksLeaveNoRacers) {
  std::vector<std::string> lines = SplitLines(ReadBytes(DataPath("two-lane.vsr")));
  lines.resize(24);
  lines.push_back("");
  lines.push_back("RACER:1");  // the last line: ignored
  ScratchDir dir;
  WriteBytes(dir.File("n.vsr"), Crlf(lines));
  Loaded l;
  LoadInto(l, dir.File("n.vsr"));
  EXPECT_EQ(l.race.RacerCount, 0);
  EXPECT_TRUE(l.view.Racers.empty());
}

TEST(RaceFile, MissingFileIsRefusedAndNamed) {
  Loaded l;
  LoadInto(l, DataPath("two-lane.vsr"));
  const std::vector<std::string> before = RaceFileLines(l.race);
  RaceRandom random;
  CountingDisplays displays;
  EXPECT_THROW(LoadRace(l.race, "/no/such/race.vsr", random, l.notifier, displays), FileError);
  EXPECT_EQ(RaceFileLines(l.race), before);
}

TEST(RaceFile, GroupsOfAnEarlierRaceDoNotSurviveAFileWithout) {
  Loaded l;
  LoadInto(l, DataPath("groups.vsr"));
  ASSERT_FALSE(l.race.GroupNames.empty());
  RaceRandom random;
  LoadedRaceView view = LoadRace(l.race, DataPath("two-lane.vsr"), random, l.notifier, l.displays);
  EXPECT_TRUE(l.race.GroupNames.empty());
  EXPECT_TRUE(view.GroupRows.empty());
}

}  // namespace
}  // namespace velmora
