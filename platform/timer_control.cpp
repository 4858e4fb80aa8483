#include "timer_control.h"

namespace velmora {

TimerControl::TimerControl(RaceState& race, RaceRandom& random, TimerLink& link, PortOutput& port,
                           Clock& clock, Notifier& notifier)
    : race_(race), random_(random), link_(link), port_(port), clock_(clock), notifier_(notifier) {}

void TimerControl::Start() {
  running_ = true;
  RunStartSequence(race_, port_, clock_);
  if (!race_.TimerPort.empty() && race_.TimerKind != TimerKind::NoTimer) {
    link_.Open(race_.TimerPort);  // stays open under its first name until Stop
  } else {
    notifier_.Inform(kNoTimerMessage);
  }
  if (race_.TimerKind == TimerKind::SmartLine)
    link_.Send(TimerStartCommand(race_.TimerKind));
}

void TimerControl::Stop() {
  running_ = false;
  link_.Close();
}

TimerLineEffect TimerControl::LineReceived(const std::string& line) {
  TimerLineEffect effect = ParseTimerLine(race_, line, random_, notifier_);
  running_ = false;
  return effect;
}

}  // namespace velmora
