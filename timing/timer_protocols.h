// What the four supported finish-line timers send, and how each line becomes
// lane times recorded for the heat on show.
#pragma once

#include <optional>
#include <string>

#include "notifier.h"
#include "race_random.h"
#include "race_types.h"

namespace velmora {

// The message shown when a TheJudge timer reports another lane count.
inline constexpr const char* kTimerLaneCountMessage =
    "Error: Timer does not match indicated Lane Count";

// What one line did to the race.
enum class TimerLineEffect {
  kIgnored,            // nothing changed except the size of LaneTimes
  kLaneTimeSet,        // a TheJudge "Lane" line stored one lane's time
  kRecorded,           // the heat on show was recorded from LaneTimes
  kNoHeat,             // the line asked to record, but there is no heat on show
  kLaneCountMismatch,  // a TheJudge "Number of Lanes" line disagreed; the user was told
};

// Interprets one line as delivered by the serial link (ending with "\r\n")
// according to race.TimerKind. LaneTimes is resized to LaneCount first and
// keeps its earlier values. A race whose LaneCount is not 1 to 8 (no race
// loaded) ignores every line.
TimerLineEffect ParseTimerLine(RaceState& race, const std::string& line, RaceRandom& random,
                               Notifier& notifier);

// The bytes sent right after the port opens: "rg" + CR for SmartLine, nothing
// for the other kinds.
std::string TimerStartCommand(TimerKind kind);

// The timer names of the track setup list ("No Timer", "MicroWizard",
// "TheJudge", "NewBold DTX000", "SmartLine"), compared exactly.
std::optional<TimerKind> TimerKindFromListName(const std::string& name);
std::string TimerListName(TimerKind kind);

}  // namespace velmora
