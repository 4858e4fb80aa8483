// An up-down control beside an edit: two arrow buttons that step an integer
// position between a minimum and a maximum and show it in the edit. Its
// interface follows QSpinBox (minimum, maximum, value, wrapping, stepUp...).
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

class QToolButton;

class TUpDown : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged USER true)
  Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
  Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
  Q_PROPERTY(bool wrapping READ wrapping WRITE setWrapping)

 public:
  explicit TUpDown(QWidget* parent = nullptr);

  int value() const { return value_; }
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  bool wrapping() const { return wrapping_; }
  void setMinimum(int minimum);
  void setMaximum(int maximum);
  void setRange(int minimum, int maximum);
  void setWrapping(bool wrapping) { wrapping_ = wrapping; }

  // The edit that shows the position. Its Up and Down keys step as well, and
  // a click on the arrows gives it the focus.
  void setBuddy(QLineEdit* edit);
  QLineEdit* buddy() const { return buddy_; }

  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 public slots:
  void setValue(int value);
  void stepUp() { stepBy(1); }
  void stepDown() { stepBy(-1); }
  void stepBy(int steps);

 signals:
  void valueChanged(int value);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int Bounded(int value) const;

  QToolButton* up_;
  QToolButton* down_;
  QPointer<QLineEdit> buddy_;
  int minimum_ = 0;
  int maximum_ = 100;
  int value_ = 0;
  bool wrapping_ = false;
};
