// A Notifier for tests: records every message and answers questions from a
// queue (Yes when the queue is empty).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "notifier.h"

namespace velmora::testing {

class RecordingNotifier : public Notifier {
 public:
  std::vector<std::string> messages;   // Inform texts, in order
  std::vector<std::string> questions;  // Ask texts, in order
  std::deque<bool> answers;

  void Inform(const std::string& text) override { messages.push_back(text); }
  bool Ask(const std::string& text) override {
    questions.push_back(text);
    if (answers.empty())
      return true;
    bool a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace velmora::testing
