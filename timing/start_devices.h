// The light tree and the solenoid start gate on the parallel port's data
// register. Output and time are interfaces so that a start sequence can be
// checked byte by byte and millisecond by millisecond without hardware.
#pragma once

#include <cstdint>

#include "race_types.h"

namespace velmora {

// Writes one byte to an I/O port; nothing is read back.
class PortOutput {
 public:
  virtual ~PortOutput() = default;
  virtual void PortOut(uint16_t address, uint8_t value) = 0;
};

// A millisecond counter that only moves forward and wraps at 2^32. Elapsed
// time is the difference taken modulo 2^32, which is right across a wrap.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t Milliseconds() = 0;
};

// The data register bit of a parallel port pin: pins 2..9 are bits 0..7;
// any other pin gives 0.
uint8_t PinMask(int32_t pin);

// Writes `value` to the data register at `address`, then reads the clock
// until at least `duration` milliseconds have passed. A busy wait: the
// caller does nothing else meanwhile.
void WritePortAndWait(PortOutput& port, Clock& clock, int32_t address, uint8_t value,
                      int32_t duration);

// Light tree (prestage, three yellows, green; never red) when enabled, then
// the solenoid.
void RunStartSequence(const RaceState& race, PortOutput& port, Clock& clock);

// The solenoid pulse when enabled. Its bit stays set afterwards.
void FireSolenoid(const RaceState& race, PortOutput& port, Clock& clock);

}  // namespace velmora
