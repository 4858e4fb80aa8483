#include "start_devices.h"

namespace velmora {

uint8_t PinMask(int32_t pin) {
  if (pin < 2 || pin > 9)
    return 0;
  return static_cast<uint8_t>(1u << (pin - 2));
}

void WritePortAndWait(PortOutput& port, Clock& clock, int32_t address, uint8_t value,
                      int32_t duration) {
  port.PortOut(static_cast<uint16_t>(address), value);
  const uint32_t start = clock.Milliseconds();
  if (duration <= 0)
    return;
  const auto wanted = static_cast<uint32_t>(duration);
  // Unsigned subtraction measures the full duration across a counter wrap.
  while (static_cast<uint32_t>(clock.Milliseconds() - start) < wanted) {
  }
}

void RunStartSequence(const RaceState& race, PortOutput& port, Clock& clock) {
  if (race.LightTreeEnabled) {
    // Prestage, yellow 1..3 and green; the sixth pin (red) is never driven.
    for (int light = 0; light < 5; ++light) {
      WritePortAndWait(port, clock, race.ParallelPort, PinMask(race.LightTreePins[light]),
                       race.LightTreeDuration);
    }
  }
  FireSolenoid(race, port, clock);
}

void FireSolenoid(const RaceState& race, PortOutput& port, Clock& clock) {
  if (race.SolenoidEnabled) {
    WritePortAndWait(port, clock, race.ParallelPort, PinMask(race.SolenoidPin),
                     race.SolenoidDuration);
  }
}

}  // namespace velmora
