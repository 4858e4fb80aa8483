// Small races built in code for tests.
#pragma once

#include <string>
#include <vector>

#include "race_types.h"

namespace velmora::testing {

inline Currency Secs(double seconds) {
  return Currency::FromRaw(static_cast<int64_t>(seconds * 10000 + (seconds < 0 ? -0.5 : 0.5)));
}

// A race of `racers` cars named "Car 1".. on `lanes` lanes, one round of the
// given heats (spare heat appended), positioned on round 1 heat 1.
inline RaceState MakeRace(int32_t racers, int32_t lanes, const std::vector<TIntArray>& heats,
                          ScoringType scoring = ScoringType::AverageTime) {
  RaceState race;
  race.RacerCount = racers;
  race.LaneCount = lanes;
  race.ScoringType = scoring;
  for (int32_t i = 1; i <= racers; ++i) {
    TCar car;
    car.CarName = "Car " + std::to_string(i);
    car.RacerName = "Racer " + std::to_string(i);
    car.CarNumber = std::to_string(i);
    car.Group = -1;
    race.Cars.Items.push_back(car);
  }
  race.Lanes.resize(static_cast<size_t>(lanes));
  THeats round;
  for (const TIntArray& cars : heats) {
    THeat heat;
    heat.LaneCars = cars;
    heat.Times.assign(cars.size(), Currency());
    round.Heats.push_back(heat);
  }
  round.Heats.emplace_back();
  race.Rounds.push_back(round);
  race.RoundCount = 1;
  race.CurrentRound = 1;
  race.CurrentHeat = 1;
  race.TotalHeats = static_cast<int32_t>(heats.size());
  return race;
}

}  // namespace velmora::testing
