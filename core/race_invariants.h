// A consistency check of the race data model, for tests and fuzzing: every
// count agrees with its list, every car reference is a racer, every heat has
// its lanes, and the heat on show exists.
#pragma once

#include <string>
#include <vector>

#include "race_types.h"

namespace velmora {

// One line per broken invariant; empty when the race is consistent.
// `standingsComputed` also checks Leaders (after ComputeStandings).
std::vector<std::string> CheckRaceInvariants(const RaceState& race, bool standingsComputed = true);

}  // namespace velmora
