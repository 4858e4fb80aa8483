// A small race built in code: one round of `heats` heats in which heat h
// puts car position ((h + l) % lanes) + 1 in lane l, plus the spare heat and
// the spare car that race creation leaves.
#pragma once

#include "race_types.h"

namespace velmora::testing {

inline RaceState MakeTimedRace(TimerKind kind, int lanes, int heats = 2) {
  RaceState race;
  race.LaneCount = lanes;
  race.TimerKind = kind;
  race.TimerType = TimerTypeText(kind);
  race.RacerCount = lanes;
  for (int c = 0; c <= lanes; ++c) {
    TCar car;
    car.CarName = "Car " + std::to_string(c + 1);
    car.Group = 0;
    car.Times = {Currency()};
    car.Places = {0};
    race.Cars.Items.push_back(car);
  }
  race.Cars.Items.back() = TCar{};
  for (int l = 0; l < lanes; ++l)
    race.Lanes.push_back({"Lane " + std::to_string(l + 1), 0});
  THeats round;
  for (int h = 0; h < heats; ++h) {
    THeat heat;
    for (int l = 0; l < lanes; ++l) {
      heat.LaneCars.push_back((h + l) % lanes + 1);
      heat.Times.push_back(Currency());
    }
    round.Heats.push_back(heat);
  }
  round.Heats.push_back(THeat{});
  race.Rounds.push_back(round);
  race.RoundCount = 1;
  race.CurrentRound = 1;
  race.CurrentHeat = 1;
  race.TotalHeats = heats;
  return race;
}

}  // namespace velmora::testing
