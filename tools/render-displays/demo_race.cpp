#include "demo_race.h"

#include <algorithm>

#include "race_generation.h"
#include "race_module.h"
#include "race_random.h"

namespace velmora::render {

namespace {

class SilentNotifier : public Notifier {
 public:
  void Inform(const std::string&) override {}
  bool Ask(const std::string&) override { return true; }
};

struct DemoRacer {
  const char* car;
  const char* racer;
  const char* number;
  int speed;  // ten-thousandths added to the base time
};

// Two names are too wide for their columns at full size, one car has no name.
constexpr DemoRacer kRacers[] = {
    {"Blue Lightning", "Maya Okafor", "101", 1240},
    {"Red Rocket", "Theo Lindqvist", "102", 2875},
    {"Midnight Express", "Priya Ramanathan", "103", 760},
    {"Pinecone", "Sam Reyes", "104", 4410},
    {"", "Ava Kowalczyk", "105", 3150},
    {"Gravity Well", "Jonah Brightwater", "106", 1985},
    {"Slick Stick", "Lena Moreau", "107", 5320},
    {"Woodchuck", "Oscar Tanaka", "108", 2290},
};

constexpr int kTimedHeats = 6;

}  // namespace

RaceState BuildDemoRace(int lanes) {
  static const TLane kLaneColors[kDemoMaxLanes] = {
      {"Red", 0x0000FF},    {"Blue", 0xFF0000},   {"Green", 0x00C000}, {"Yellow", 0x00FFFF},
      {"Orange", 0x0080FF}, {"Purple", 0x800080}, {"White", 0xFFFFFF}, {"Pink", 0xC080FF}};
  const int laneCount = lanes < 1 ? 1 : lanes > kDemoMaxLanes ? kDemoMaxLanes : lanes;
  RaceState race;
  race.RaceName = "Maple Hollow Spring Derby";
  race.VehicleType = "Car";
  race.LaneCount = laneCount;
  race.Lanes.assign(kLaneColors, kLaneColors + laneCount);
  race.LaneTimes.resize(laneCount);
  race.ScoringType = ScoringType::AverageTime;
  race.Runs = 1;
  race.RaceType = velmora::RaceType::PerfectN;
  race.GroupNames = {"Everyone"};
  for (const DemoRacer& r : kRacers) {
    TCar car;
    car.CarName = r.car;
    car.RacerName = r.racer;
    car.CarNumber = r.number;
    car.Group = 0;
    race.Cars.Items.push_back(car);
  }
  race.RacerCount = static_cast<int32_t>(race.Cars.Items.size());
  race.Cars.Items.emplace_back();  // the spare entry race creation leaves

  race.Rounds.push_back(
      GeneratePerfectN(AllRacersList(race.RacerCount, laneCount), laneCount, race.Runs));
  race.RoundCount = 1;
  race.CurrentRound = 1;
  race.TotalHeats = HeatCount(race.Rounds[0]);
  race.CurrentHeat = 1;
  race.Leaders.Items.resize(static_cast<size_t>(race.RacerCount));
  ComputeStandings(race);

  RaceRandom random;
  SilentNotifier notifier;
  for (int heat = 1; heat <= kTimedHeats && heat <= race.TotalHeats; ++heat) {
    const THeat& h = race.Rounds[0].Heats[static_cast<size_t>(heat - 1)];
    std::vector<Currency> times;
    for (size_t lane = 0; lane < h.LaneCars.size(); ++lane) {
      const int32_t car = h.LaneCars[lane];
      // Base time, the car's own speed, and a little for the outer lanes.
      const int64_t raw =
          car == 0 ? 0
                   : 28000 + kRacers[car - 1].speed + static_cast<int64_t>(lane) * 135 + heat * 17;
      times.push_back(Currency::FromRaw(raw));
    }
    RecordHeatTimes(race, times, heat, random, notifier);
  }
  race.CurrentHeat = std::min(kTimedHeats, race.TotalHeats);
  return race;
}

}  // namespace velmora::render
