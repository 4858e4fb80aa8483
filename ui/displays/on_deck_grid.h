// The small display of who races next: a swatch in each lane's colour with
// the lane's name, and beside it the car that runs in that lane next heat.
#pragma once

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

class QPainter;

namespace velmora {

// The grid's own records, filled by the race controller.
namespace on_deck {

struct TLane {
  int32_t Color = 0;  // red in the low byte, then green, then blue
  std::string Name;
};

struct TLanes {
  std::vector<TLane> Items;
};

struct TRacers {
  std::vector<std::string> Items;  // entry i for lane i + 1
};

}  // namespace on_deck

class TOnDeckGrid : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int LaneCount READ LaneCount WRITE SetLaneCount)

 public:
  static constexpr int kWidth = 225;
  static constexpr int kHeight = 200;
  // The rows the row step allows; a track has at most this many lanes.
  static constexpr int kMaxLanes = 8;

  explicit TOnDeckGrid(QWidget* parent = nullptr);

  on_deck::TLanes& Lanes() { return lanes_; }
  const on_deck::TLanes& Lanes() const { return lanes_; }
  void SetLanes(const on_deck::TLanes& lanes) { lanes_ = lanes; }

  on_deck::TRacers& Racers() { return racers_; }
  const on_deck::TRacers& Racers() const { return racers_; }
  void SetRacers(const on_deck::TRacers& racers) { racers_ = racers; }

  // Resizes Lanes and Racers to `count` entries (clamped to 0 up to
  // kMaxLanes), keeping the entries that exist; new ones are empty.
  int LaneCount() const { return laneCount_; }
  void SetLaneCount(int count);

  void Paint() { update(); }
  void PaintTo(QPainter& painter) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  on_deck::TLanes lanes_;
  on_deck::TRacers racers_;
  int laneCount_ = 0;
};

}  // namespace velmora
