// Reading a race schedule file into one round, as race creation imports it.
// The storage library's ImportSchedule reads the file with the shared line
// rules and parses it here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "notifier.h"
#include "race_types.h"

namespace velmora {

// The file's lane count above this is refused like a lane count of 0: no
// track has that many lanes and each heat would hold that many entries.
inline constexpr int32_t kMaxScheduleLanes = 1000;

// The round a schedule file's lines describe: line 1 "KEY:lanes", then one
// heat per line. An invalid lane count informs "Invalid Race Schedule File"
// and gives a round without real heats.
THeats ScheduleFromLines(const std::vector<std::string>& lines, Notifier& notifier);

// The lines of a schedule file (CR LF, LF or CR). Throws FileError naming the
// file when it cannot be read.
std::vector<std::string> ReadScheduleLines(const std::string& path);

// Makes every real heat of an imported round exactly `laneCount` lanes wide
// (missing lanes empty, extra lanes dropped) and empties every lane whose
// entry is not a racer of the race (below 0 or above racerCount). Returns
// the first such entry in heat and lane order, if any.
std::optional<int32_t> FitScheduleToRace(THeats& round, int32_t laneCount, int32_t racerCount);

// "Schedule names racer N but the race has M racers".
std::string ScheduleRacerMessage(int32_t entry, int32_t racerCount);

}  // namespace velmora
