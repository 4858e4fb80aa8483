#include "race_display_feed.h"

#include "leader_box.h"
#include "on_deck_grid.h"
#include "race_board.h"

namespace velmora {

namespace {

// Heat `heatNumber` (1-based) of round `roundNumber`, or nullptr when the
// race has no such heat; the spare heat counts, as its lists are empty.
const THeat* HeatAt(const RaceState& race, int32_t roundNumber, int32_t heatNumber) {
  const THeats* round = RoundAt(race, roundNumber);
  if (round == nullptr || heatNumber < 1 || static_cast<size_t>(heatNumber) > round->Heats.size()) {
    return nullptr;
  }
  return &round->Heats[static_cast<size_t>(heatNumber) - 1];
}

template <typename T>
T ValueAt(const std::vector<T>& list, size_t index) {
  return index < list.size() ? list[index] : T{};
}

void ShowLaneOnBoard(const RaceState& race, const THeat* heat, size_t lane,
                     race_board::TCurrentRacer& entry) {
  entry = race_board::TCurrentRacer{};
  const int32_t position = heat == nullptr ? 0 : ValueAt(heat->LaneCars, lane);
  const TCar* car = position == 0 ? nullptr : CarAt(race, position);
  if (car == nullptr) {
    entry.CarName = kNoCarText;
    entry.RacerName = kNoCarText;
    entry.CarNumber = kNoCarText;
    return;
  }
  entry.CarName = car->CarName;
  entry.RacerName = car->RacerName;
  entry.CarNumber = car->CarNumber;
  const Currency time = ValueAt(heat->Times, lane);
  if (heat->Raced && time > Currency()) {
    entry.Time = time;
    entry.Place = ValueAt(heat->Places, lane);
  }
}

}  // namespace

std::string OnDeckText(const RaceState& race, int32_t position) {
  const TCar* car = position == 0 ? nullptr : CarAt(race, position);
  if (car == nullptr) {
    return kNoCarText;
  }
  if (car->CarName.empty()) {
    return "<Racer " + std::to_string(position) + ">";
  }
  return car->CarName;
}

void ShowRaceLanes(const RaceState& race, TRaceBoard& board, TOnDeckGrid& grid) {
  board.SetLaneCount(race.LaneCount);
  board.SetVehicleType(race.VehicleType);
  grid.SetLaneCount(race.LaneCount);
  auto& boardLanes = board.Lanes().Items;
  auto& gridLanes = grid.Lanes().Items;
  for (size_t i = 0; i < boardLanes.size() && i < race.Lanes.size(); ++i) {
    boardLanes[i].Name = race.Lanes[i].Name;
    boardLanes[i].Color = race.Lanes[i].Color;
  }
  for (size_t i = 0; i < gridLanes.size() && i < race.Lanes.size(); ++i) {
    gridLanes[i].Name = race.Lanes[i].Name;
    gridLanes[i].Color = race.Lanes[i].Color;
  }
}

void ShowRaceHeat(const RaceState& race, TRaceBoard& board, TOnDeckGrid& grid, TLeaderBox& box) {
  board.SetCurrentHeat(race.CurrentHeat);
  board.SetTotalHeats(race.TotalHeats);

  const THeat* onShow = HeatAt(race, race.CurrentRound, race.CurrentHeat);
  auto& boardRacers = board.CurrentRacers().Items;
  for (size_t lane = 0; lane < boardRacers.size(); ++lane) {
    ShowLaneOnBoard(race, onShow, lane, boardRacers[lane]);
  }

  // The grid never looks into the next round.
  const THeat* next = race.CurrentHeat >= race.TotalHeats
                          ? nullptr
                          : HeatAt(race, race.CurrentRound, race.CurrentHeat + 1);
  auto& gridRacers = grid.Racers().Items;
  for (size_t lane = 0; lane < gridRacers.size(); ++lane) {
    gridRacers[lane] =
        next == nullptr ? kNoCarText : OnDeckText(race, ValueAt(next->LaneCars, lane));
  }

  box.SetLeaders(race.Leaders);
}

}  // namespace velmora
