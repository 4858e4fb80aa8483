#include "system_clock.h"

#include <chrono>

namespace velmora {

uint32_t SteadyClock::Milliseconds() {
  auto now = std::chrono::steady_clock::now().time_since_epoch();
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
  return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

}  // namespace velmora
