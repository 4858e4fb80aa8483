// velmora-cli new: build a race as the setup wizard's Finish does and save it.
#include <CLI/CLI.hpp>
#include <iostream>
#include <map>
#include <memory>

#include "cli_support.h"
#include "integer_text.h"
#include "race_creation.h"
#include "race_displays.h"
#include "race_file.h"
#include "racer_list.h"

namespace velmora::cli {
namespace {

struct NewOptions {
  int lanes = 3;
  std::string laneNames;
  std::string laneColors;
  std::string racerList;
  int racers = 0;
  std::string racerGroups;
  std::string generator = "lane-rotation";
  std::string import;
  std::string runs = "1";
  std::string scoring = "average-time";
  bool ignoreWorst = false;
  std::string groups;
  bool groupsGiven = false;
  std::string groupMethod = "intergroup";
  std::string name;
  std::string organization;
  std::string vehicle = "Cars";
  std::string timer = "No Timer";
  std::string port;
  bool portGiven = false;
  std::string out;
};

int ItemOf(const std::vector<std::string>& items, const std::string& value) {
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i] == value)
      return static_cast<int>(i);
  }
  return -1;
}

const std::vector<std::string> kGenerators{"lane-rotation", "stearns", "perfect-n"};
const std::vector<std::string> kScorings{"average-time", "points", "fastest-time"};
const std::vector<std::string> kGroupMethods{"intergroup", "finals", "nointergroup"};
const std::vector<std::string> kVehicles{"Cars", "Trucks", "Boats", "Airplanes", "Rockets"};
const std::vector<std::string> kTimers{"No Timer", "MicroWizard", "TheJudge", "NewBold DTX000",
                                       "SmartLine"};

// The racer rows a racer list gives the racers page: a cell the file does
// not set keeps what the grid held there, which is the row's own number for
// every row after the first.
void RowsFromList(const std::string& path, RaceSetup& setup) {
  std::vector<LoadedRacerListRow> blocks = LoadRacerList(path);
  setup.RacerRows.clear();
  for (size_t k = 0; k < blocks.size(); ++k) {
    const std::string number = std::to_string(k + 1);
    RacerRow row;
    row.Label = "Racer " + number;
    row.CarName = blocks[k].CarName.value_or("");
    row.RacerName = blocks[k].RacerName.value_or("");
    row.CarNumber = blocks[k].CarNumber.value_or(k == 0 ? "" : number);
    setup.RacerRows.push_back(row);
  }
  if (setup.RacerRows.empty())
    setup.RacerRows.emplace_back();
  setup.NextRacerRow =
      RacerRow{"Racer " + std::to_string(setup.RacerRows.size() + 1), "", "", "", ""};
}

void NumberedRows(int count, RaceSetup& setup) {
  setup.RacerRows.clear();
  for (int i = 1; i <= count; ++i) {
    setup.RacerRows.push_back(
        RacerRow{"Racer " + std::to_string(i), "", "", std::to_string(i), ""});
  }
  setup.NextRacerRow =
      RacerRow{"Racer " + std::to_string(count + 1), "", "", std::to_string(count + 1), ""};
}

RaceSetup SetupFrom(const NewOptions& o) {
  RaceSetup setup;
  setup.LanesItem = o.lanes - 1;
  std::vector<std::string> names = SplitList(o.laneNames);
  std::vector<std::string> colors = SplitList(o.laneColors);
  setup.LaneRows.assign(static_cast<size_t>(o.lanes), LaneRow());
  for (size_t i = 0; i < setup.LaneRows.size(); ++i) {
    if (i < names.size())
      setup.LaneRows[i].Name = names[i];
    if (i < colors.size())
      setup.LaneRows[i].Color = colors[i];
  }
  setup.TimerItem = ItemOf(kTimers, o.timer);
  if (o.portGiven)
    setup.CheckedPort = o.port;

  setup.RaceName = o.name;
  setup.Organization = o.organization;
  setup.VehicleItem = ItemOf(kVehicles, o.vehicle);

  setup.ScoringItem = ItemOf(kScorings, o.scoring);
  setup.IgnoreWorst = o.ignoreWorst;
  if (o.groupsGiven) {
    setup.UseGroups = true;
    setup.GroupRows = SplitList(o.groups);
    if (setup.GroupRows.empty())
      setup.GroupRows.emplace_back();
  }
  setup.GroupsMethodItem = ItemOf(kGroupMethods, o.groupMethod);

  if (!o.racerList.empty()) {
    RowsFromList(o.racerList, setup);
  } else if (o.racers > 0) {
    NumberedRows(o.racers, setup);
  }
  std::vector<std::string> groups = SplitList(o.racerGroups);
  for (size_t i = 0; i < groups.size() && i < setup.RacerRows.size(); ++i) {
    setup.RacerRows[i].Group = groups[i];
  }

  if (!o.import.empty()) {
    setup.GenerateSchedule = false;
    setup.ImportSchedule = true;
    setup.ImportPath = o.import;
  } else {
    int item = ItemOf(kGenerators, o.generator);
    setup.LaneRotationChecked = item == 0;
    setup.StearnsChecked = item == 1;
    setup.PerfectNChecked = item == 2;
  }
  // The up-down follows a typed number within its range and keeps its
  // position otherwise.
  setup.RunsText = o.runs;
  if (std::optional<int32_t> runs = TextToInteger(o.runs)) {
    setup.RunsPosition = std::clamp(*runs, 1, 25);
  }
  return setup;
}

CommandAction Setup(CLI::App& app) {
  auto o = std::make_shared<NewOptions>();
  CLI::App* sub =
      app.add_subcommand("new", "Build a race as the setup wizard's Finish does and save it");
  sub->add_option("--lanes", o->lanes, "Number of lanes")
      ->check(CLI::Range(1, 8))
      ->capture_default_str();
  sub->add_option("--lane-names", o->laneNames, "Comma-separated lane names");
  sub->add_option("--lane-colors", o->laneColors, "Comma-separated RRGGBB colours (empty: white)");
  auto* list = sub->add_option("--racer-list", o->racerList, "Racers from a racer list file");
  auto* racers = sub->add_option("--racers", o->racers, "N racers with car numbers 1..N")
                     ->check(CLI::PositiveNumber);
  list->excludes(racers);
  sub->add_option("--racer-groups", o->racerGroups, "Comma-separated group text of each racer");
  auto* generator = sub->add_option("--generator", o->generator, "The schedule generator")
                        ->check(CLI::IsMember(kGenerators))
                        ->capture_default_str();
  sub->add_option("--import", o->import, "Import the heats from a race schedule file")
      ->excludes(generator);
  sub->add_option("--runs", o->runs, "Runs in each lane")->capture_default_str();
  sub->add_option("--scoring", o->scoring, "Scoring")
      ->check(CLI::IsMember(kScorings))
      ->capture_default_str();
  sub->add_flag("--ignore-worst", o->ignoreWorst, "Leave each car's worst time out");
  sub->add_option_function<std::string>(
      "--groups",
      [o](const std::string& v) {
        o->groups = v;
        o->groupsGiven = true;
      },
      "Use groups with these comma-separated names");
  sub->add_option("--group-method", o->groupMethod, "How groups race")
      ->check(CLI::IsMember(kGroupMethods))
      ->capture_default_str();
  sub->add_option("--name", o->name, "Race name");
  sub->add_option("--organization", o->organization, "Organization name");
  sub->add_option("--vehicle", o->vehicle, "Vehicle being raced")
      ->check(CLI::IsMember(kVehicles))
      ->capture_default_str();
  sub->add_option("--timer", o->timer, "Timer")
      ->check(CLI::IsMember(kTimers))
      ->capture_default_str();
  sub->add_option_function<std::string>(
      "--port",
      [o](const std::string& v) {
        o->port = v;
        o->portGiven = true;
      },
      "Serial port of the timer");
  sub->add_option("OUT", o->out, "The race file to write (.vsr is appended when missing)")
      ->required();
  sub->footer(
      "Messages and questions of race creation are printed on stderr (questions answered Yes).\n"
      "When creation stops or leaves the race empty nothing is written and the status is 1.");

  return [o]() {
    RaceSetup setup = SetupFrom(*o);
    RaceState race;
    RaceRandom random;
    PrintingNotifier notifier;
    CreateRaceResult result = CreateRace(race, setup, random, notifier);
    if (!result.CloseWizard || !result.InitDisplays || race.RoundCount == 0) {
      return static_cast<int>(kExitFailed);
    }
    NoRaceDisplays displays;
    InitRaceDisplays(race, displays);
    SaveRace(race, o->out);
    return static_cast<int>(kExitOk);
  };
}

const CommandRegistration registration("new", Setup);

}  // namespace
}  // namespace velmora::cli
