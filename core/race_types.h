// The race records and the one race state they make up.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "currency.h"

namespace velmora {

enum class RaceType : uint8_t {
  LaneRotation = 0,
  RoundRobin = 1,
  Stearns = 2,
  PerfectN = 3,
  SingleElimination = 4,
  DoubleElimination = 5,
  Imported = 6,  // the schedule was read from a race schedule file
};

enum class ScoringType : uint8_t {
  AverageTime = 0,
  Points = 1,
  CumulativeTime = 2,
  FastestTime = 3,
};

enum class GroupsMethod : uint8_t {
  NoGroups = 0,
  Finals = 1,
  Intergroup = 2,
  NoIntergroup = 3,
};

enum class TimerKind : uint8_t {
  NoTimer = 0,
  TheJudge = 1,
  MicroWizard = 2,
  NewBoldDTX000 = 3,
  SmartLine = 4,
};

// The TimerType text stored with each timer kind ("Microwizard", ...).
std::string TimerTypeText(TimerKind kind);
// The timer of the track setup list: items "No Timer", "MicroWizard",
// "TheJudge", "NewBold DTX000", "SmartLine" map to kinds 0, 2, 1, 3, 4.
// Out-of-range items give NoTimer.
TimerKind TimerKindFromItem(int item);
int TimerItemFromKind(TimerKind kind);

using TIntArray = std::vector<int32_t>;

// One racer and the car's results.
struct TCar {
  std::string RacerName;
  std::string CarName;
  std::string CarNumber;
  int32_t Group = -1;  // index into GroupNames; -1 when not among them
  std::vector<Currency> Times;
  Currency AverageTime;
  Currency FastestTime;
  Currency WorstTime;
  Currency CumulativeTime;
  Currency TotalPoints;
  TIntArray Places;
  Currency AveragePoints;
  int32_t Losses = 0;
  int32_t Wins = 0;
  Currency Score;
};

struct TCars {
  std::vector<TCar> Items;
};

struct TLane {
  std::string Name;
  int32_t Color = 0;  // 0x00BBGGRR
};

struct THeat {
  TIntArray LaneCars;           // 1-based car positions, 0 for an empty lane
  std::vector<Currency> Times;  // per lane, seconds
  TIntArray Places;             // per lane once raced
  bool Raced = false;
};

// One round: its real heats followed by one spare heat with empty lists.
struct THeats {
  std::string Name;
  std::vector<THeat> Heats;
};

// Number of real heats of a round (the spare heat excluded).
inline int32_t HeatCount(const THeats& round) {
  return round.Heats.empty() ? 0 : static_cast<int32_t>(round.Heats.size()) - 1;
}

struct TLeader {
  std::string Name;
  Currency Score;
  int32_t CarIndex = 0;  // 0-based index in Cars
};

struct TLeaders {
  std::vector<TLeader> Items;
};

// The one race. Walks over rounds and racers are bounded by RoundCount and
// RacerCount, never by the lengths of the lists, which may hold a spare entry.
struct RaceState {
  std::vector<THeats> Rounds;
  TCars Cars;
  TLeaders Leaders;
  std::vector<std::string> GroupNames;
  velmora::GroupsMethod GroupsMethod = velmora::GroupsMethod::NoGroups;
  int32_t CurrentRound = 0;
  int32_t RoundCount = 0;
  int32_t CurrentHeat = 0;
  int32_t TotalHeats = 0;
  int32_t RacerCount = 0;
  std::string TimerPort;
  std::string RaceName;
  int32_t LaneCount = 0;
  std::vector<TLane> Lanes;
  velmora::TimerKind TimerKind = velmora::TimerKind::NoTimer;
  std::string TimerType;
  velmora::RaceType RaceType = velmora::RaceType::LaneRotation;
  int32_t Runs = 0;
  velmora::ScoringType ScoringType = velmora::ScoringType::AverageTime;
  // Starts true so that it always equals (GroupsMethod != Finals).
  bool NoFinals = true;
  std::vector<Currency> LaneTimes;
  bool IgnoreWorst = false;
  std::string Organization;
  std::string LogoPath;
  std::string VehicleType;
  bool LightTreeEnabled = false;
  std::array<int32_t, 6> LightTreePins{};  // prestage, yellow 1..3, green, red
  int32_t LightTreeDuration = 0;
  bool ParSensorEnabled = false;
  std::array<int32_t, 5> ParSensorPins{};
  bool ParSensorInvert = false;
  bool SolenoidEnabled = false;
  int32_t SolenoidPin = 0;
  int32_t SolenoidDuration = 0;
  int32_t ParallelPort = 0;
};

// Sets GroupsMethod and NoFinals together.
void SetGroupsMethod(RaceState& race, GroupsMethod method);

// "RRGGBB" of a lane colour.
std::string ColorToText(int32_t color);
// The colour of an "RRGGBB" text; throws ConversionError
// "'$xy' is not a valid integer value" for a pair that is not hexadecimal.
int32_t TextToColor(const std::string& text);

// 1-based positions of the racers whose Group equals `group`.
TIntArray GroupMembers(const RaceState& race, int32_t group);

// The car at a 1-based position, or nullptr when the position is not a racer.
TCar* CarAt(RaceState& race, int32_t position);
const TCar* CarAt(const RaceState& race, int32_t position);

// The round at a 1-based number within RoundCount, or nullptr.
THeats* RoundAt(RaceState& race, int32_t roundNumber);
const THeats* RoundAt(const RaceState& race, int32_t roundNumber);

}  // namespace velmora
