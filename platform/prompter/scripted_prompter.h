// A Prompter for tests: records everything asked and shown, and answers from
// queues filled beforehand. An empty queue answers No or Cancel and counts
// the request as unanswered, so a test never blocks on a dialog.
#pragma once

#include <QStringList>

#include <deque>
#include <vector>

#include "prompter.h"

namespace velmora::testing {

class ScriptedPrompter : public Prompter {
 public:
  enum class Kind { Information, Question, Error, OpenFile, SaveFile, Color, Picture };
  struct Request {
    Kind kind;
    QString text;  // the message, or the filter of a file dialog
  };

  // Answers, used in order per kind. An empty file name is Cancel.
  void QueueAnswer(bool yes) { answers_.push_back(yes); }
  void QueueOpenFile(const QString& path) { openFiles_.push_back(path); }
  void QueueSaveFile(const QString& path) { saveFiles_.push_back(path); }
  void QueueColor(std::optional<QColor> color) { colors_.push_back(color); }
  void QueuePicture(const QString& path) { pictures_.push_back(path); }

  const std::vector<Request>& Requests() const { return requests_; }
  // The texts of every request of one kind, in order.
  QStringList Texts(Kind kind) const;
  // Questions and dialogs that found no queued answer.
  int Unanswered() const { return unanswered_; }
  // Forgets the recorded requests (queued answers stay).
  void ClearRequests();

  void Information(const QString& text) override;
  bool WarningQuestion(const QString& text) override;
  void Error(const QString& text) override;
  QString OpenFile(const QString& filter, const QString& start = {}) override;
  QString SaveFile(const QString& filter, const QString& start = {}) override;
  std::optional<QColor> ChooseColor(const QColor& initial) override;
  QString ChoosePicture(const QString& start = {}) override;

 private:
  template <typename T>
  T Next(std::deque<T>& queue, T fallback);

  std::vector<Request> requests_;
  std::deque<bool> answers_;
  std::deque<QString> openFiles_;
  std::deque<QString> saveFiles_;
  std::deque<std::optional<QColor>> colors_;
  std::deque<QString> pictures_;
  int unanswered_ = 0;
};

}  // namespace velmora::testing
