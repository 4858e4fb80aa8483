// Recording heat results, placing lanes, per-car statistics and standings.
#pragma once

#include <cstdint>
#include <vector>

#include "notifier.h"
#include "race_random.h"
#include "race_types.h"

namespace velmora {

// The sentinel time used while placing lanes: 2147483647.0000.
inline constexpr Currency kSentinelTime = Currency::FromWhole(2147483647);

// Records the times of heat `heatNumber` (1-based) of the current round,
// places it, recomputes the standings and runs the completion check.
// Returns false (and changes nothing) when there is no such heat.
bool RecordHeatTimes(RaceState& race, const std::vector<Currency>& times, int32_t heatNumber,
                     RaceRandom& random, Notifier& notifier);

// Places the lanes of heat `heatIndex` (0-based) of the current round:
// positive times by time (equal times: lower lane first), then the lanes
// without a positive time in lane order.
void AssignPlaces(RaceState& race, int32_t heatIndex);

// Index of the first smallest time below the sentinel (0 if none).
int32_t FastestIndex(const std::vector<Currency>& times);

// Rebuilds every racer's statistics and Leaders from the raced heats.
void ComputeStandings(RaceState& race);

// Sorts entries lo..hi best first; entries with Score 0 (no result) go after
// every entry with a real score.
void SortLeaders(TLeaders& leaders, int32_t lo, int32_t hi);

}  // namespace velmora
