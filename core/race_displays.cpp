#include "race_displays.h"

#include "race_module.h"

namespace velmora {

void PrepareRaceDisplays(RaceState& race) {
  race.CurrentHeat = 1;
  race.Leaders.Items.resize(race.RacerCount > 0 ? static_cast<size_t>(race.RacerCount) : 0);
  ComputeStandings(race);
}

void InitRaceDisplays(RaceState& race, RaceDisplays& displays) {
  PrepareRaceDisplays(race);
  displays.InitRaceDisplays();
}

}  // namespace velmora
