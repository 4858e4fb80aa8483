// A small race for the report tests: three lanes, four racers in two groups
// (one outside every group), two rounds, empty lanes, unraced heats, and
// names holding characters that HTML gives a meaning to. The statistics are
// set by hand, as the standings would leave them, so the reports are tested
// on their own. tests/data/reports/derby.vsr holds the same race as a saved
// race file.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "race_types.h"

namespace velmora::testing {

inline Currency Secs(int64_t tenThousandths) {
  return Currency::FromRaw(tenThousandths);
}

inline THeat Heat(TIntArray cars, std::vector<Currency> times, TIntArray places, bool raced) {
  THeat heat;
  heat.LaneCars = std::move(cars);
  heat.Times = std::move(times);
  heat.Places = std::move(places);
  heat.Raced = raced;
  return heat;
}

inline TCar Car(std::string racer, std::string car, std::string number, int32_t group) {
  TCar c;
  c.RacerName = std::move(racer);
  c.CarName = std::move(car);
  c.CarNumber = std::move(number);
  c.Group = group;
  c.Times = {Currency()};
  return c;
}

inline void SetResults(TCar& car, int64_t average, int64_t cumulative, int64_t averagePoints,
                       int64_t totalPoints, int32_t wins, int32_t losses) {
  car.AverageTime = Secs(average);
  car.CumulativeTime = Secs(cumulative);
  car.AveragePoints = Secs(averagePoints);
  car.TotalPoints = Secs(totalPoints);
  car.Wins = wins;
  car.Losses = losses;
  car.Score = car.AverageTime;
}

inline RaceState FixtureRace() {
  RaceState race;
  race.RaceName = "Pack 12 Derby";
  race.Organization = "Scouts & Friends";
  race.LaneCount = 3;
  race.Lanes = {{"Red", 0x0000FF}, {"Blue", 0xFF0000}, {"Green <outer>", 0x00FF00}};
  race.GroupNames = {"Tigers", "Bears & Wolves"};
  SetGroupsMethod(race, GroupsMethod::Intergroup);

  THeats first;
  first.Heats = {
      Heat({1, 2, 3}, {Secs(31000), Secs(32500), Secs(33333)}, {1, 2, 3}, true),
      // Lane 3 is empty; the timer still reported a time for it.
      Heat({2, 3, 0}, {Secs(30000), Secs(35000), Secs(99999)}, {1, 2, 3}, true),
      Heat({3, 4, 1}, {Secs(0), Secs(0), Secs(0)}, {}, false),
      THeat{},
  };
  THeats second;
  second.Name = "Tie Breakers";
  second.Heats = {
      Heat({4, 1, 2}, {Secs(29876), Secs(30001), Secs(31235)}, {1, 2, 3}, true),
      Heat({0, 4, 3}, {Secs(0), Secs(0), Secs(0)}, {}, false),
      THeat{},
  };
  race.Rounds = {first, second};
  race.RoundCount = 2;
  race.CurrentRound = 2;
  race.CurrentHeat = 1;
  race.TotalHeats = 2;

  race.Cars.Items = {
      Car("Ann", "Bolt", "7", 0),         Car("Ben \"Speedy\"", "R&D <Fast>", "12", 1),
      Car("Cy", "Dash", "3", 0),          Car("Dee", "Ember", "A-4", -1),
      Car("Spare", "Spare car", "99", 0),  // the spare entry race creation leaves
  };
  race.RacerCount = 4;
  SetResults(race.Cars.Items[0], 30500, 61001, 15000, 30000, 1, 1);
  SetResults(race.Cars.Items[1], 31245, 93735, 20000, 60000, 1, 2);
  SetResults(race.Cars.Items[2], 34166, 68333, 25000, 50000, 0, 2);
  SetResults(race.Cars.Items[3], 29876, 29876, 10000, 10000, 1, 0);
  race.Leaders.Items = {
      {"Ember", Secs(29876), 3},
      {"Bolt", Secs(30500), 0},
      {"R&D <Fast>", Secs(31245), 1},
      {"Dash", Secs(34166), 2},
  };
  return race;
}

inline const char* kFixtureDate = "12/11/2026";

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline bool FileExists(const std::string& path) {
  return access(path.c_str(), F_OK) == 0;
}

// A fresh folder for the files one test writes, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/velmora-reports-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()))
      path_ = name.data();
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!path_.empty())
      std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

}  // namespace velmora::testing
