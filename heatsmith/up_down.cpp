#include "up_down.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
  up_ = new QToolButton(this);
  down_ = new QToolButton(this);
  up_->setObjectName(QStringLiteral("Up"));
  down_->setObjectName(QStringLiteral("Down"));
  for (QToolButton* button : {up_, down_}) {
    button->setAutoRepeat(true);
    // The arrows never hold the focus themselves; the buddy edit gets it.
    button->setFocusPolicy(Qt::NoFocus);
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  connect(up_, &QToolButton::clicked, this, &TUpDown::stepUp);
  connect(down_, &QToolButton::clicked, this, &TUpDown::stepDown);
  setFocusPolicy(Qt::ClickFocus);
}

void TUpDown::setMinimum(int minimum) {
  setRange(minimum, std::max(minimum, maximum_));
}

void TUpDown::setMaximum(int maximum) {
  setRange(std::min(minimum_, maximum), maximum);
}

void TUpDown::setRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  setValue(value_);
}

int TUpDown::Bounded(int value) const {
  return std::clamp(value, minimum_, maximum_);
}

void TUpDown::setValue(int value) {
  value = Bounded(value);
  if (value == value_)
    return;
  value_ = value;
  emit valueChanged(value_);
}

void TUpDown::stepBy(int steps) {
  long long next = static_cast<long long>(value_) + steps;
  if (wrapping_ && (next > maximum_ || next < minimum_)) {
    next = next > maximum_ ? minimum_ : maximum_;
  }
  setValue(static_cast<int>(std::clamp<long long>(next, minimum_, maximum_)));
}

void TUpDown::setBuddy(QLineEdit* edit) {
  if (buddy_)
    buddy_->removeEventFilter(this);
  buddy_ = edit;
  setFocusProxy(edit);
  if (edit)
    edit->installEventFilter(this);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched == buddy_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Up) {
      stepUp();
      return true;
    }
    if (key->key() == Qt::Key_Down) {
      stepDown();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TUpDown::resizeEvent(QResizeEvent*) {
  int upper = height() / 2;
  up_->setGeometry(0, 0, width(), upper);
  down_->setGeometry(0, upper, width(), height() - upper);
}
