// The start devices' output in production: the port I/O library.
#pragma once

#include "start_devices.h"

namespace velmora {

class PortIoOutput : public PortOutput {
 public:
  void PortOut(uint16_t address, uint8_t value) override;
};

}  // namespace velmora
