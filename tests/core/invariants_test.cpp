#include "race_invariants.h"

#include <gtest/gtest.h>

#include <functional>

#include "race_builder.h"
#include "race_module.h"
#include "recording_notifier.h"

namespace velmora {
namespace {

RaceState RacedRace() {
  RaceState race = testing::MakeRace(3, 2, {{1, 2}, {3, 1}, {2, 3}});
  RaceRandom random;
  testing::RecordingNotifier notifier;
  RecordHeatTimes(race, {testing::Secs(3.1), testing::Secs(3.2)}, 1, random, notifier);
  return race;
}

TEST(CheckRaceInvariants, AConsistentRaceHasNoProblems) {
  EXPECT_TRUE(CheckRaceInvariants(RaceState()).empty());
  std::vector<std::string> problems = CheckRaceInvariants(RacedRace());
  EXPECT_TRUE(problems.empty()) << problems.front();
}

struct Breakage {
  std::string name;
  std::function<void(RaceState&)> breakIt;
  std::string expected;  // a part of the reported line
};

class BrokenRace : public ::testing::TestWithParam<Breakage> {};

TEST_P(BrokenRace, IsReported) {
  RaceState race = RacedRace();
  GetParam().breakIt(race);
  std::vector<std::string> problems = CheckRaceInvariants(race);
  ASSERT_FALSE(problems.empty());
  bool found = false;
  for (const std::string& p : problems)
    found |= p.find(GetParam().expected) != std::string::npos;
  EXPECT_TRUE(found) << problems.front();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenRace,
    ::testing::Values(
        Breakage{"RoundCount", [](RaceState& r) { r.RoundCount = 3; }, "rounds list"},
        Breakage{"RacerCount", [](RaceState& r) { r.RacerCount = 7; }, "cars list"},
        Breakage{"CarReference", [](RaceState& r) { r.Rounds[0].Heats[1].LaneCars[0] = 4; },
                 "names car 4"},
        Breakage{"HeatLanes", [](RaceState& r) { r.Rounds[0].Heats[2].LaneCars.pop_back(); },
                 "round 1 heat 3 lane cars"},
        Breakage{"RacedWithoutPlaces", [](RaceState& r) { r.Rounds[0].Heats[0].Places.clear(); },
                 "places"},
        Breakage{"CurrentRound", [](RaceState& r) { r.CurrentRound = 2; }, "current round"},
        Breakage{"CurrentHeat", [](RaceState& r) { r.CurrentHeat = 4; }, "current heat"},
        Breakage{"TotalHeats", [](RaceState& r) { r.TotalHeats = 5; }, "total heats"},
        Breakage{"SpareHeat", [](RaceState& r) { r.Rounds[0].Heats.back().LaneCars = {1}; },
                 "spare heat"},
        Breakage{"NoFinals", [](RaceState& r) { r.NoFinals = false; }, "NoFinals"},
        Breakage{"Group", [](RaceState& r) { r.Cars.Items[0].Group = 2; }, "group"},
        Breakage{"Lanes", [](RaceState& r) { r.Lanes.resize(3); }, "lanes"},
        Breakage{"LeaderOrder",
                 [](RaceState& r) { std::swap(r.Leaders.Items[0], r.Leaders.Items[1]); },
                 "out of order"},
        Breakage{"LeaderTwice",
                 [](RaceState& r) { r.Leaders.Items[1].CarIndex = r.Leaders.Items[0].CarIndex; },
                 "leader 2"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace velmora
