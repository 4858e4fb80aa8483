#include "race_random.h"

namespace velmora {

int32_t RaceRandom::RandomDraw(int32_t n) {
  RandomSeed = RandomSeed * 134775813u + 1u;
  if (n <= 0)
    return 0;
  uint64_t product = static_cast<uint64_t>(RandomSeed) * static_cast<uint64_t>(n);
  return static_cast<int32_t>(product >> 32);
}

}  // namespace velmora
