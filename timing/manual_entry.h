// Times typed by hand for the heat on show, recorded like a timer's.
#pragma once

#include <string>
#include <vector>

#include "notifier.h"
#include "race_random.h"
#include "race_types.h"

namespace velmora {

// The message for a typed text that is not a time.
inline constexpr const char* kInvalidTimePrefix = "Invalid Time: ";

// One text per lane, lane 1 first (a missing text counts as empty). The
// first text that is not a time (empty, not a number, or -1 itself) is told
// to the user as "Invalid Time: " + text and nothing is recorded. Otherwise
// the LaneCount times are recorded into heat CurrentHeat; true then.
bool EnterManualTimes(RaceState& race, const std::vector<std::string>& texts, RaceRandom& random,
                      Notifier& notifier);

}  // namespace velmora
