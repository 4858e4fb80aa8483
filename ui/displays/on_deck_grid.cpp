#include "on_deck_grid.h"

#include <QPainter>
#include <algorithm>

#include "display_paint.h"

namespace velmora {

using namespace displays;

TOnDeckGrid::TOnDeckGrid(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void TOnDeckGrid::SetLaneCount(int count) {
  laneCount_ = std::clamp(count, 0, kMaxLanes);
  const auto size = static_cast<size_t>(laneCount_);
  lanes_.Items.resize(size);
  racers_.Items.resize(size);
}

void TOnDeckGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintTo(painter);
}

void TOnDeckGrid::PaintTo(QPainter& painter) const {
  painter.save();
  DrawFramedRect(painter, 0, 0, kWidth, kHeight, kBlack, kSilver);
  DrawFramedRect(painter, 10, 10, 215, 190, kBlack, kWhite);

  painter.setFont(DisplayFont(20));
  DrawTextAt(painter, 70, 10, QStringLiteral("On Deck"), kRed);
  painter.setFont(DisplayFont(16));
  DrawTextAt(painter, 20, 40, QStringLiteral("Lane"), kBlue);
  DrawTextAt(painter, 110, 40, QStringLiteral("Name"), kBlue);

  painter.setFont(DisplayFont(10));
  // More lanes, closer rows: eight swatches overlap so that all fit.
  const int step = 31 - 2 * laneCount_;
  const size_t rows = std::min(lanes_.Items.size(), racers_.Items.size());
  int y = 45;
  for (size_t i = 0; i < rows; ++i) {
    const on_deck::TLane& lane = lanes_.Items[i];
    y += step;
    DrawFramedRect(painter, 20, y, 100, y + 20, kBlack, LaneColor(lane.Color));
    DrawTextAt(painter, 23, y + 2, ToDisplayText(lane.Name), kBlack);
    DrawTextAt(painter, 110, y + 2, ToDisplayText(racers_.Items[i]), kBlack);
  }
  painter.restore();
}

}  // namespace velmora
