// The Prompter of the running programs: modal message boxes and Qt's file,
// colour and picture dialogs.
#pragma once

#include <QPointer>
#include <QWidget>

#include "prompter.h"

namespace velmora {

class QtPrompter : public Prompter {
 public:
  // Dialogs are shown over `parent`, or over the active window when it is
  // null (windows may come and go while one prompter serves them all).
  explicit QtPrompter(QWidget* parent = nullptr);
  void SetParent(QWidget* parent) { parent_ = parent; }

  void Information(const QString& text) override;
  bool WarningQuestion(const QString& text) override;
  void Error(const QString& text) override;
  QString OpenFile(const QString& filter, const QString& start = {}) override;
  QString SaveFile(const QString& filter, const QString& start = {}) override;
  std::optional<QColor> ChooseColor(const QColor& initial) override;
  QString ChoosePicture(const QString& start = {}) override;

 private:
  QWidget* Parent() const;
  QPointer<QWidget> parent_;
};

}  // namespace velmora
