#include "port_io_output.h"

#include "portio.h"

namespace velmora {

void PortIoOutput::PortOut(uint16_t address, uint8_t value) {
  ::PortOut(address, value);
}

}  // namespace velmora
