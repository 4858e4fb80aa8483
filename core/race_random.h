// The race's random generator: a 32-bit linear congruential state that starts
// at 0 and is never reseeded, so the same inputs after a fresh start give the
// same schedule.
#pragma once

#include <cstdint>

namespace velmora {

class RaceRandom {
 public:
  uint32_t RandomSeed = 0;

  // Advances the state, then returns a value from 0 to n - 1 (0 when n <= 0).
  int32_t RandomDraw(int32_t n);
};

}  // namespace velmora
