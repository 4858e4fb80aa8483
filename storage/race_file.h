// The saved race file (.vsr): writing the race and reading it back.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "notifier.h"
#include "race_displays.h"
#include "race_random.h"
#include "race_types.h"

namespace velmora {

// `path` with ".vsr" appended unless its extension is exactly ".vsr".
std::string RaceFilePath(const std::string& path);

// The lines of the race file, without line ends.
std::vector<std::string> RaceFileLines(const RaceState& race);

// Writes the race to RaceFilePath(path) (temporary file, then rename) and
// returns the path written. Throws FileError.
std::string SaveRace(const RaceState& race, const std::string& path);

// One racer block as the racers page shows it after a load.
struct LoadedRacer {
  std::string CarName;
  std::string RacerName;
  std::string CarNumber;
  int32_t Group = -1;  // the group grid row whose name goes into the group column
};

// What the wizard pages and the main window must show after a load. An empty
// optional leaves its control as it was.
struct LoadedRaceView {
  // Heat scheduling page.
  std::optional<int> RaceTypeRadio;  // 0 "Lane Rotation", 1 "Stearns", 2 "Perfect N"
  std::optional<std::string> RunsText;
  // Race setup page.
  std::optional<int> ScoringItem;
  std::optional<bool> IgnoreWorst;
  std::optional<bool> UseGroups;  // set before the group rows below are applied
  std::optional<int> GroupsMethodItem;
  // The group grid's rows; empty when the file has none, in which case the
  // grid is cut to one row that keeps the name it had.
  std::vector<std::string> GroupRows;
  // Customize page.
  std::string RaceName;  // set also when the file lacks the line
  std::optional<std::string> Organization;
  std::optional<int> VehicleItem;  // -1: no item selected
  std::optional<std::string> LogoPath;
  // Track setup page.
  std::optional<int> TimerItem;
  std::optional<std::string> TimerPort;  // refresh the ports, select this caption
  int LanesItem = -1;                    // LaneCount - 1
  std::vector<std::pair<std::string, std::string>> LaneRows;  // name, RRGGBB
  // Additional hardware page.
  std::optional<int> PortItem;
  std::optional<bool> UseLightTree;
  std::optional<std::array<int, 6>> LightTreePinItems;
  std::optional<int> LightTreeTimeItem;
  std::optional<bool> UseSolenoid;
  std::optional<int> SolenoidPinItem;
  std::optional<int> SolenoidDurationItem;
  std::optional<bool> UseFinishLineSensor;
  std::optional<bool> InvertSensor;
  std::optional<std::array<int, 5>> SensorPinItems;
  // Racers page: one entry per racer block, in file order.
  std::vector<LoadedRacer> Racers;
  // Main window: the leader box's score caption.
  std::optional<std::string> ScoreCaption;
};

// Reads a race file into a new race and, when the whole file is readable,
// puts it in place of `race`, places every raced heat, computes the
// standings, runs the completion check and initialises the displays. A file
// that cannot be loaded throws FileError naming the file, the line and the
// problem, and leaves `race` exactly as it was.
LoadedRaceView LoadRace(RaceState& race, const std::string& path, RaceRandom& random,
                        Notifier& notifier, RaceDisplays& displays);

// LoadRace on lines already read; `path` names the file in messages.
LoadedRaceView LoadRaceLines(RaceState& race, const std::vector<std::string>& lines,
                             const std::string& path, RaceRandom& random, Notifier& notifier,
                             RaceDisplays& displays);

// The parsing part of LoadRace: the race the lines describe, read over a copy
// of `previous` (header items whose line lacks its key keep their values).
// Throws FileError as LoadRace does.
RaceState ParseRaceFile(const RaceState& previous, const std::vector<std::string>& lines,
                        const std::string& path, LoadedRaceView& view);

}  // namespace velmora
