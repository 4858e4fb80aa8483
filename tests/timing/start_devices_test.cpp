#include "start_devices.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace velmora {
namespace {

// A clock that moves `step` milliseconds at every read and logs what it gave.
class FakeClock : public Clock {
 public:
  explicit FakeClock(uint32_t start, uint32_t step = 1) : now_(start), step_(step) {}
  uint32_t Milliseconds() override {
    uint32_t t = now_;
    now_ += step_;
    reads.push_back(t);
    return t;
  }
  std::vector<uint32_t> reads;

 private:
  uint32_t now_;
  uint32_t step_;
};

struct Write {
  uint16_t address;
  uint8_t value;
  std::size_t readsBefore;  // clock reads made before this write
  bool operator==(const Write&) const = default;
};

// Records every byte and where in the clock's log it was written.
class RecordingPort : public PortOutput {
 public:
  explicit RecordingPort(const FakeClock& clock) : clock_(clock) {}
  void PortOut(uint16_t address, uint8_t value) override {
    writes.push_back({address, value, clock_.reads.size()});
  }
  std::vector<Write> writes;

 private:
  const FakeClock& clock_;
};

struct Step {
  uint16_t address;
  uint8_t value;
  int32_t duration;
};

// Checks each write's wait: the reads between it and the next write span at
// least the duration, and the loop stopped at the first read that did.
void ExpectSequence(const RecordingPort& port, const FakeClock& clock,
                    const std::vector<Step>& steps) {
  ASSERT_EQ(port.writes.size(), steps.size());
  for (std::size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(port.writes[i].address, steps[i].address);
    EXPECT_EQ(port.writes[i].value, steps[i].value);
    std::size_t first = port.writes[i].readsBefore;
    std::size_t end = i + 1 < steps.size() ? port.writes[i + 1].readsBefore : clock.reads.size();
    ASSERT_LT(first, end);
    auto elapsed = [&](std::size_t k) {
      return static_cast<uint32_t>(clock.reads[k] - clock.reads[first]);
    };
    EXPECT_GE(elapsed(end - 1), static_cast<uint32_t>(steps[i].duration));
    if (end - 1 > first) {
      EXPECT_LT(elapsed(end - 2), static_cast<uint32_t>(steps[i].duration));
    }
  }
}

RaceState DeviceRace() {
  RaceState race;
  race.ParallelPort = 888;
  race.LightTreePins = {3, 4, 5, 6, 7, 8};
  race.LightTreeDuration = 750;
  race.SolenoidPin = 2;
  race.SolenoidDuration = 500;
  return race;
}

TEST(PinMask, DataPinsAreBitsZeroToSeven) {
  for (int pin = 2; pin <= 9; ++pin)
    EXPECT_EQ(PinMask(pin), 1u << (pin - 2)) << pin;
  for (int pin : {-1, 0, 1, 10, 15, 25, 258, INT32_MIN, INT32_MAX})
    EXPECT_EQ(PinMask(pin), 0) << pin;
}

TEST(StartSequence, LightTreeAloneLeavesGreenOn) {
  RaceState race = DeviceRace();
  race.LightTreeEnabled = true;
  FakeClock clock(1000);
  RecordingPort port(clock);
  RunStartSequence(race, port, clock);
  ExpectSequence(port, clock,
                 {{888, 2, 750}, {888, 4, 750}, {888, 8, 750}, {888, 16, 750}, {888, 32, 750}});
}

TEST(StartSequence, SolenoidAfterGreenTurnsGreenOff) {
  RaceState race = DeviceRace();
  race.LightTreeEnabled = true;
  race.SolenoidEnabled = true;
  race.ParallelPort = 632;
  FakeClock clock(0, 7);  // a coarse clock still waits at least the duration
  RecordingPort port(clock);
  RunStartSequence(race, port, clock);
  ExpectSequence(
      port, clock,
      {{632, 2, 750}, {632, 4, 750}, {632, 8, 750}, {632, 16, 750}, {632, 32, 750}, {632, 1, 500}});
}

TEST(StartSequence, SolenoidOnlyAndNothingEnabled) {
  RaceState race = DeviceRace();
  race.SolenoidEnabled = true;
  race.SolenoidPin = 9;
  race.ParallelPort = 956;
  FakeClock clock(5);
  RecordingPort port(clock);
  RunStartSequence(race, port, clock);
  ExpectSequence(port, clock, {{956, 128, 500}});

  race.SolenoidEnabled = false;
  FakeClock idle(5);
  RecordingPort quiet(idle);
  RunStartSequence(race, quiet, idle);
  FireSolenoid(race, quiet, idle);
  EXPECT_TRUE(quiet.writes.empty());
  EXPECT_TRUE(idle.reads.empty());
}

TEST(StartSequence, PinOutsideTheDataPinsWritesZeroAndStillWaits) {
  RaceState race = DeviceRace();
  race.LightTreeEnabled = true;
  race.LightTreePins = {1, 10, 0, -3, 9, 2};  // red (pin 2) is never driven
  race.LightTreeDuration = 250;
  race.SolenoidEnabled = true;
  race.SolenoidPin = 11;
  FakeClock clock(0);
  RecordingPort port(clock);
  RunStartSequence(race, port, clock);
  ExpectSequence(
      port, clock,
      {{888, 0, 250}, {888, 0, 250}, {888, 0, 250}, {888, 0, 250}, {888, 128, 250}, {888, 0, 500}});
}

TEST(WritePortAndWait, MeasuresTheFullDurationAcrossACounterWrap) {
  for (uint32_t start : {0xFFFFFFFFu, 0xFFFFFF00u, 0xFFFFFD12u, 0x7FFFFF00u}) {
    SCOPED_TRACE(start);
    FakeClock clock(start);
    RecordingPort port(clock);
    WritePortAndWait(port, clock, 888, 0x55, 1750);
    ExpectSequence(port, clock, {{888, 0x55, 1750}});
    EXPECT_EQ(clock.reads.size(), 1751u);
  }
}

TEST(WritePortAndWait, ClockThatJumpsEndsTheWaitAtTheFirstLateRead) {
  FakeClock clock(100, 5000);
  RecordingPort port(clock);
  WritePortAndWait(port, clock, 888, 1, 750);
  EXPECT_EQ(clock.reads.size(), 2u);
  FakeClock still(100);
  RecordingPort other(still);
  WritePortAndWait(other, still, 888, 1, 0);
  WritePortAndWait(other, still, 888, 2, -5);
  EXPECT_EQ(other.writes.size(), 2u);
  EXPECT_EQ(still.reads.size(), 2u);  // one read each, no waiting
}

}  // namespace
}  // namespace velmora
