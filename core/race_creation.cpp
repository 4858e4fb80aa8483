#include "race_creation.h"

#include <utility>

#include "errors.h"
#include "integer_text.h"
#include "race_generation.h"
#include "schedule_import.h"
#include "text_case.h"

namespace velmora {
namespace {

constexpr const char* kConfirmReplace =
    "Proceeding will erase all data from your previous race, do you want to proceed?";
constexpr const char* kTooFewRacers =
    "Number of racers must be greater than or equal to number of lanes";
constexpr const char* kLaneRotationGroupTooSmall =
    "Error: Not enough Racers for Lane rotation\n\rRacer count must be equal to or greater than "
    "lane count.";
constexpr const char* kStearnsGroupTooSmall =
    "Error: Not enough Racers for Lane rotation\n\rRacer count must be 3 greater than lane count.";

constexpr int32_t kWhite = 0xFFFFFF;

int32_t GroupOf(const std::string& text, const std::vector<std::string>& groupRows) {
  for (size_t g = 0; g < groupRows.size(); ++g) {
    if (SameIgnoringCase(text, groupRows[g]))
      return static_cast<int32_t>(g);
  }
  return -1;
}

TCar CarFromRow(const RacerRow& row, bool useGroups, const std::vector<std::string>& groupRows) {
  TCar car;
  car.CarName = row.CarName;
  car.RacerName = row.RacerName;
  car.CarNumber = row.CarNumber;
  car.Times.assign(1, Currency());
  car.Wins = 0;
  car.Losses = 0;
  car.Group = useGroups ? GroupOf(row.Group, groupRows) : -1;
  return car;
}

enum class Generator { None, LaneRotation, Stearns, PerfectN };

Generator ChosenGenerator(const RaceSetup& setup) {
  if (setup.LaneRotationChecked)
    return Generator::LaneRotation;
  if (setup.StearnsChecked)
    return Generator::Stearns;
  if (setup.PerfectNChecked)
    return Generator::PerfectN;
  return Generator::None;
}

THeats EmptyRound() {
  THeats round;
  round.Heats.resize(1);
  return round;
}

THeats Generate(Generator generator, const TIntArray& entries, int32_t laneCount, int32_t runs,
                RaceRandom& random) {
  switch (generator) {
    case Generator::LaneRotation:
      return GenerateLaneRotation(entries, laneCount, runs, random);
    case Generator::Stearns:
      return GenerateStearns(entries, laneCount, runs);
    case Generator::PerfectN:
      return GeneratePerfectN(entries, laneCount, runs);
    case Generator::None:
      break;
  }
  return EmptyRound();
}

GroupsMethod MethodOfItem(int item, GroupsMethod unchanged) {
  switch (item) {
    case 0:
      return GroupsMethod::Intergroup;
    case 1:
      return GroupsMethod::Finals;
    case 2:
      return GroupsMethod::NoIntergroup;
    default:
      return unchanged;
  }
}

}  // namespace

std::string ScoreCaptionOf(ScoringType scoring) {
  switch (scoring) {
    case ScoringType::AverageTime:
      return "Avg Time";
    case ScoringType::Points:
      return "Avg Pts";
    case ScoringType::CumulativeTime:
      return "Avg";
    case ScoringType::FastestTime:
      return "Best Time";
  }
  return "Avg Time";
}

CreateRaceResult CreateRace(RaceState& race, const RaceSetup& setup, RaceRandom& random,
                            Notifier& notifier) {
  CreateRaceResult result;
  if (setup.LanesItem < 0 || setup.LanesItem > 7) {
    notifier.Inform("Number of lanes must be from 1 to 8");
    return result;
  }
  const int32_t laneCount = setup.LanesItem + 1;

  // The user may decline replacing a race; the racer count is checked either way.
  bool proceed = true;
  if (race.RoundCount > 0 && !notifier.Ask(kConfirmReplace))
    proceed = false;
  if (static_cast<int64_t>(setup.RacerRows.size()) < laneCount) {
    notifier.Inform(kTooFewRacers);
    proceed = false;
  }
  if (!proceed)
    return result;

  // What could stop creation half way is checked before anything changes.
  const Generator generator = ChosenGenerator(setup);
  std::optional<int32_t> runsFromText;
  if (setup.GenerateSchedule) {
    runsFromText = TextToInteger(setup.RunsText);
    if (!runsFromText)
      throw ConversionError(NotAnIntegerMessage(setup.RunsText));
  }
  std::vector<std::string> scheduleLines;
  if (!setup.GenerateSchedule && setup.ImportSchedule) {
    scheduleLines = ReadScheduleLines(setup.ImportPath);
  }

  // The new race is built apart and replaces the old one at the end.
  RaceState next = race;

  // Track and options.
  if (setup.CheckedPort)
    next.TimerPort = *setup.CheckedPort;
  next.LaneCount = laneCount;
  next.RoundCount = 1;
  next.IgnoreWorst = setup.IgnoreWorst;

  // Groups. Without groups no names of an earlier race are kept: they would
  // make this race fail its group size checks.
  if (setup.UseGroups) {
    SetGroupsMethod(next, MethodOfItem(setup.GroupsMethodItem, next.GroupsMethod));
    next.GroupNames = setup.GroupRows;
  } else {
    SetGroupsMethod(next, GroupsMethod::NoGroups);
    next.GroupNames.clear();
  }

  // Timer, lanes, customize and hardware pages.
  if (setup.TimerItem >= 0 && setup.TimerItem <= 4) {
    next.TimerKind = TimerKindFromItem(setup.TimerItem);
    next.TimerType = TimerTypeText(next.TimerKind);
  }
  next.Lanes.clear();
  for (int32_t lane = 0; lane < laneCount; ++lane) {
    LaneRow row;
    if (static_cast<size_t>(lane) < setup.LaneRows.size())
      row = setup.LaneRows[lane];
    TLane entry;
    entry.Name = row.Name.empty() ? "Lane " + std::to_string(lane + 1) : row.Name;
    entry.Color = row.Color.empty() ? kWhite : TextToColor(row.Color);
    next.Lanes.push_back(entry);
  }
  next.RaceName = setup.RaceName;
  next.LogoPath = setup.LogoPath;
  next.Organization = setup.Organization;
  static const char* const kVehicles[] = {"Car", "Truck", "Boat", "Airplane", "Rocket"};
  next.VehicleType =
      (setup.VehicleItem >= 0 && setup.VehicleItem <= 4) ? kVehicles[setup.VehicleItem] : "";
  static const int32_t kPorts[] = {888, 632, 956};
  if (setup.PortItem >= 0 && setup.PortItem <= 2)
    next.ParallelPort = kPorts[setup.PortItem];
  next.LightTreeEnabled = setup.UseLightTree;
  for (size_t i = 0; i < 6; ++i)
    next.LightTreePins[i] = setup.LightTreePinItems[i] + 2;
  next.LightTreeDuration = (setup.LightTreeTimeItem + 1) * 250;
  next.SolenoidEnabled = setup.UseSolenoid;
  next.SolenoidPin = setup.SolenoidPinItem + 2;
  next.SolenoidDuration = (setup.SolenoidDurationItem + 1) * 250;

  // The racers, and the spare car from the prepared row below them.
  next.Cars.Items.clear();
  next.RacerCount = static_cast<int32_t>(setup.RacerRows.size());
  for (const RacerRow& row : setup.RacerRows) {
    next.Cars.Items.push_back(CarFromRow(row, setup.UseGroups, setup.GroupRows));
  }
  next.Cars.Items.push_back(CarFromRow(setup.NextRacerRow, setup.UseGroups, setup.GroupRows));

  next.Runs = setup.RunsPosition;
  next.Rounds.assign(1, THeats());

  // The schedule: generated for the whole field or per group, or imported.
  if (setup.GenerateSchedule) {
    switch (generator) {
      case Generator::LaneRotation:
        next.RaceType = RaceType::LaneRotation;
        break;
      case Generator::Stearns:
        next.RaceType = RaceType::Stearns;
        break;
      case Generator::PerfectN:
        next.RaceType = RaceType::PerfectN;
        break;
      case Generator::None:
        break;
    }
    const bool wholeField = next.GroupsMethod == GroupsMethod::NoGroups ||
                            next.GroupsMethod == GroupsMethod::Intergroup;
    const int32_t runs =
        (generator == Generator::PerfectN && wholeField) ? setup.RunsPosition : *runsFromText;
    if (wholeField) {
      next.Rounds[0] =
          Generate(generator, AllRacersList(next.RacerCount, laneCount), laneCount, runs, random);
    } else {
      next.RoundCount = static_cast<int32_t>(setup.GroupRows.size());
      next.Rounds.assign(setup.GroupRows.size(), THeats());
      for (size_t g = 0; g < setup.GroupRows.size(); ++g) {
        next.Rounds[g] = Generate(generator, GroupMembers(next, static_cast<int32_t>(g)), laneCount,
                                  runs, random);
        next.Rounds[g].Name = setup.GroupRows[g];
      }
    }
  } else if (setup.ImportSchedule) {
    next.RaceType = RaceType::Imported;
    next.Rounds[0] = ScheduleFromLines(scheduleLines, notifier);
    if (auto entry = FitScheduleToRace(next.Rounds[0], laneCount, next.RacerCount)) {
      notifier.Inform(ScheduleRacerMessage(*entry, next.RacerCount));
    }
  }
  for (THeats& round : next.Rounds) {
    if (round.Heats.empty())
      round.Heats.resize(1);  // every round ends with its spare heat
  }

  // Scoring.
  switch (setup.ScoringItem) {
    case 1:
      next.ScoringType = ScoringType::Points;
      break;
    case 2:
      next.ScoringType = ScoringType::FastestTime;
      break;
    default:
      next.ScoringType = ScoringType::AverageTime;
      break;
  }
  result.ScoreCaption = ScoreCaptionOf(next.ScoringType);

  // The wizard closes from here on.
  next.CurrentHeat = 1;
  next.CurrentRound = 1;
  next.TotalHeats = next.Rounds.empty() ? 0 : HeatCount(next.Rounds[0]);
  result.CloseWizard = true;

  // Every group too small for its generator is told and empties the race.
  if (next.RacerCount > 1 &&
      (next.RaceType == RaceType::LaneRotation || next.RaceType == RaceType::Stearns)) {
    for (size_t g = 0; g < next.GroupNames.size(); ++g) {
      const size_t members = GroupMembers(next, static_cast<int32_t>(g)).size();
      const char* message = nullptr;
      if (next.RaceType == RaceType::LaneRotation) {
        if (members < static_cast<size_t>(laneCount))
          message = kLaneRotationGroupTooSmall;
      } else if (members < static_cast<size_t>(laneCount) + 3) {
        message = kStearnsGroupTooSmall;
      }
      if (message) {
        notifier.Inform(message);
        proceed = false;
        next.Rounds.clear();
        next.RoundCount = 0;
        next.TotalHeats = 0;
        next.CurrentHeat = 0;
      }
    }
  }

  race = std::move(next);
  result.InitDisplays = proceed;
  return result;
}

}  // namespace velmora
