// Loading a race file the way the main window's Load does, for the commands
// that read one.
#pragma once

#include <string>

#include "race_random.h"
#include "race_types.h"

namespace velmora::cli {

// Loads `path` into `race` with no displays; messages are printed. Throws
// FileError when the file cannot be loaded.
void LoadRaceFile(const std::string& path, RaceState& race, RaceRandom& random);

}  // namespace velmora::cli
