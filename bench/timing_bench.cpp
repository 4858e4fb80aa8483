// A timer line, from the bytes on the port to a recorded heat with standings.
#include <benchmark/benchmark.h>

#include <string>

#include "line_assembler.h"
#include "race_generation.h"
#include "race_module.h"
#include "timer_protocols.h"

namespace velmora {
namespace {

class QuietNotifier : public Notifier {
 public:
  void Inform(const std::string&) override {}
  bool Ask(const std::string&) override { return true; }
};

// A 500-racer, 8-lane race (one run: 500 heats), every heat but the last
// raced, so each recording recomputes the standings over 499 heats.
RaceState BigRace(TimerKind kind, RaceRandom& random, Notifier& notifier) {
  RaceState race;
  race.RacerCount = 500;
  race.LaneCount = 8;
  race.TimerKind = kind;
  race.Cars.Items.resize(501);
  for (int c = 0; c < 500; ++c)
    race.Cars.Items[c].CarName = "Car " + std::to_string(c + 1);
  race.Lanes.resize(8);
  race.Rounds.push_back(GenerateLaneRotation(AllRacersList(500, 8), 8, 1, random));
  race.RoundCount = 1;
  race.CurrentRound = 1;
  race.TotalHeats = HeatCount(race.Rounds[0]);
  std::vector<Currency> times(8);
  for (int32_t h = 1; h < race.TotalHeats; ++h) {
    for (int32_t l = 0; l < 8; ++l)
      times[l] = Currency::FromRaw(30000 + (h * 7 + l * 13) % 997);
    RecordHeatTimes(race, times, h, random, notifier);
  }
  race.CurrentHeat = 1;
  return race;
}

void TimerLineToStandings(benchmark::State& state, TimerKind kind, const std::string& bytes) {
  RaceRandom random;
  QuietNotifier notifier;
  RaceState race = BigRace(kind, random, notifier);
  LineAssembler assembler;
  int32_t heat = 1;
  for (auto _ : state) {
    race.CurrentHeat = heat;
    for (const std::string& line : assembler.Append(bytes)) {
      benchmark::DoNotOptimize(ParseTimerLine(race, line, random, notifier));
    }
    heat = heat % (race.TotalHeats - 1) + 1;
  }
  if (!race.Rounds[0].Heats[0].Raced || race.Leaders.Items.size() != 500u) {
    state.SkipWithError("the heat was not recorded");
  }
}

void BM_MicroWizardLine_500x8(benchmark::State& state) {
  TimerLineToStandings(state, TimerKind::MicroWizard,
                       "A=3.001! B=3.102\" C=3.203# D=3.304$ E=3.405% F=3.506& G=3.607' "
                       "H=3.708(\r\n");
}
BENCHMARK(BM_MicroWizardLine_500x8)->Unit(benchmark::kMicrosecond);

void BM_NewBoldLine_500x8(benchmark::State& state) {
  TimerLineToStandings(state, TimerKind::NewBoldDTX000,
                       "3 3.0011   1 3.1012   2 3.2013   8 3.3014   4 3.4015   5 3.5016   "
                       "7 3.6017   6 3.7018\r\n");
}
BENCHMARK(BM_NewBoldLine_500x8)->Unit(benchmark::kMicrosecond);

// TheJudge needs nine lines for a heat; this is the whole heat.
void BM_TheJudgeHeat_500x8(benchmark::State& state) {
  std::string bytes;
  for (int l = 1; l <= 8; ++l)
    bytes += "Lane " + std::to_string(l) + "  3." + std::to_string(l) + "123\r\n";
  bytes += "Race Over\r\n";
  TimerLineToStandings(state, TimerKind::TheJudge, bytes);
}
BENCHMARK(BM_TheJudgeHeat_500x8)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora
