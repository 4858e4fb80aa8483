#include "race_invariants.h"

#include <set>

namespace velmora {
namespace {

class Report {
 public:
  explicit Report(std::vector<std::string>& out) : out_(out) {}
  void Fail(const std::string& what) { out_.push_back(what); }
  template <typename A, typename B>
  void Equal(const A& actual, const B& expected, const std::string& what) {
    if (!(actual == expected)) {
      Fail(what + ": " + std::to_string(actual) + " instead of " + std::to_string(expected));
    }
  }

 private:
  std::vector<std::string>& out_;
};

std::string HeatName(int32_t round, int32_t heat) {
  return "round " + std::to_string(round) + " heat " + std::to_string(heat);
}

void CheckRounds(const RaceState& race, Report& report) {
  const size_t lanes = static_cast<size_t>(race.LaneCount > 0 ? race.LaneCount : 0);
  for (int32_t r = 0; r < race.RoundCount && r < static_cast<int32_t>(race.Rounds.size()); ++r) {
    const THeats& round = race.Rounds[static_cast<size_t>(r)];
    if (round.Heats.empty()) {
      report.Fail("round " + std::to_string(r + 1) + " has no spare heat");
      continue;
    }
    const THeat& spare = round.Heats.back();
    if (!spare.LaneCars.empty() || !spare.Times.empty()) {
      report.Fail("round " + std::to_string(r + 1) + " spare heat is not empty");
    }
    for (int32_t h = 0; h < HeatCount(round); ++h) {
      const THeat& heat = round.Heats[static_cast<size_t>(h)];
      const std::string name = HeatName(r + 1, h + 1);
      report.Equal(heat.LaneCars.size(), lanes, name + " lane cars");
      report.Equal(heat.Times.size(), lanes, name + " times");
      if (heat.Raced)
        report.Equal(heat.Places.size(), lanes, name + " places");
      for (int32_t car : heat.LaneCars) {
        if (car < 0 || car > race.RacerCount) {
          report.Fail(name + " names car " + std::to_string(car) + " of " +
                      std::to_string(race.RacerCount));
        }
      }
    }
  }
}

void CheckLeaders(const RaceState& race, Report& report) {
  report.Equal(race.Leaders.Items.size(), static_cast<size_t>(race.RacerCount), "leaders");
  std::set<int32_t> seen;
  for (size_t i = 0; i < race.Leaders.Items.size(); ++i) {
    const TLeader& leader = race.Leaders.Items[i];
    if (leader.CarIndex < 0 || leader.CarIndex >= race.RacerCount ||
        !seen.insert(leader.CarIndex).second) {
      report.Fail("leader " + std::to_string(i + 1) + " names car index " +
                  std::to_string(leader.CarIndex));
    }
    if (i == 0)
      continue;
    // Ascending, scores of 0 (no result) after every real score.
    Currency previous = race.Leaders.Items[i - 1].Score;
    Currency score = leader.Score;
    bool ordered = score == Currency() || (previous != Currency() && previous <= score);
    if (!ordered)
      report.Fail("leaders out of order at " + std::to_string(i + 1));
  }
}

}  // namespace

std::vector<std::string> CheckRaceInvariants(const RaceState& race, bool standingsComputed) {
  std::vector<std::string> problems;
  Report report(problems);

  if (race.RoundCount < 0)
    report.Fail("negative round count");
  const size_t rounds = race.Rounds.size();
  const size_t roundCount = static_cast<size_t>(race.RoundCount < 0 ? 0 : race.RoundCount);
  if (rounds != roundCount && rounds != roundCount + 1) {
    report.Fail("rounds list holds " + std::to_string(rounds) + " entries for " +
                std::to_string(race.RoundCount) + " rounds");
  }
  if (race.RacerCount < 0)
    report.Fail("negative racer count");
  const size_t cars = race.Cars.Items.size();
  const size_t racerCount = static_cast<size_t>(race.RacerCount < 0 ? 0 : race.RacerCount);
  if (cars != racerCount && cars != racerCount + 1) {
    report.Fail("cars list holds " + std::to_string(cars) + " entries for " +
                std::to_string(race.RacerCount) + " racers");
  }
  for (size_t i = 0; i < cars && i < racerCount; ++i) {
    int32_t group = race.Cars.Items[i].Group;
    if (group < -1 || group >= static_cast<int32_t>(race.GroupNames.size())) {
      report.Fail("car " + std::to_string(i + 1) + " has group " + std::to_string(group));
    }
  }
  if (race.NoFinals != (race.GroupsMethod != GroupsMethod::Finals)) {
    report.Fail("NoFinals disagrees with the groups method");
  }

  const bool loaded = race.RoundCount > 0;
  if (loaded) {
    if (race.LaneCount < 1 || race.LaneCount > 8) {
      report.Fail("lane count " + std::to_string(race.LaneCount));
    }
    report.Equal(race.Lanes.size(), static_cast<size_t>(race.LaneCount), "lanes");
    if (!race.LaneTimes.empty()) {
      report.Equal(race.LaneTimes.size(), static_cast<size_t>(race.LaneCount), "lane times");
    }
    CheckRounds(race, report);
    if (race.CurrentRound < 1 || race.CurrentRound > race.RoundCount) {
      report.Fail("current round " + std::to_string(race.CurrentRound) + " of " +
                  std::to_string(race.RoundCount));
    } else if (static_cast<size_t>(race.CurrentRound) <= rounds) {
      int32_t heats = HeatCount(race.Rounds[static_cast<size_t>(race.CurrentRound - 1)]);
      // Choosing a round without heats sets TotalHeats to 1, creation and
      // loading leave it at 0.
      int32_t expected = heats == 0 ? 1 : heats;
      if (race.TotalHeats != heats && race.TotalHeats != expected) {
        report.Fail("total heats " + std::to_string(race.TotalHeats) + " for a round of " +
                    std::to_string(heats));
      }
      // A round without heats still shows heat 1 on its empty board.
      int32_t lastHeat = heats == 0 ? 1 : race.TotalHeats;
      if (race.CurrentHeat < 1 || race.CurrentHeat > lastHeat) {
        report.Fail("current heat " + std::to_string(race.CurrentHeat) + " of " +
                    std::to_string(race.TotalHeats));
      }
    }
    if (standingsComputed)
      CheckLeaders(race, report);
  }
  return problems;
}

}  // namespace velmora
