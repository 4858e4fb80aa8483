// Port I/O for the start devices: one byte to the data register of a
// parallel port. On Linux the LPT addresses 888, 632 and 956 are reached
// through /dev/parport0, 1 and 2 (ppdev); where ppdev is missing and the
// process may use direct port I/O, that is used instead. Otherwise the byte
// is dropped and one line on standard error says why, once per address.
// Nothing here blocks the caller or throws.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#define VELMORA_PORTIO_API __attribute__((visibility("default")))

extern "C" {
// Writes `value` to the I/O port at `address`; nothing is read back.
VELMORA_PORTIO_API void PortOut(uint16_t address, uint8_t value);
}

namespace velmora::portio {

struct PortWriterOptions {
  std::string deviceDirectory = "/dev";  // where parport0..2 are looked for
  bool allowDirectIo = true;             // try ioperm/outb when ppdev fails
  // Receives each explanation line; standard error when empty.
  std::function<void(const std::string&)> warn;
};

// What PortOut uses, with its options open for tests.
class VELMORA_PORTIO_API PortWriter {
 public:
  explicit PortWriter(PortWriterOptions options = {});
  ~PortWriter();
  PortWriter(const PortWriter&) = delete;
  PortWriter& operator=(const PortWriter&) = delete;

  void Write(uint16_t address, uint8_t value);

  // How bytes to an address travel: "unknown" before the first write, then
  // "ppdev", "direct", "pending" (waiting for a busy port) or "dropped".
  std::string RouteOf(uint16_t address) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace velmora::portio
