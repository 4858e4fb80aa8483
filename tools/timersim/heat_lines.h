// The lines each timer kind sends for one heat, as real timers of the kind
// print them, and the capture file the simulator replays.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "race_types.h"

namespace velmora::timersim {

// One heat's result: per lane the time in ten-thousandths of a second, or
// nothing for a lane whose car did not finish.
struct HeatResult {
  std::vector<std::optional<int64_t>> times;
};

// Plausible times between 2.5 and 4.5 seconds; about one lane in twenty does
// not finish.
HeatResult RandomHeat(int lanes, std::mt19937& random);

// The bytes for one heat, every line ending with CR LF:
//  MicroWizard, SmartLine: "A=3.001! B=3.002\" ..." (a place character after
//    each time; "9.999" and no place for a car that did not finish);
//  TheJudge: "Lane N  T.TTTT" per lane, then "Race Over";
//  NewBold DTX000: 11-character fields "N T.TTTT   " in finishing order.
// With `announceLanes`, TheJudge first sends "Number of Lanes: N".
std::string HeatText(TimerKind kind, const HeatResult& heat, bool announceLanes);

// The time a timer of this kind shows for a lane, as ParseTimerLine reads it
// back (three decimals for the keyed kinds; a non-finisher as 9.999/9.9999).
int64_t ReportedTime(TimerKind kind, const std::optional<int64_t>& time);

// One line of a capture: wait `pause` seconds after the previous line, then
// send `bytes`.
struct CaptureLine {
  double pause = 0;
  std::string bytes;
};

// A capture file holds one line per line sent: "SECONDS<TAB>TEXT", or just
// TEXT for no pause. TEXT may use \r \n \t \\ and \xHH; CR LF is appended
// unless it already ends so. Empty lines and lines starting with '#' are
// skipped. Returns false and sets `error` on a malformed line.
bool ParseCapture(const std::vector<std::string>& lines, std::vector<CaptureLine>& out,
                  std::string& error);

}  // namespace velmora::timersim
