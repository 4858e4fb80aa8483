// The body shared by the timer fuzz targets: any bytes from a serial port,
// in reads of any size, through the line assembler and one timer protocol,
// on a race in progress that moves on to the next heat after each recorded
// one (so finished rounds grow tie-breakers). After every line the race must
// keep every rule of the data model.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "line_assembler.h"
#include "race_generation.h"
#include "race_invariants.h"
#include "race_module.h"
#include "race_types.h"
#include "timer_protocols.h"

namespace velmora::fuzzing {

class QuietNotifier : public Notifier {
 public:
  void Inform(const std::string&) override {}
  bool Ask(const std::string&) override { return true; }
};

inline void Check(const RaceState& race) {
  for (const std::string& problem : CheckRaceInvariants(race)) {
    std::fprintf(stderr, "broken: %s\n", problem.c_str());
    std::abort();
  }
}

// Moves to the next heat, or the first heat of the next round, as automatic
// progression does.
inline void NextHeat(RaceState& race) {
  if (race.CurrentHeat < race.TotalHeats) {
    ++race.CurrentHeat;
  } else if (race.CurrentRound < race.RoundCount) {
    ++race.CurrentRound;
    race.CurrentHeat = 1;
    race.TotalHeats = HeatCount(race.Rounds[static_cast<size_t>(race.CurrentRound - 1)]);
    if (race.TotalHeats == 0)
      race.TotalHeats = 1;
  }
}

inline int FuzzTimer(TimerKind kind, const uint8_t* data, size_t size) {
  if (size < 2)
    return 0;
  const int lanes = data[0] % 8 + 1;
  const int racers = lanes + data[0] / 8 % 4;  // never fewer racers than lanes
  const size_t piece = data[1] % 16 + 1;
  data += 2;
  size -= 2;

  RaceState race;
  race.LaneCount = lanes;
  race.TimerKind = kind;
  race.TimerType = TimerTypeText(kind);
  race.RacerCount = racers;
  race.Cars.Items.resize(static_cast<size_t>(racers) + 1);
  race.Lanes.resize(static_cast<size_t>(lanes));
  RaceRandom random;
  race.Rounds.push_back(GeneratePerfectN(AllRacersList(racers, lanes), lanes, 1));
  race.RoundCount = 1;
  race.CurrentRound = 1;
  race.CurrentHeat = 1;
  race.TotalHeats = HeatCount(race.Rounds[0]);
  ComputeStandings(race);
  Check(race);

  QuietNotifier notifier;
  LineAssembler assembler;
  for (size_t i = 0; i < size; i += piece) {
    size_t n = size - i < piece ? size - i : piece;
    for (const std::string& line :
         assembler.Append(std::string_view(reinterpret_cast<const char*>(data) + i, n))) {
      if (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0)
        std::abort();
      TimerLineEffect effect = ParseTimerLine(race, line, random, notifier);
      if (race.LaneTimes.size() != static_cast<size_t>(lanes))
        std::abort();
      Check(race);
      if (effect == TimerLineEffect::kRecorded)
        NextHeat(race);
      Check(race);
    }
  }
  return 0;
}

}  // namespace velmora::fuzzing
