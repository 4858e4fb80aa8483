// The large display of the main window: the heat on show, one row per lane
// with the lane's name in its colour, the car, racer and number on that lane
// and, once the heat is timed, the lane's time and place.
#pragma once

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "currency.h"

class QPainter;

namespace velmora {

// The board's own records; they are copies filled by the race controller and
// are not the race's lane records.
namespace race_board {

struct TLane {
  std::string Name;
  int32_t Color = 0;  // red in the low byte, then green, then blue
};

struct TLanes {
  std::vector<TLane> Items;
};

struct TCurrentRacer {
  std::string CarName;
  std::string RacerName;
  std::string CarNumber;
  Currency Time;
  int32_t Place = 0;  // 1 = fastest in the heat
};

struct TCurrentRacers {
  std::vector<TCurrentRacer> Items;  // entry i belongs to lane i + 1
};

}  // namespace race_board

class TRaceBoard : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int CurrentHeat READ CurrentHeat WRITE SetCurrentHeat)
  Q_PROPERTY(int TotalHeats READ TotalHeats WRITE SetTotalHeats)
  Q_PROPERTY(int LaneCount READ LaneCount WRITE SetLaneCount)

 public:
  static constexpr int kWidth = 550;
  static constexpr int kHeight = 400;
  // The rows that fit the black area; a track has at most this many lanes.
  static constexpr int kMaxLanes = 8;

  explicit TRaceBoard(QWidget* parent = nullptr);

  int CurrentHeat() const { return currentHeat_; }
  void SetCurrentHeat(int value) { currentHeat_ = value; }
  int TotalHeats() const { return totalHeats_; }
  void SetTotalHeats(int value) { totalHeats_ = value; }

  // The board's own entries: the owner may write single fields in place.
  race_board::TLanes& Lanes() { return lanes_; }
  const race_board::TLanes& Lanes() const { return lanes_; }
  void SetLanes(const race_board::TLanes& lanes) { lanes_ = lanes; }

  // Resizes Lanes and CurrentRacers to `count` entries (clamped to 0 up to
  // kMaxLanes), keeping the entries that exist; new ones are empty.
  int LaneCount() const { return laneCount_; }
  void SetLaneCount(int count);

  race_board::TCurrentRacers& CurrentRacers() { return racers_; }
  const race_board::TCurrentRacers& CurrentRacers() const { return racers_; }
  void SetCurrentRacers(const race_board::TCurrentRacers& racers) { racers_ = racers; }

  const std::string& VehicleType() const { return vehicleType_; }
  void SetVehicleType(const std::string& value) { vehicleType_ = value; }

  // Asks for a redraw after the owner has changed properties; no setter
  // redraws by itself.
  void Paint() { update(); }

  // Draws the whole board onto `painter` at the board's fixed size.
  void PaintTo(QPainter& painter) const;

  // Draws `text` at (x, y) in the painter's pen colour, starting at `points`
  // and shrunk until it is no wider than `maxWidth`, cut when it is still too
  // wide at the smallest size. The painter's font is left as it was.
  static void DrawTextFitted(QPainter& painter, int x, int y, const QString& text, int maxWidth,
                             int points);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int currentHeat_ = 13;
  int totalHeats_ = 20;
  race_board::TLanes lanes_;
  int laneCount_ = 0;
  race_board::TCurrentRacers racers_;
  std::string vehicleType_;
};

}  // namespace velmora
