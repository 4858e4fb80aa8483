#include "race_board.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "display_paint.h"

namespace velmora {

using namespace displays;

namespace {

constexpr int kTitlePoints = 20;
constexpr int kHeadingPoints = 16;
constexpr int kCellPoints = 12;
constexpr int kRowStep = 35;
constexpr int kFirstRowBase = 90;
constexpr int kColumnLines[] = {115, 220, 365, 415, 500};

}  // namespace

TRaceBoard::TRaceBoard(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void TRaceBoard::SetLaneCount(int count) {
  laneCount_ = std::clamp(count, 0, kMaxLanes);
  const auto size = static_cast<size_t>(laneCount_);
  lanes_.Items.resize(size);
  racers_.Items.resize(size);
}

void TRaceBoard::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintTo(painter);
}

void TRaceBoard::DrawTextFitted(QPainter& painter, int x, int y, const QString& text, int maxWidth,
                                int points) {
  const QFont saved = painter.font();
  const QColor color = painter.pen().color();
  const FittedText fitted =
      FitText(text, maxWidth, points, [&painter](int size, const QString& candidate) {
        return QFontMetrics(DisplayFont(size), painter.device()).horizontalAdvance(candidate);
      });
  painter.setFont(DisplayFont(fitted.points));
  DrawTextAt(painter, x, y, fitted.text, color);
  painter.setFont(saved);
}

void TRaceBoard::PaintTo(QPainter& painter) const {
  painter.save();
  DrawFramedRect(painter, 0, 0, kWidth, kHeight, kBlack, kSilver);
  DrawFramedRect(painter, 10, 10, 540, 390, kBlack, kBlack);

  painter.setFont(DisplayFont(kTitlePoints));
  DrawTextAt(painter, 200, 10, QStringLiteral("Heat %1 of %2").arg(currentHeat_).arg(totalHeats_),
             kYellow);

  painter.setFont(DisplayFont(kHeadingPoints));
  DrawTextAt(painter, 20, 45, QStringLiteral("Lane"), kWhite);
  DrawTextAt(painter, 120, 45, ToDisplayText(vehicleType_), kWhite);
  DrawTextAt(painter, 225, 45, QStringLiteral("Name"), kWhite);
  DrawTextAt(painter, 385, 45, QStringLiteral("#"), kWhite);
  DrawTextAt(painter, 425, 45, QStringLiteral("Time"), kWhite);

  for (int x : kColumnLines) {
    DrawVerticalLine(painter, x, 50, 380, 2, kGrey);
  }

  // A caller may have replaced one array with another length: only the rows
  // both arrays have are drawn.
  const int rows = static_cast<int>(std::min(lanes_.Items.size(), racers_.Items.size()));
  for (int i = 0; i < rows; ++i) {
    const int r = kFirstRowBase + kRowStep * i;
    const race_board::TLane& lane = lanes_.Items[static_cast<size_t>(i)];
    DrawHorizontalLine(painter, 15, 535, r - 7, 2, kGrey);
    DrawTextAt(painter, 23, r + 2, ToDisplayText(lane.Name), LaneColor(lane.Color));
  }

  painter.setFont(DisplayFont(kCellPoints));
  painter.setPen(kWhite);
  for (int i = 0; i < rows; ++i) {
    const int t = kFirstRowBase + 6 + kRowStep * i;
    const race_board::TCurrentRacer& racer = racers_.Items[static_cast<size_t>(i)];
    DrawTextFitted(painter, 120, t, ToDisplayText(racer.CarName), 100, kCellPoints);
    DrawTextFitted(painter, 225, t, ToDisplayText(racer.RacerName), 115, kCellPoints);
    DrawTextFitted(painter, 370, t, ToDisplayText(racer.CarNumber), 40, kCellPoints);
    if (racer.Time > Currency()) {
      DrawTextAt(painter, 430, t, QString::fromStdString(CurrencyToText(racer.Time)), kWhite);
      DrawTextAt(painter, 505, t, QString::fromStdString(PlaceText(racer.Place)), kWhite);
    }
  }
  painter.restore();
}

}  // namespace velmora
