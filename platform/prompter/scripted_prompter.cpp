#include "scripted_prompter.h"

namespace velmora::testing {

template <typename T>
T ScriptedPrompter::Next(std::deque<T>& queue, T fallback) {
  if (queue.empty()) {
    ++unanswered_;
    return fallback;
  }
  T answer = queue.front();
  queue.pop_front();
  return answer;
}

QStringList ScriptedPrompter::Texts(Kind kind) const {
  QStringList texts;
  for (const Request& request : requests_) {
    if (request.kind == kind)
      texts << request.text;
  }
  return texts;
}

void ScriptedPrompter::ClearRequests() {
  requests_.clear();
  unanswered_ = 0;
}

void ScriptedPrompter::Information(const QString& text) {
  requests_.push_back({Kind::Information, text});
}

bool ScriptedPrompter::WarningQuestion(const QString& text) {
  requests_.push_back({Kind::Question, text});
  return Next(answers_, false);
}

void ScriptedPrompter::Error(const QString& text) {
  requests_.push_back({Kind::Error, text});
}

QString ScriptedPrompter::OpenFile(const QString& filter, const QString&) {
  requests_.push_back({Kind::OpenFile, filter});
  return Next(openFiles_, QString());
}

QString ScriptedPrompter::SaveFile(const QString& filter, const QString&) {
  requests_.push_back({Kind::SaveFile, filter});
  return Next(saveFiles_, QString());
}

std::optional<QColor> ScriptedPrompter::ChooseColor(const QColor& initial) {
  requests_.push_back({Kind::Color, initial.name()});
  return Next(colors_, std::optional<QColor>());
}

QString ScriptedPrompter::ChoosePicture(const QString&) {
  requests_.push_back({Kind::Picture, QString()});
  return Next(pictures_, QString());
}

}  // namespace velmora::testing
