#include "timer_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "race_fixture.h"
#include "recording_notifier.h"

namespace velmora {
namespace {

// One log for the link, the port and the notifier, so order shows.
struct Log {
  std::vector<std::string> events;
};

class FakeLink : public TimerLink {
 public:
  explicit FakeLink(Log& log) : log_(log) {}
  void Open(const std::string& name) override {
    log_.events.push_back("open " + name);
    if (fail)
      throw SerialPortError("Cannot open serial port " + name + ": Permission denied");
    if (!open_)
      name_ = name;
    open_ = true;
  }
  void Close() override {
    log_.events.push_back("close");
    open_ = false;
    name_.clear();
  }
  bool IsOpen() const override { return open_; }
  std::string OpenName() const override { return name_; }
  void Send(const std::string& bytes) override {
    if (open_)
      log_.events.push_back("send " + bytes);
  }
  void SetLineHandler(LineHandler) override {}
  void SetErrorHandler(ErrorHandler) override {}
  bool fail = false;

 private:
  Log& log_;
  bool open_ = false;
  std::string name_;
};

class LoggingPort : public PortOutput {
 public:
  explicit LoggingPort(Log& log) : log_(log) {}
  void PortOut(uint16_t address, uint8_t value) override {
    log_.events.push_back("port " + std::to_string(address) + " " + std::to_string(value));
  }

 private:
  Log& log_;
};

class StepClock : public Clock {
 public:
  uint32_t Milliseconds() override { return now_ += 50; }

 private:
  uint32_t now_ = 0;
};

class LoggingNotifier : public testing::RecordingNotifier {
 public:
  explicit LoggingNotifier(Log& log) : log_(log) {}
  void Inform(const std::string& text) override {
    log_.events.push_back("message " + text);
    RecordingNotifier::Inform(text);
  }

 private:
  Log& log_;
};

struct Rig {
  Log log;
  RaceState race;
  RaceRandom random;
  FakeLink link{log};
  LoggingPort port{log};
  StepClock clock;
  LoggingNotifier notifier{log};
  TimerControl control{race, random, link, port, clock, notifier};
  explicit Rig(TimerKind kind, std::string portName = "/dev/ttyUSB0") {
    race = testing::MakeTimedRace(kind, 2);
    race.TimerPort = std::move(portName);
    race.ParallelPort = 888;
    race.SolenoidEnabled = true;
    race.SolenoidPin = 2;
    race.SolenoidDuration = 500;
  }
};

using Events = std::vector<std::string>;

TEST(TimerControl, StartRunsTheDevicesThenOpensThePortThenSendsTheSmartLineCommand) {
  Rig s(TimerKind::SmartLine);
  s.control.Start();
  EXPECT_TRUE(s.control.TimerRunning());
  EXPECT_EQ(s.log.events, (Events{"port 888 1", "open /dev/ttyUSB0", "send rg\r"}));
}

TEST(TimerControl, OtherTimersAreSentNothing) {
  for (TimerKind kind : {TimerKind::TheJudge, TimerKind::MicroWizard, TimerKind::NewBoldDTX000}) {
    Rig s(kind);
    s.control.Start();
    EXPECT_EQ(s.log.events, (Events{"port 888 1", "open /dev/ttyUSB0"}));
  }
}

TEST(TimerControl, NoTimerConfiguredTellsTheUserAndStillStarts) {
  for (auto [kind, portName] : {std::pair{TimerKind::NoTimer, std::string("/dev/ttyS0")},
                                std::pair{TimerKind::SmartLine, std::string()}}) {
    Rig s(kind, portName);
    s.control.Start();
    EXPECT_TRUE(s.control.TimerRunning());
    EXPECT_EQ(s.log.events, (Events{"port 888 1", std::string("message ") + kNoTimerMessage}));
    s.control.Stop();
    EXPECT_FALSE(s.control.TimerRunning());
  }
}

TEST(TimerControl, PortThatCannotOpenLeavesTheTimerRunningUntilStop) {
  Rig s(TimerKind::SmartLine);
  s.link.fail = true;
  EXPECT_THROW(s.control.Start(), SerialPortError);
  EXPECT_TRUE(s.control.TimerRunning());
  EXPECT_EQ(s.log.events.back(), "open /dev/ttyUSB0");  // no command sent
  s.control.Stop();
  EXPECT_FALSE(s.control.TimerRunning());
}

TEST(TimerControl, ALineRecordsAndEndsTheWaitButTheTimerStaysOpen) {
  Rig s(TimerKind::MicroWizard);
  s.control.Start();
  EXPECT_EQ(s.control.LineReceived("A=3.100 B=3.000\r\n"), TimerLineEffect::kRecorded);
  EXPECT_FALSE(s.control.TimerRunning());
  EXPECT_TRUE(s.link.IsOpen());
  EXPECT_TRUE(s.race.Rounds[0].Heats[0].Raced);
  // The next start keeps the port open under its first name.
  s.race.TimerPort = "/dev/ttyUSB1";
  s.control.Start();
  EXPECT_EQ(s.link.OpenName(), "/dev/ttyUSB0");
  s.control.Stop();
  EXPECT_FALSE(s.link.IsOpen());
}

}  // namespace
}  // namespace velmora
