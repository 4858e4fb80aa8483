// Building a race from the setup wizard's values: the Finish action.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "notifier.h"
#include "race_random.h"
#include "race_types.h"

namespace velmora {

// One row of the track page's lane grid.
struct LaneRow {
  std::string Name;
  std::string Color;  // RRGGBB text, or empty for white
};

// One row of the racers page's grid.
struct RacerRow {
  std::string Label;  // "Racer n"; not read by race creation
  std::string CarName;
  std::string RacerName;
  std::string CarNumber;
  std::string Group;  // group text, matched with the group rows ignoring case
};

// Every value race creation reads from the wizard, one field per control.
// Item fields are the selected item's index, -1 when none is selected.
// The defaults are the wizard's at program start.
struct RaceSetup {
  // Track setup page.
  int LanesItem = 2;                 // "1".."8"
  std::vector<LaneRow> LaneRows{3};  // rows 1..; missing rows read as empty
  int TimerItem = 0;  // "No Timer", "MicroWizard", "TheJudge", "NewBold DTX000", "SmartLine"
  std::optional<std::string> CheckedPort;  // caption of the checked serial port button

  // Customize page.
  std::string RaceName;
  std::string Organization;
  int VehicleItem = 0;  // "Cars", "Trucks", "Boats", "Airplanes", "Rockets"
  std::string LogoPath;

  // Additional hardware page.
  int PortItem = 0;  // "LPT1", "LPT2", "LPT3"
  bool UseLightTree = false;
  std::array<int, 6> LightTreePinItems{1, 2, 3, 4, 5, 6};  // item 0 is "Pin 2"
  int LightTreeTimeItem = 2;                               // item 0 is "0.25"
  bool UseSolenoid = false;
  int SolenoidPinItem = 0;
  int SolenoidDurationItem = 1;

  // Race setup page.
  int ScoringItem = 0;  // "Average Time", "Points", "Fastest Time"
  bool IgnoreWorst = false;
  bool UseGroups = false;
  std::vector<std::string> GroupRows{""};  // the group grid always has a row
  int GroupsMethodItem =
      0;  // "Groups race other groups", "Top 3 ... finals", "Groups do not race ..."

  // Racers page: the racer rows (grid rows 1..n) and the prepared next row
  // below them, which becomes the spare car.
  std::vector<RacerRow> RacerRows{RacerRow{"Racer 1", "", "", "1", ""}};
  RacerRow NextRacerRow{"Racer 2", "", "", "2", ""};

  // Heat scheduling page.
  bool GenerateSchedule = true;  // "Generate Schedule" radio
  bool ImportSchedule = false;   // "Import Schedule" radio
  bool LaneRotationChecked = true;
  bool StearnsChecked = false;
  bool PerfectNChecked = false;
  std::string RunsText = "1";  // text of the runs edit
  int RunsPosition = 1;        // position of its up-down, 1..25
  std::string ImportPath;
};

struct CreateRaceResult {
  // False: nothing changed and the wizard stays open.
  bool CloseWizard = false;
  // True: the race is ready; the caller runs InitRaceDisplays. False after a
  // failed group size check, which leaves the race empty.
  bool InitDisplays = false;
  // The leader box's score caption ("Avg Time", "Avg Pts", "Best Time").
  std::string ScoreCaption;
};

// The leader box caption of a scoring type ("Avg" for cumulative time).
std::string ScoreCaptionOf(ScoringType scoring);

// Replaces the race with the one the setup describes, asking and telling the
// user through `notifier`. Throws ConversionError for a runs text that is not
// a whole number or a bad lane colour text, and FileError for a schedule file
// that cannot be read; the race is then unchanged.
CreateRaceResult CreateRace(RaceState& race, const RaceSetup& setup, RaceRandom& random,
                            Notifier& notifier);

}  // namespace velmora
