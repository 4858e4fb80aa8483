// The race controller's timer steps, without the window: Start runs the
// start devices and opens the timer port, Stop closes it, and every received
// line is parsed into the heat on show. The main window calls these and then
// does the rest (pictures, buttons, automatic progression, refresh).
#pragma once

#include <string>

#include "notifier.h"
#include "race_random.h"
#include "race_types.h"
#include "start_devices.h"
#include "timer_link.h"
#include "timer_protocols.h"

namespace velmora {

inline constexpr const char* kNoTimerMessage = "No Electronic Timer configured";

class TimerControl {
 public:
  TimerControl(RaceState& race, RaceRandom& random, TimerLink& link, PortOutput& port, Clock& clock,
               Notifier& notifier);

  // True from Start until the next timer line or Stop.
  bool TimerRunning() const { return running_; }

  // Sets TimerRunning, runs the light tree and the solenoid (blocking), then
  // opens TimerPort, or tells the user that no timer is configured, and sends
  // the SmartLine start command. A port that cannot be opened throws
  // SerialPortError with TimerRunning left true, so the caller skips its
  // remaining steps and the next click stops.
  void Start();

  // Clears TimerRunning and closes the port.
  void Stop();

  // A line from the link: parsed into the race (it may record the heat on
  // show); TimerRunning becomes false and the port stays open.
  TimerLineEffect LineReceived(const std::string& line);

 private:
  RaceState& race_;
  RaceRandom& random_;
  TimerLink& link_;
  PortOutput& port_;
  Clock& clock_;
  Notifier& notifier_;
  bool running_ = false;
};

}  // namespace velmora
