// The clock of the start sequence in production.
#pragma once

#include "start_devices.h"

namespace velmora {

// Milliseconds of the steady clock, folded into 32 bits; the start sequence
// takes differences, which stay right across the fold.
class SteadyClock : public Clock {
 public:
  uint32_t Milliseconds() override;
};

}  // namespace velmora
