#include "race_file.h"

#include <utility>

#include "errors.h"
#include "fields.h"
#include "integer_text.h"
#include "race_completion.h"
#include "race_creation.h"
#include "race_module.h"
#include "text_case.h"

namespace velmora {
namespace {

constexpr size_t kHeaderLines = 22;

const char* const kRaceTypeNames[] = {"LaneRotation", "RoundRobin",        "Stearns",
                                      "PerfectN",     "SingleElimination", "DoubleElimination",
                                      "Imported"};
const char* const kScoringNames[] = {"AverageTime", "Points", "CumulativeTime", "FastestTime"};
const char* const kGroupsMethodNames[] = {"NoGroups", "Finals", "Intergroup", "NoIntergroup"};

std::string Bool(bool value) {
  return value ? "TRUE" : "FALSE";
}

std::string Joined(const int32_t* values, size_t count) {
  std::string text;
  for (size_t i = 0; i < count; ++i) {
    if (i > 0)
      text += ':';
    text += std::to_string(values[i]);
  }
  return text;
}

bool Contains(const std::string& line, const char* word) {
  return line.find(word) != std::string::npos;
}

// The text after the first colon; a line without a colon has an empty value.
std::string ValueOf(const std::string& line) {
  size_t colon = line.find(':');
  return colon == std::string::npos ? std::string() : line.substr(colon + 1);
}

std::string From(const std::string& line, size_t index) {
  return line.size() > index ? line.substr(index) : std::string();
}

// Refusals name the file and the 1-based line.
class Reader {
 public:
  explicit Reader(const std::string& path) : path_(path) {}

  [[noreturn]] void Refuse(size_t index, const std::string& problem) const {
    throw FileError("Cannot load race file " + path_ + ": line " + std::to_string(index + 1) +
                    ": " + problem);
  }

  int32_t Integer(size_t index, const std::string& text) const {
    std::optional<int32_t> value = TextToInteger(text);
    if (!value)
      Refuse(index, NotAnIntegerMessage(text));
    return *value;
  }

  int32_t Color(size_t index, const std::string& text) const {
    try {
      return TextToColor(text);
    } catch (const ConversionError& e) {
      Refuse(index, e.what());
    }
  }

 private:
  const std::string& path_;
};

void ReadHeader(RaceState& race, const std::vector<std::string>& lines, const Reader& reader,
                LoadedRaceView& view) {
  auto keyed = [&](size_t n, const char* key) { return Contains(lines[n], key); };

  if (keyed(0, "RACETYPE")) {
    std::string value = ValueOf(lines[0]);
    for (int i = 0; i < 7; ++i) {
      if (value == kRaceTypeNames[i])
        race.RaceType = static_cast<RaceType>(i);
    }
  }
  if (race.RaceType == RaceType::LaneRotation)
    view.RaceTypeRadio = 0;
  if (race.RaceType == RaceType::Stearns)
    view.RaceTypeRadio = 1;
  if (race.RaceType == RaceType::PerfectN)
    view.RaceTypeRadio = 2;

  if (keyed(1, "RUNS")) {
    std::string value = ValueOf(lines[1]);
    race.Runs = reader.Integer(1, value);
    view.RunsText = value;
  }
  if (keyed(2, "SCORINGTYPE")) {
    std::string value = ValueOf(lines[2]);
    static const int kItems[] = {0, 1, 2, 2};
    for (int i = 0; i < 4; ++i) {
      if (value == kScoringNames[i]) {
        race.ScoringType = static_cast<ScoringType>(i);
        view.ScoreCaption = ScoreCaptionOf(race.ScoringType);
        view.ScoringItem = kItems[i];
      }
    }
  }
  if (keyed(3, "IGNOREWORST")) {
    race.IgnoreWorst = ValueOf(lines[3]) != "FALSE";
    view.IgnoreWorst = race.IgnoreWorst;
  }
  if (keyed(4, "GROUPSMETHOD")) {
    std::string value = ValueOf(lines[4]);
    GroupsMethod method = GroupsMethod::NoGroups;
    for (int i = 0; i < 4; ++i) {
      if (value == kGroupsMethodNames[i])
        method = static_cast<GroupsMethod>(i);
    }
    SetGroupsMethod(race, method);
    view.UseGroups = method != GroupsMethod::NoGroups;
    if (method == GroupsMethod::Intergroup)
      view.GroupsMethodItem = 0;
    if (method == GroupsMethod::Finals)
      view.GroupsMethodItem = 1;
    if (method == GroupsMethod::NoIntergroup)
      view.GroupsMethodItem = 2;
  }
  if (keyed(5, "LANECOUNT"))
    race.LaneCount = TextToInteger(ValueOf(lines[5])).value_or(0);
  if (keyed(6, "RACENAME"))
    race.RaceName = ValueOf(lines[6]);
  view.RaceName = race.RaceName;
  if (keyed(7, "ORGANIZATION")) {
    race.Organization = ValueOf(lines[7]);
    view.Organization = race.Organization;
  }
  if (keyed(8, "VEHICLE")) {
    race.VehicleType = ValueOf(lines[8]);
    static const char* const kVehicles[] = {"Car", "Truck", "Boat", "Airplane", "Rocket"};
    view.VehicleItem = -1;
    for (int i = 0; i < 5; ++i) {
      if (race.VehicleType == kVehicles[i])
        view.VehicleItem = i;
    }
  }
  if (keyed(9, "LOGO")) {
    race.LogoPath = ValueOf(lines[9]);
    view.LogoPath = race.LogoPath;
  }
  if (keyed(10, "TIMERTYPE")) {
    race.TimerType = ValueOf(lines[10]);
    static const TimerKind kKinds[] = {TimerKind::NoTimer, TimerKind::MicroWizard,
                                       TimerKind::TheJudge, TimerKind::NewBoldDTX000,
                                       TimerKind::SmartLine};
    for (TimerKind kind : kKinds) {
      if (SameIgnoringCase(race.TimerType, TimerTypeText(kind))) {
        race.TimerKind = kind;
        view.TimerItem = TimerItemFromKind(kind);
      }
    }
  }
  if (keyed(11, "TIMERPORT")) {
    race.TimerPort = ValueOf(lines[11]);
    view.TimerPort = race.TimerPort;
  }
  if (keyed(12, "PARPORT")) {
    race.ParallelPort = reader.Integer(12, ValueOf(lines[12]));
    if (race.ParallelPort == 888)
      view.PortItem = 0;
    if (race.ParallelPort == 632)
      view.PortItem = 1;
    if (race.ParallelPort == 956)
      view.PortItem = 2;
  }
  if (keyed(13, "LIGHTTREEENABLED")) {
    race.LightTreeEnabled = ValueOf(lines[13]) == "TRUE";
    view.UseLightTree = race.LightTreeEnabled;
  }
  if (keyed(14, "LIGHTTREEEPINS")) {
    std::string value = ValueOf(lines[14]);
    std::array<int, 6> items{};
    for (int i = 0; i < 6; ++i) {
      race.LightTreePins[i] = reader.Integer(14, GetField(':', value, i + 1));
      items[i] = race.LightTreePins[i] - 2;
    }
    view.LightTreePinItems = items;
  }
  if (keyed(15, "LIGHTTREEEDURATION")) {
    race.LightTreeDuration = reader.Integer(15, ValueOf(lines[15]));
    view.LightTreeTimeItem = race.LightTreeDuration / 250 - 1;
  }
  if (keyed(16, "SOLENOIDENABLED")) {
    race.SolenoidEnabled = ValueOf(lines[16]) == "TRUE";
    view.UseSolenoid = race.SolenoidEnabled;
  }
  if (keyed(17, "SOLENOIDPIN")) {
    race.SolenoidPin = reader.Integer(17, ValueOf(lines[17]));
    view.SolenoidPinItem = race.SolenoidPin - 2;
  }
  if (keyed(18, "SOLENOIDDURATION")) {
    race.SolenoidDuration = reader.Integer(18, ValueOf(lines[18]));
    view.SolenoidDurationItem = race.SolenoidDuration / 250 - 1;
  }
  if (keyed(19, "PARSENSORENABLED")) {
    race.ParSensorEnabled = ValueOf(lines[19]) == "TRUE";
    view.UseFinishLineSensor = race.ParSensorEnabled;
  }
  if (keyed(20, "PARSENSORINVERT")) {
    race.ParSensorInvert = ValueOf(lines[20]) == "TRUE";
    view.InvertSensor = race.ParSensorInvert;
  }
  if (keyed(21, "PARSENSORPINS")) {
    std::string value = ValueOf(lines[21]);
    std::array<int, 5> items{};
    for (int i = 0; i < 5; ++i) {
      race.ParSensorPins[i] = reader.Integer(21, GetField(':', value, i + 1));
      items[i] = race.ParSensorPins[i];
    }
    view.SensorPinItems = items;
  }
}

}  // namespace

std::string RaceFilePath(const std::string& path) {
  size_t slash = path.find_last_of('/');
  size_t dot = path.find_last_of('.');
  bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  if (hasExtension && path.compare(dot, std::string::npos, ".vsr") == 0)
    return path;
  return path + ".vsr";
}

std::vector<std::string> RaceFileLines(const RaceState& race) {
  std::vector<std::string> lines;
  const size_t lanes = race.LaneCount > 0 ? static_cast<size_t>(race.LaneCount) : 0;
  const auto type = static_cast<size_t>(race.RaceType);
  lines.push_back(std::string("RACETYPE:") + (type < 7 ? kRaceTypeNames[type] : ""));
  lines.push_back("RUNS:" + std::to_string(race.Runs));
  const auto scoring = static_cast<size_t>(race.ScoringType);
  lines.push_back(std::string("SCORINGTYPE:") + (scoring < 4 ? kScoringNames[scoring] : ""));
  lines.push_back("IGNOREWORST:" + Bool(race.IgnoreWorst));
  const auto method = static_cast<size_t>(race.GroupsMethod);
  lines.push_back(std::string("GROUPSMETHOD:") + (method < 4 ? kGroupsMethodNames[method] : ""));
  lines.push_back("LANECOUNT:" + std::to_string(race.LaneCount));
  lines.push_back("RACENAME:" + race.RaceName);
  lines.push_back("ORGANIZATION:" + race.Organization);
  lines.push_back("VEHICLE:" + race.VehicleType);
  lines.push_back("LOGO:" + race.LogoPath);
  lines.push_back("TIMERTYPE:" + race.TimerType);
  lines.push_back("TIMERPORT:" + race.TimerPort);
  lines.push_back("PARPORT:" + std::to_string(race.ParallelPort));
  lines.push_back("LIGHTTREEENABLED:" + Bool(race.LightTreeEnabled));
  lines.push_back("LIGHTTREEEPINS:" + Joined(race.LightTreePins.data(), 6));
  lines.push_back("LIGHTTREEEDURATION:" + std::to_string(race.LightTreeDuration));
  lines.push_back("SOLENOIDENABLED:" + Bool(race.SolenoidEnabled));
  lines.push_back("SOLENOIDPIN:" + std::to_string(race.SolenoidPin));
  lines.push_back("SOLENOIDDURATION:" + std::to_string(race.SolenoidDuration));
  lines.push_back("PARSENSORENABLED:" + Bool(race.ParSensorEnabled));
  lines.push_back("PARSENSORINVERT:" + Bool(race.ParSensorInvert));
  lines.push_back("PARSENSORPINS:" + Joined(race.ParSensorPins.data(), 5));

  for (size_t i = 0; i < lanes; ++i) {
    TLane lane = i < race.Lanes.size() ? race.Lanes[i] : TLane();
    lines.push_back("LANE:" + std::to_string(i) + ":" + ColorToText(lane.Color) + ":" + lane.Name);
  }
  for (const std::string& group : race.GroupNames)
    lines.push_back("GROUP:" + group);
  for (int32_t r = 0; r < race.RoundCount && static_cast<size_t>(r) < race.Rounds.size(); ++r) {
    const THeats& round = race.Rounds[static_cast<size_t>(r)];
    lines.push_back("ROUND::" + round.Name);
    for (int32_t h = 0; h < HeatCount(round); ++h) {
      const THeat& heat = round.Heats[static_cast<size_t>(h)];
      lines.push_back("HEAT:" + std::to_string(h + 1));
      for (size_t k = 0; k < lanes; ++k) {
        int32_t car = k < heat.LaneCars.size() ? heat.LaneCars[k] : 0;
        Currency time = k < heat.Times.size() ? heat.Times[k] : Currency();
        lines.push_back("LANE:" + std::to_string(k + 1) + ":" + std::to_string(car) + ":" +
                        CurrencyToText(time));
      }
    }
  }
  lines.emplace_back();
  for (int32_t i = 0; i < race.RacerCount && static_cast<size_t>(i) < race.Cars.Items.size(); ++i) {
    const TCar& car = race.Cars.Items[static_cast<size_t>(i)];
    lines.push_back("RACER:" + std::to_string(i + 1));
    lines.push_back("RACERNAME:" + car.RacerName);
    lines.push_back("CARNAME:" + car.CarName);
    lines.push_back("CARNUMBER:" + car.CarNumber);
    lines.push_back("GROUP:" + std::to_string(car.Group));
    lines.emplace_back();
  }
  return lines;
}

std::string SaveRace(const RaceState& race, const std::string& path) {
  std::string target = RaceFilePath(path);
  WriteLinesAtomic(target, RaceFileLines(race));
  return target;
}

RaceState ParseRaceFile(const RaceState& previous, const std::vector<std::string>& lines,
                        const std::string& path, LoadedRaceView& view) {
  Reader reader(path);
  if (lines.size() < kHeaderLines) {
    reader.Refuse(lines.size(), "the file ends inside the header, which has 22 lines");
  }
  RaceState race = previous;
  race.Cars.Items.clear();
  race.Rounds.clear();
  race.Leaders.Items.clear();
  ReadHeader(race, lines, reader, view);

  size_t n = kHeaderLines;
  // Lanes: "LANE:i:RRGGBB:name".
  race.Lanes.clear();
  for (; n < lines.size() && Contains(lines[n], "LANE"); ++n) {
    std::string value = ValueOf(lines[n]);
    TLane lane;
    lane.Color = reader.Color(n, value.size() > 2 ? value.substr(2, 6) : std::string());
    lane.Name = From(value, 9);
    race.Lanes.push_back(lane);
    view.LaneRows.emplace_back(lane.Name, ColorToText(lane.Color));
  }
  if (race.Lanes.size() > 8)
    reader.Refuse(n - 1, "a track has at most 8 lanes");
  race.LaneCount = static_cast<int32_t>(race.Lanes.size());
  view.LanesItem = race.LaneCount - 1;
  const size_t lanes = race.Lanes.size();

  // Groups. A file without group lines has no groups: names kept from an
  // earlier race would not belong to these racers.
  race.GroupNames.clear();
  for (; n < lines.size() && Contains(lines[n], "GROUP"); ++n) {
    race.GroupNames.push_back(ValueOf(lines[n]));
  }
  view.GroupRows = race.GroupNames;

  // Rounds and heats; car positions are checked once the racers are known.
  struct CarEntry {
    size_t line;
    int32_t car;
  };
  std::vector<CarEntry> cars;
  for (; n < lines.size() && (Contains(lines[n], "ROUND") || Contains(lines[n], "HEAT")); ++n) {
    if (Contains(lines[n], "ROUND")) {
      if (lanes == 0)
        reader.Refuse(n, "a round on a track without lane lines");
      THeats round;
      round.Name = From(ValueOf(lines[n]), 1);
      round.Heats.resize(1);  // the spare heat
      race.Rounds.push_back(std::move(round));
      continue;
    }
    if (race.Rounds.empty())
      reader.Refuse(n, "HEAT before the first ROUND");
    if (n + lanes >= lines.size()) {
      reader.Refuse(lines.size(), "the file ends inside the lane lines of a heat");
    }
    THeat heat;
    heat.LaneCars.resize(lanes);
    heat.Times.resize(lanes);
    heat.Places.resize(lanes);
    for (size_t k = 0; k < lanes; ++k) {
      const std::string& line = lines[n + 1 + k];
      heat.LaneCars[k] = TextToInteger(GetField(':', line, 3)).value_or(0);
      heat.Times[k] = TextToCurrency(GetField(':', line, 4), Currency());
      if (heat.Times[k] > Currency())
        heat.Raced = true;
      cars.push_back({n + 1 + k, heat.LaneCars[k]});
    }
    n += lanes;
    std::vector<THeat>& heats = race.Rounds.back().Heats;
    heats.insert(heats.end() - 1, std::move(heat));
  }
  race.RoundCount = static_cast<int32_t>(race.Rounds.size());

  // Racer blocks: "RACER:", then racer name, car name, car number and group,
  // each value at the fixed position after its key.
  for (; n + 1 < lines.size(); ++n) {
    if (!Contains(lines[n], "ACER:"))
      continue;
    auto line = [&](size_t at) -> const std::string& {
      static const std::string kNone;
      return at < lines.size() ? lines[at] : kNone;
    };
    TCar car;
    car.Times.assign(1, Currency());
    if (Contains(line(n + 1), "ACERNAME:"))
      car.RacerName = From(line(n + 1), 10);
    if (Contains(line(n + 2), "ARNAME:"))
      car.CarName = From(line(n + 2), 8);
    if (Contains(line(n + 3), "ARNUMBER:"))
      car.CarNumber = From(line(n + 3), 10);
    if (Contains(line(n + 4), "ROUP:")) {
      car.Group = TextToInteger(From(line(n + 4), 6)).value_or(-1);
    }
    race.Cars.Items.push_back(car);
    view.Racers.push_back({car.CarName, car.RacerName, car.CarNumber, car.Group});
    n += 4;
  }
  race.RacerCount = static_cast<int32_t>(race.Cars.Items.size());
  // A group index that names no group of the file is no group.
  for (size_t i = 0; i < race.Cars.Items.size(); ++i) {
    TCar& car = race.Cars.Items[i];
    if (car.Group < -1 || car.Group >= static_cast<int32_t>(race.GroupNames.size())) {
      car.Group = -1;
      view.Racers[i].Group = -1;
    }
  }

  for (const CarEntry& entry : cars) {
    if (entry.car < 0 || entry.car > race.RacerCount) {
      reader.Refuse(entry.line, "a heat names racer " + std::to_string(entry.car) +
                                    " but the file has " + std::to_string(race.RacerCount) +
                                    " racers");
    }
  }

  race.CurrentHeat = 1;
  race.CurrentRound = 1;
  race.TotalHeats = race.Rounds.empty() ? 0 : HeatCount(race.Rounds[0]);
  return race;
}

LoadedRaceView LoadRace(RaceState& race, const std::string& path, RaceRandom& random,
                        Notifier& notifier, RaceDisplays& displays) {
  return LoadRaceLines(race, ReadLines(path), path, random, notifier, displays);
}

LoadedRaceView LoadRaceLines(RaceState& race, const std::vector<std::string>& lines,
                             const std::string& path, RaceRandom& random, Notifier& notifier,
                             RaceDisplays& displays) {
  LoadedRaceView view;
  RaceState loaded = ParseRaceFile(race, lines, path, view);
  race = std::move(loaded);

  InitRaceDisplays(race, displays);
  for (int32_t r = 1; r <= race.RoundCount; ++r) {
    race.CurrentRound = r;
    const THeats& round = race.Rounds[static_cast<size_t>(r - 1)];
    for (int32_t h = 0; h < HeatCount(round); ++h) {
      if (round.Heats[static_cast<size_t>(h)].Raced)
        AssignPlaces(race, h);
    }
  }
  race.Leaders.Items.resize(static_cast<size_t>(race.RacerCount));
  race.CurrentHeat = 1;
  race.CurrentRound = race.RoundCount;
  race.TotalHeats = race.RoundCount > 0 ? HeatCount(race.Rounds.back()) : 0;
  ComputeStandings(race);
  CheckRaceComplete(race, random, notifier);
  displays.RefreshRaceDisplays();
  return view;
}

}  // namespace velmora
