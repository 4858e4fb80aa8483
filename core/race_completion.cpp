#include "race_completion.h"

#include <algorithm>
#include <string>

#include "race_generation.h"
#include "race_module.h"

namespace velmora {
namespace {

constexpr Currency kTieMarker = Currency::FromWhole(-1);

// Appends `round` as round RoundCount + 1.
void AppendRound(RaceState& race, THeats round) {
  race.RoundCount = std::max(race.RoundCount, 0) + 1;
  race.Rounds.resize(static_cast<size_t>(race.RoundCount));
  race.Rounds.back() = std::move(round);
}

}  // namespace

bool IsRaceComplete(const RaceState& race) {
  int32_t realHeats = 0;
  for (int32_t r = 1; r <= race.RoundCount; ++r) {
    const THeats* round = RoundAt(race, r);
    if (!round)
      break;
    for (int32_t h = 0; h < HeatCount(*round); ++h) {
      if (!round->Heats[static_cast<size_t>(h)].Raced)
        return false;
      ++realHeats;
    }
  }
  // A race without heats has nothing to settle.
  return realHeats > 0;
}

void CheckRaceComplete(RaceState& race, RaceRandom& random, Notifier& notifier) {
  if (!IsRaceComplete(race))
    return;
  if (race.NoFinals) {
    AddTieBreakers(race, notifier);
    return;
  }
  if (!AddTieBreakers(race, notifier)) {
    THeats finals = BuildFinals(race, 1, random, notifier);
    // Groups without racers give no finalists; an empty round would leave
    // the race complete and grow another one at every check.
    if (HeatCount(finals) > 0)
      AppendRound(race, std::move(finals));
  }
}

bool AddTieBreakers(RaceState& race, Notifier& notifier) {
  const int32_t racers =
      std::clamp<int32_t>(race.RacerCount, 0, static_cast<int32_t>(race.Cars.Items.size()));
  std::vector<Currency> work;
  for (int32_t i = 0; i < racers; ++i)
    work.push_back(race.Cars.Items[i].AverageTime);

  TIntArray tied;
  for (int32_t i = 0; i < racers; ++i) {
    Currency v = work[i];
    work[i] = kTieMarker;
    bool found = false;
    for (int32_t j = 0; j < racers; ++j) {
      if (j != i && work[j] == v && work[j] != kTieMarker) {
        notifier.Inform(std::to_string(i) + ":" + std::to_string(j));
        work[j] = kTieMarker;
        tied.push_back(j + 1);
        found = true;
      }
    }
    if (found)
      tied.push_back(i + 1);
  }
  if (tied.empty())
    return false;

  THeats round = GeneratePerfectN(tied, race.LaneCount, 1);
  round.Name = "Tie Breakers";
  AppendRound(race, std::move(round));
  return true;
}

THeats BuildFinals(const RaceState& race, int32_t perGroup, RaceRandom& random,
                   Notifier& notifier) {
  const int32_t groups = static_cast<int32_t>(race.GroupNames.size());
  notifier.Inform(std::to_string(groups));

  TIntArray finalists;
  for (int32_t g = 0; g < groups; ++g) {
    TIntArray members = GroupMembers(race, g);
    TLeaders standings;
    for (int32_t m : members) {
      const TCar* car = CarAt(race, m);
      standings.Items.push_back({car->CarName, car->Score, m});
    }
    SortLeaders(standings, 0, static_cast<int32_t>(standings.Items.size()) - 1);
    // A group with fewer members than places sends only those it has.
    int32_t take = std::min<int32_t>(perGroup, static_cast<int32_t>(standings.Items.size()));
    for (int32_t k = 0; k < take; ++k)
      finalists.push_back(standings.Items[k].CarIndex);
  }

  THeats round = GenerateLaneRotation(finalists, race.LaneCount, 1, random);
  round.Name = "Finals";
  return round;
}

}  // namespace velmora
