// How windows talk to the person in front of them: messages, Yes/No
// questions, errors and the standard dialogs. Windows hold a Prompter& so
// tests can replace the real dialogs with a script.
#pragma once

#include <QColor>
#include <QString>

#include <exception>
#include <optional>
#include <utility>

namespace velmora {

class Prompter {
 public:
  virtual ~Prompter() = default;

  // A message the user closes with OK.
  virtual void Information(const QString& text) = 0;
  // A warning question with Yes and No buttons; true for Yes.
  virtual bool WarningQuestion(const QString& text) = 0;
  // A failure that ended what the user asked for.
  virtual void Error(const QString& text) = 0;

  // File dialogs. `filter` is a list of description and pattern pairs, all
  // separated by "|", e.g. "Race file|*.vsr|All files|*" (several patterns
  // in one pair are separated by ";"). `start` is a folder or a suggested
  // file name. An empty result means the user cancelled. The save dialog
  // does not ask about replacing an existing file: the caller decides.
  virtual QString OpenFile(const QString& filter, const QString& start = {}) = 0;
  virtual QString SaveFile(const QString& filter, const QString& start = {}) = 0;

  // A colour dialog starting at `initial`; nothing when cancelled.
  virtual std::optional<QColor> ChooseColor(const QColor& initial) = 0;
  // An open dialog for pictures; empty when cancelled.
  virtual QString ChoosePicture(const QString& start = {}) = 0;
};

// Turns a "description|pattern|..." filter into the form Qt's file dialogs
// take ("description (pattern);;...").
QString QtFileFilter(const QString& filter);

// The text shown for an exception that reached an event handler.
QString ErrorText(const std::exception& error);

// Runs one event handler. A thrown error is shown through the prompter and
// the program goes on; nothing escapes into Qt's event loop.
template <typename Handler>
void RunGuarded(Prompter& prompter, Handler&& handler) noexcept {
  try {
    try {
      std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
      prompter.Error(ErrorText(error));
    } catch (...) {
      prompter.Error(QStringLiteral("An unexpected error occurred."));
    }
  } catch (...) {
    // Showing the error failed as well (out of memory); keep running.
  }
}

}  // namespace velmora
