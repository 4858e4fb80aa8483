// Schedule generation and heat recording on large fields.
#include <benchmark/benchmark.h>

#include "race_generation.h"
#include "race_module.h"

namespace velmora {
namespace {

class SilentNotifier : public Notifier {
 public:
  void Inform(const std::string&) override {}
  bool Ask(const std::string&) override { return true; }
};

void BM_GeneratePerfectN_200x8x3(benchmark::State& state) {
  TIntArray entries = AllRacersList(200, 8);
  for (auto _ : state) {
    THeats round = GeneratePerfectN(entries, 8, 3);
    benchmark::DoNotOptimize(round);
  }
}
BENCHMARK(BM_GeneratePerfectN_200x8x3)->Unit(benchmark::kMillisecond);

// A 200-racer, 8-lane race of 600 heats; each iteration records one heat
// (places, statistics, standings and the completion check).
void BM_RecordHeatTimes_200x8x600(benchmark::State& state) {
  RaceState race;
  race.RacerCount = 200;
  race.LaneCount = 8;
  race.Cars.Items.resize(201);
  race.Lanes.resize(8);
  RaceRandom random;
  race.Rounds.push_back(GenerateLaneRotation(AllRacersList(200, 8), 8, 3, random));
  race.RoundCount = 1;
  race.CurrentRound = 1;
  race.TotalHeats = HeatCount(race.Rounds[0]);
  SilentNotifier notifier;
  std::vector<Currency> times(8);
  // Every heat but the last raced, so the completion check walks them all.
  for (int32_t h = 1; h < race.TotalHeats; ++h) {
    for (int32_t l = 0; l < 8; ++l)
      times[l] = Currency::FromRaw(30000 + (h * 7 + l * 13) % 997);
    RecordHeatTimes(race, times, h, random, notifier);
  }
  int32_t heat = 1;
  for (auto _ : state) {
    for (int32_t l = 0; l < 8; ++l)
      times[l] = Currency::FromRaw(30000 + (heat * 11 + l) % 991);
    RecordHeatTimes(race, times, heat, random, notifier);
    heat = heat % (race.TotalHeats - 1) + 1;
  }
}
BENCHMARK(BM_RecordHeatTimes_200x8x600)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora
