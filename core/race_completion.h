// The rounds a finished race adds to itself: tie-breakers and finals.
#pragma once

#include <cstdint>

#include "notifier.h"
#include "race_random.h"
#include "race_types.h"

namespace velmora {

// True when the race has at least one real heat and every real heat of every
// round is raced.
bool IsRaceComplete(const RaceState& race);

// Appends a "Tie Breakers" or "Finals" round when the race is complete.
void CheckRaceComplete(RaceState& race, RaceRandom& random, Notifier& notifier);

// Appends a "Tie Breakers" round for cars sharing an AverageTime; true when
// it appended one.
bool AddTieBreakers(RaceState& race, Notifier& notifier);

// The "Finals" round of the best `perGroup` cars of each group.
THeats BuildFinals(const RaceState& race, int32_t perGroup, RaceRandom& random, Notifier& notifier);

}  // namespace velmora
