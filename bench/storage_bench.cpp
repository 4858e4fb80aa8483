// Loading and saving a large race file: 1000 racers, 8 lanes, 3 runs of lane
// rotation (3000 heats), every heat but the last raced.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "race_creation.h"
#include "race_displays.h"
#include "race_file.h"

namespace velmora {
namespace {

class SilentNotifier : public Notifier {
 public:
  void Inform(const std::string&) override {}
  bool Ask(const std::string&) override { return true; }
};

RaceState LargeRace() {
  RaceSetup setup;
  setup.LanesItem = 7;
  setup.LaneRows.assign(8, LaneRow());
  setup.RacerRows.clear();
  for (int i = 1; i <= 1000; ++i) {
    setup.RacerRows.push_back({"Racer " + std::to_string(i), "Car " + std::to_string(i),
                               "Driver " + std::to_string(i), std::to_string(i), ""});
  }
  setup.RunsText = "3";
  setup.RunsPosition = 3;
  RaceState race;
  RaceRandom random;
  SilentNotifier notifier;
  CreateRace(race, setup, random, notifier);
  THeats& round = race.Rounds[0];
  int64_t t = 0;
  for (int32_t h = 0; h + 1 < HeatCount(round); ++h) {
    for (Currency& time : round.Heats[h].Times) {
      time = Currency::FromRaw(25000 + (t++ * 7919) % 15000);
    }
  }
  NoRaceDisplays displays;
  InitRaceDisplays(race, displays);
  return race;
}

std::string ScratchFile(const std::string& name) {
  return (std::filesystem::temp_directory_path() /
          ("velmora-bench-" + std::to_string(getpid()) + "-" + name))
      .string();
}

void BM_LoadRace_1000x8x3(benchmark::State& state) {
  const std::string path = ScratchFile("load.vsr");
  SaveRace(LargeRace(), path);
  SilentNotifier notifier;
  NoRaceDisplays displays;
  for (auto _ : state) {
    RaceState race;
    RaceRandom random;
    LoadRace(race, path, random, notifier, displays);
    benchmark::DoNotOptimize(race.Leaders.Items.data());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadRace_1000x8x3)->Unit(benchmark::kMillisecond);

void BM_SaveRace_1000x8x3(benchmark::State& state) {
  const std::string path = ScratchFile("save.vsr");
  const RaceState race = LargeRace();
  for (auto _ : state) {
    SaveRace(race, path);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveRace_1000x8x3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
