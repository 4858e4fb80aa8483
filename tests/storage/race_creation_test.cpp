#include "race_creation.h"

#include <gtest/gtest.h>

#include "errors.h"
#include "race_displays.h"
#include "race_file.h"
#include "race_generation.h"
#include "race_invariants.h"
#include "recording_notifier.h"
#include "storage_test_util.h"

namespace velmora {
namespace {

using testing::ReadBytes;
using testing::RecordingNotifier;
using testing::ScratchDir;
using testing::WriteBytes;

const char kConfirm[] =
    "Proceeding will erase all data from your previous race, do you want to proceed?";
const char kTooFew[] = "Number of racers must be greater than or equal to number of lanes";
const char kLaneRotationSmall[] =
    "Error: Not enough Racers for Lane rotation\n\rRacer count must be equal to or greater than "
    "lane count.";
const char kStearnsSmall[] =
    "Error: Not enough Racers for Lane rotation\n\rRacer count must be 3 greater than lane count.";

RaceSetup SetupOf(int racers, int lanes, const std::vector<std::string>& groups = {}) {
  RaceSetup setup;
  setup.LanesItem = lanes - 1;
  setup.LaneRows.assign(static_cast<size_t>(lanes), LaneRow());
  setup.RacerRows.clear();
  for (int i = 1; i <= racers; ++i) {
    RacerRow row{"Racer " + std::to_string(i), "Car " + std::to_string(i),
                 "Racer " + std::to_string(i), std::to_string(i), ""};
    if (static_cast<size_t>(i - 1) < groups.size())
      row.Group = groups[i - 1];
    setup.RacerRows.push_back(row);
  }
  setup.NextRacerRow = {"Racer " + std::to_string(racers + 1), "", "", std::to_string(racers + 1),
                        ""};
  return setup;
}

void UseGroups(RaceSetup& setup, std::vector<std::string> rows, int methodItem) {
  setup.UseGroups = true;
  setup.GroupRows = std::move(rows);
  setup.GroupsMethodItem = methodItem;
}

// A race to replace, made the usual way.
RaceState ExistingRace() {
  RaceState race;
  RaceRandom random;
  RecordingNotifier notifier;
  RaceSetup setup = SetupOf(5, 3);
  EXPECT_TRUE(CreateRace(race, setup, random, notifier).InitDisplays);
  NoRaceDisplays displays;
  InitRaceDisplays(race, displays);
  return race;
}

void ExpectSameRace(const RaceState& a, const RaceState& b) {
  EXPECT_EQ(RaceFileLines(a), RaceFileLines(b));
  EXPECT_EQ(a.Cars.Items.size(), b.Cars.Items.size());
  EXPECT_EQ(a.CurrentHeat, b.CurrentHeat);
  EXPECT_EQ(a.TotalHeats, b.TotalHeats);
}

TEST(CreateRace, TooFewRacersChangesNothing) {
  RaceState race;
  RaceRandom random;
  RecordingNotifier notifier;
  CreateRaceResult result = CreateRace(race, SetupOf(2, 3), random, notifier);
  EXPECT_FALSE(result.CloseWizard);
  EXPECT_FALSE(result.InitDisplays);
  EXPECT_EQ(notifier.messages, (std::vector<std::string>{kTooFew}));
  EXPECT_TRUE(notifier.questions.empty());
  ExpectSameRace(race, RaceState());
}

TEST(CreateRace, DeclinedReplacementStillChecksTheRacers) {
  RaceState race = ExistingRace();
  const RaceState before = race;
  RaceRandom random;
  RecordingNotifier notifier;
  notifier.answers = {false, false};
  EXPECT_FALSE(CreateRace(race, SetupOf(2, 3), random, notifier).CloseWizard);
  EXPECT_EQ(notifier.questions, (std::vector<std::string>{kConfirm}));
  EXPECT_EQ(notifier.messages, (std::vector<std::string>{kTooFew}));
  EXPECT_FALSE(CreateRace(race, SetupOf(6, 3), random, notifier).CloseWizard);
  EXPECT_EQ(notifier.messages.size(), 1u);
  ExpectSameRace(race, before);
}

TEST(CreateRace, FourRacersOnFourLanes) {
  RaceState race;
  RaceRandom random;
  RecordingNotifier notifier;
  CreateRaceResult result = CreateRace(race, SetupOf(4, 4), random, notifier);
  EXPECT_TRUE(result.CloseWizard);
  EXPECT_TRUE(result.InitDisplays);
  EXPECT_EQ(result.ScoreCaption, "Avg Time");
  EXPECT_TRUE(notifier.messages.empty());
  EXPECT_EQ(race.RaceType, RaceType::LaneRotation);
  ASSERT_EQ(race.RoundCount, 1);
  EXPECT_EQ(race.Rounds[0].Name, "");
  EXPECT_EQ(race.Rounds[0].Heats.size(), 5u);
  EXPECT_EQ(race.TotalHeats, 4);
  EXPECT_EQ(race.CurrentHeat, 1);
  EXPECT_EQ(race.CurrentRound, 1);
  EXPECT_EQ(race.RacerCount, 4);
  ASSERT_EQ(race.Cars.Items.size(), 5u);  // the spare car from the prepared row
  EXPECT_EQ(race.Cars.Items[4].CarNumber, "5");
  EXPECT_EQ(race.Cars.Items[4].CarName, "");
  EXPECT_EQ(race.Cars.Items[0].Times.size(), 1u);
  // Lane rotation with as many racers as lanes is the plain rotation.
  EXPECT_EQ(race.Rounds[0].Heats[1].LaneCars, (TIntArray{2, 3, 4, 1}));

  NoRaceDisplays displays;
  InitRaceDisplays(race, displays);
  EXPECT_EQ(race.Leaders.Items.size(), 4u);
  EXPECT_EQ(CheckRaceInvariants(race), std::vector<std::string>{});
}

TEST(CreateRace, SettingsAreConverted) {
  RaceState race;
  race.ParSensorPins = {1, 2, 3, 4, 0};  // not the wizard's: kept
  RaceRandom random;
  RecordingNotifier notifier;
  RaceSetup setup = SetupOf(3, 3);
  setup.LaneRows = {{"North", "ff0000"}, {"", ""}, {"", "0080FF"}};
  setup.VehicleItem = 4;
  setup.TimerItem = 2;
  setup.CheckedPort = "/dev/ttyS0";
  setup.PortItem = 1;
  setup.UseLightTree = true;
  setup.LightTreePinItems = {0, 1, 2, 3, 4, 7};
  setup.LightTreeTimeItem = 0;
  setup.UseSolenoid = true;
  setup.SolenoidPinItem = 7;
  setup.SolenoidDurationItem = 6;
  setup.ScoringItem = 2;
  setup.IgnoreWorst = true;
  setup.RaceName = "Spring Derby";
  setup.Organization = "Pack 12";
  setup.LogoPath = "/tmp/logo.png";
  setup.RunsText = "2";
  setup.RunsPosition = 2;
  CreateRaceResult result = CreateRace(race, setup, random, notifier);
  EXPECT_EQ(result.ScoreCaption, "Best Time");
  EXPECT_EQ(race.ScoringType, ScoringType::FastestTime);
  EXPECT_EQ(race.Lanes[0].Name, "North");
  EXPECT_EQ(race.Lanes[0].Color, 0x0000FF);
  EXPECT_EQ(race.Lanes[1].Name, "Lane 2");
  EXPECT_EQ(race.Lanes[1].Color, 0xFFFFFF);
  EXPECT_EQ(race.Lanes[2].Name, "Lane 3");
  EXPECT_EQ(race.VehicleType, "Rocket");
  EXPECT_EQ(race.TimerKind, TimerKind::TheJudge);
  EXPECT_EQ(race.TimerType, "TheJudge");
  EXPECT_EQ(race.TimerPort, "/dev/ttyS0");
  EXPECT_EQ(race.ParallelPort, 632);
  EXPECT_TRUE(race.LightTreeEnabled);
  EXPECT_EQ(race.LightTreePins, (std::array<int32_t, 6>{2, 3, 4, 5, 6, 9}));
  EXPECT_EQ(race.LightTreeDuration, 250);
  EXPECT_EQ(race.SolenoidPin, 9);
  EXPECT_EQ(race.SolenoidDuration, 1750);
  EXPECT_TRUE(race.IgnoreWorst);
  EXPECT_EQ(race.Runs, 2);
  EXPECT_EQ(race.TotalHeats, 6);
  EXPECT_EQ(race.ParSensorPins, (std::array<int32_t, 5>{1, 2, 3, 4, 0}));

  // No timer item and no port keep what the race had.
  RaceSetup unchanged = SetupOf(3, 3);
  unchanged.TimerItem = -1;
  unchanged.ScoringItem = -1;
  CreateRace(race, unchanged, random, notifier);
  EXPECT_EQ(race.TimerKind, TimerKind::TheJudge);
  EXPECT_EQ(race.TimerPort, "/dev/ttyS0");
  EXPECT_EQ(race.ScoringType, ScoringType::AverageTime);
}

TEST(CreateRace, GroupRoundsHoldTheirMembersOnly) {
  RaceState race;
  RaceRandom random;
  RecordingNotifier notifier;
  RaceSetup setup = SetupOf(6, 2, {"red", "Blue", "RED", "blue", "green", "Red"});
  UseGroups(setup, {"Red", "Blue"}, 2);
  setup.LaneRotationChecked = false;
  setup.PerfectNChecked = true;
  CreateRaceResult result = CreateRace(race, setup, random, notifier);
  EXPECT_TRUE(result.InitDisplays);
  EXPECT_EQ(race.GroupsMethod, GroupsMethod::NoIntergroup);
  EXPECT_EQ(race.RaceType, RaceType::PerfectN);
  ASSERT_EQ(race.RoundCount, 2);
  EXPECT_EQ(race.Rounds[0].Name, "Red");
  EXPECT_EQ(race.Rounds[1].Name, "Blue");
  EXPECT_EQ(race.Cars.Items[4].Group, -1);
  EXPECT_EQ(GroupMembers(race, 0), (TIntArray{1, 3, 6}));
  EXPECT_EQ(race.Rounds[0].Heats.size(), 4u);  // 3 members, one run, and the spare
  EXPECT_EQ(race.TotalHeats, 3);
  for (int32_t h = 0; h < HeatCount(race.Rounds[1]); ++h) {
    for (int32_t car : race.Rounds[1].Heats[h].LaneCars) {
      EXPECT_TRUE(car == 0 || car == 2 || car == 4) << car;
    }
  }
  NoRaceDisplays displays;
  InitRaceDisplays(race, displays);
  EXPECT_EQ(CheckRaceInvariants(race), std::vector<std::string>{});
}

TEST(CreateRace, FinalsMethodClearsNoFinals) {
  RaceState race;
  RaceRandom random;
  RecordingNotifier notifier;
  RaceSetup setup = SetupOf(6, 3, {"A", "A", "A", "B", "B", "B"});
  UseGroups(setup, {"A", "B"}, 1);
  CreateRace(race, setup, random, notifier);
  EXPECT_EQ(race.GroupsMethod, GroupsMethod::Finals);
  EXPECT_FALSE(race.NoFinals);
  EXPECT_EQ(race.RoundCount, 2);
}

struct GroupSizeCase {
  const char* name;
  bool stearns;
  std::vector<int> groupSizes;  // racers per group, in group order
  std::vector<std::string> messages;
};

std::ostream& operator<<(std::ostream& out, const GroupSizeCase& c) {
  return out << c.name;
}

class GroupSizes : public ::testing::TestWithParam<GroupSizeCase> {};

TEST_P(GroupSizes, SmallGroupsEmptyTheRace) {
  const GroupSizeCase& c = GetParam();
  std::vector<std::string> texts;
  std::vector<std::string> names;
  for (size_t g = 0; g < c.groupSizes.size(); ++g) {
    names.push_back("G" + std::to_string(g));
    texts.insert(texts.end(), static_cast<size_t>(c.groupSizes[g]), names.back());
  }
  RaceSetup setup = SetupOf(static_cast<int>(texts.size()), 4, texts);
  UseGroups(setup, names, 0);  // the whole field races; the sizes are still checked
  setup.LaneRotationChecked = !c.stearns;
  setup.StearnsChecked = c.stearns;
  RaceState race;
  RaceRandom random;
  RecordingNotifier notifier;
  CreateRaceResult result = CreateRace(race, setup, random, notifier);
  EXPECT_TRUE(result.CloseWizard);
  EXPECT_EQ(notifier.messages, c.messages);
  EXPECT_EQ(result.InitDisplays, c.messages.empty());
  if (!c.messages.empty()) {
    EXPECT_EQ(race.RoundCount, 0);
    EXPECT_TRUE(race.Rounds.empty());
    EXPECT_EQ(race.TotalHeats, 0);
    EXPECT_EQ(race.CurrentHeat, 0);
  } else {
    EXPECT_EQ(race.RoundCount, 1);
  }
}

const GroupSizeCase kGroupSizes[] = {
    {"StearnsSevenOnFourLanes", true, {7}, {}},
    {"StearnsSixOnFourLanes", true, {6}, {kStearnsSmall}},
    {"StearnsTwoSmallGroups", true, {7, 5, 4}, {kStearnsSmall, kStearnsSmall}},
    {"LaneRotationFourOnFourLanes", false, {4, 4}, {}},
    {"LaneRotationThreeOnFourLanes", false, {4, 3}, {kLaneRotationSmall}},
};

INSTANTIATE_TEST_SUITE_P(Table, GroupSizes, ::testing::ValuesIn(kGroupSizes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CreateRace, WithoutGroupsEarlierGroupNamesAreDropped) {
  RaceState race;
  RaceRandom random;
  RecordingNotifier notifier;
  RaceSetup grouped = SetupOf(8, 4, {"A", "A", "A", "A", "B", "B", "B", "B"});
  UseGroups(grouped, {"A", "B"}, 0);
  ASSERT_TRUE(CreateRace(race, grouped, random, notifier).InitDisplays);

  // The same racers without groups and two of them on a third group text:
  // nothing is checked against the old names.
  RaceSetup plain = SetupOf(6, 4, {"A", "A", "A", "B", "B", "C"});
  EXPECT_TRUE(CreateRace(race, plain, random, notifier).InitDisplays);
  EXPECT_TRUE(notifier.messages.empty());
  EXPECT_TRUE(race.GroupNames.empty());
  EXPECT_EQ(race.GroupsMethod, GroupsMethod::NoGroups);
  for (const TCar& car : race.Cars.Items)
    EXPECT_EQ(car.Group, -1);
}

TEST(CreateRace, PerfectNForTheWholeFieldRunsByTheUpDown) {
  RaceRandom random;
  RecordingNotifier notifier;
  RaceSetup setup = SetupOf(5, 3);
  setup.RunsText = "2";
  setup.RunsPosition = 1;
  RaceState rotation;
  CreateRace(rotation, setup, random, notifier);
  EXPECT_EQ(rotation.TotalHeats, 10);
  EXPECT_EQ(rotation.Runs, 1);

  setup.LaneRotationChecked = false;
  setup.PerfectNChecked = true;
  RaceState perfect;
  CreateRace(perfect, setup, random, notifier);
  EXPECT_EQ(perfect.TotalHeats, 5);
}

TEST(CreateRace, RefusalsBeforeAnyChange) {
  RaceState race = ExistingRace();
  const RaceState before = race;
  RaceRandom random;
  RecordingNotifier notifier;

  RaceSetup badRuns = SetupOf(6, 3);
  badRuns.RunsText = "two";
  badRuns.LaneRows[0].Color = "XX0000";  // the runs text is checked first
  try {
    CreateRace(race, badRuns, random, notifier);
    FAIL() << "created";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'two' is not a valid integer value");
  }
  ExpectSameRace(race, before);

  RaceSetup badColour = SetupOf(6, 3);
  badColour.LaneRows[2].Color = "12G456";
  EXPECT_THROW(CreateRace(race, badColour, random, notifier), ConversionError);
  ExpectSameRace(race, before);

  RaceSetup missing = SetupOf(6, 3);
  missing.GenerateSchedule = false;
  missing.ImportSchedule = true;
  missing.ImportPath = "/no/such/heats.vrs";
  missing.RunsText = "not used when importing";
  EXPECT_THROW(CreateRace(race, missing, random, notifier), FileError);
  ExpectSameRace(race, before);
  EXPECT_EQ(notifier.questions.size(), 3u);  // asked each time
}

TEST(CreateRace, ImportFitsTheScheduleToTheRace) {
  ScratchDir dir;
  WriteBytes(dir.File("heats.vrs"), "LANES:3\r\n1,2,3\r\n4,6,1\r\n2,3,9\r\n");
  RaceSetup setup = SetupOf(4, 4);
  setup.GenerateSchedule = false;
  setup.ImportSchedule = true;
  setup.ImportPath = dir.File("heats.vrs");
  UseGroups(setup, {"Solo"}, 2);  // groups do not split an imported schedule
  RaceState race;
  RaceRandom random;
  RecordingNotifier notifier;
  CreateRaceResult result = CreateRace(race, setup, random, notifier);
  EXPECT_TRUE(result.InitDisplays);
  EXPECT_EQ(notifier.messages,
            (std::vector<std::string>{"Schedule names racer 6 but the race has 4 racers"}));
  EXPECT_EQ(race.RaceType, RaceType::Imported);
  EXPECT_EQ(race.RoundCount, 1);
  EXPECT_EQ(race.TotalHeats, 3);
  EXPECT_EQ(race.Rounds[0].Heats[0].LaneCars, (TIntArray{1, 2, 3, 0}));
  EXPECT_EQ(race.Rounds[0].Heats[1].LaneCars, (TIntArray{4, 0, 1, 0}));
  EXPECT_EQ(race.Rounds[0].Heats[2].LaneCars, (TIntArray{2, 3, 0, 0}));
  EXPECT_EQ(race.Rounds[0].Heats[2].Times.size(), 4u);
}

TEST(CreateRace, AnInvalidScheduleGivesAnEmptyRound) {
  ScratchDir dir;
  WriteBytes(dir.File("bad.vrs"), "LANES:none\r\n1,2,3\r\n");
  RaceSetup setup = SetupOf(3, 3);
  setup.GenerateSchedule = false;
  setup.ImportSchedule = true;
  setup.ImportPath = dir.File("bad.vrs");
  RaceState race;
  RaceRandom random;
  RecordingNotifier notifier;
  CreateRaceResult result = CreateRace(race, setup, random, notifier);
  EXPECT_EQ(notifier.messages, (std::vector<std::string>{"Invalid Race Schedule File"}));
  EXPECT_TRUE(result.InitDisplays);
  EXPECT_EQ(race.RoundCount, 1);
  EXPECT_EQ(race.TotalHeats, 0);
  EXPECT_EQ(race.Rounds[0].Heats.size(), 1u);
}

TEST(CreateRace, ACreatedRaceSurvivesSaveAndLoad) {
  RaceSetup setup = SetupOf(7, 3, {"Owls", "owls", "Hawks", "", "Hawks", "Owls", "Hawks"});
  UseGroups(setup, {"Owls", "Hawks"}, 1);
  setup.RaceName = "Round trip";
  RaceState race;
  RaceRandom random;
  RecordingNotifier notifier;
  ASSERT_TRUE(CreateRace(race, setup, random, notifier).InitDisplays);
  NoRaceDisplays displays;
  InitRaceDisplays(race, displays);
  ScratchDir dir;
  const std::string first = SaveRace(race, dir.File("created"));
  EXPECT_EQ(first, dir.File("created.vsr"));
  RaceState loaded;
  LoadRace(loaded, first, random, notifier, displays);
  const std::string second = SaveRace(loaded, dir.File("again.vsr"));
  EXPECT_EQ(ReadBytes(second), ReadBytes(first));
  EXPECT_EQ(loaded.RacerCount, 7);
  EXPECT_EQ(loaded.Cars.Items.size(), 7u);
  EXPECT_EQ(loaded.Cars.Items[3].Group, -1);
  EXPECT_EQ(loaded.Cars.Items[1].Group, 0);
}

}  // namespace
}  // namespace velmora
