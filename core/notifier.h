// How core operations talk to the person running the race. The core never
// shows anything itself; windows forward to their prompter, the command line
// prints, tests record.
#pragma once

#include <string>

namespace velmora {

class Notifier {
 public:
  virtual ~Notifier() = default;
  // An information message the user closes.
  virtual void Inform(const std::string& text) = 0;
  // A warning question with Yes and No; true for Yes.
  virtual bool Ask(const std::string& text) = 0;
};

}  // namespace velmora
