#include "leader_box.h"

#include <QPainter>
#include <algorithm>

#include "display_paint.h"

namespace velmora {

using namespace displays;

TLeaderBox::TLeaderBox(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void TLeaderBox::SetLeaderCount(int count) {
  leaderCount_ = std::max(count, 0);
  leaders_.Items.resize(static_cast<size_t>(leaderCount_));
}

void TLeaderBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintTo(painter);
}

void TLeaderBox::PaintTo(QPainter& painter) const {
  painter.save();
  DrawFramedRect(painter, 0, 0, kWidth, kHeight, kBlack, kSilver);
  DrawFramedRect(painter, 10, 10, 215, 270, kBlack, kBlue);

  painter.setFont(DisplayFont(11));
  DrawTextAt(painter, 20, 20, QStringLiteral("Leaders"), kWhite);
  DrawTextAt(painter, 140, 20, ToDisplayText(scoreType_), kWhite);

  // Standings of one or two cars are not worth a list.
  if (leaders_.Items.size() >= kMinRows) {
    painter.setFont(DisplayFont(10));
    const size_t rows = std::min(leaders_.Items.size(), kMaxRows);
    for (size_t i = 0; i < rows; ++i) {
      const TLeader& leader = leaders_.Items[i];
      const int y = 52 + 20 * static_cast<int>(i);
      DrawTextAt(painter, 23, y, ToDisplayText(leader.Name), kYellow);
      if (leader.Score > Currency()) {
        DrawTextAt(painter, 140, y, QString::fromStdString(CurrencyToText(leader.Score)), kYellow);
      }
    }
  }
  painter.restore();
}

}  // namespace velmora
