// The serial ports a timer can be opened on now.
#pragma once

#include <string>
#include <vector>

namespace velmora {

// The device paths in a colon-separated list such as the value of
// VELMORA_EXTRA_PORTS; empty items are skipped.
std::vector<std::string> SplitPortList(const std::string& list);

// The ports Qt lists, then the paths in VELMORA_EXTRA_PORTS, by device path,
// each once, keeping only those this process may open for reading and
// writing.
std::vector<std::string> AvailableTimerPorts();

}  // namespace velmora
