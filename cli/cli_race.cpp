#include "cli_race.h"

#include "cli_support.h"
#include "race_displays.h"
#include "race_file.h"

namespace velmora::cli {

void LoadRaceFile(const std::string& path, RaceState& race, RaceRandom& random) {
  PrintingNotifier notifier;
  NoRaceDisplays displays;
  LoadRace(race, path, random, notifier, displays);
}

}  // namespace velmora::cli
