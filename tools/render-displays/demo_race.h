// A small race built in code: one to eight lanes, eight racers, one round in
// which every car runs once in every lane, its first six heats timed.
#pragma once

#include "race_types.h"

namespace velmora::render {

inline constexpr int kDemoMaxLanes = 8;

RaceState BuildDemoRace(int lanes = 4);

}  // namespace velmora::render
