// The small display that lists the current leaders, best first, with their
// scores under a caption naming the kind of score.
#pragma once

#include <QWidget>
#include <string>

#include "race_types.h"

class QPainter;

namespace velmora {

class TLeaderBox : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int LeaderCount READ LeaderCount WRITE SetLeaderCount)

 public:
  static constexpr int kWidth = 225;
  static constexpr int kHeight = 280;
  // Fewer entries than this show only the heading.
  static constexpr size_t kMinRows = 3;
  static constexpr size_t kMaxRows = 10;

  explicit TLeaderBox(QWidget* parent = nullptr);

  TLeaders& Leaders() { return leaders_; }
  const TLeaders& Leaders() const { return leaders_; }
  void SetLeaders(const TLeaders& leaders) { leaders_ = leaders; }

  // Stores the count (negative counts as 0) and resizes Leaders to it; new
  // entries are empty. Painting uses the length of Leaders, not this count.
  int LeaderCount() const { return leaderCount_; }
  void SetLeaderCount(int count);

  // "Avg Time", "Avg Pts", "Best Time" or "Avg".
  const std::string& ScoreType() const { return scoreType_; }
  void SetScoreType(const std::string& value) { scoreType_ = value; }

  void Paint() { update(); }
  void PaintTo(QPainter& painter) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TLeaders leaders_;
  int leaderCount_ = 0;
  std::string scoreType_;
};

}  // namespace velmora
