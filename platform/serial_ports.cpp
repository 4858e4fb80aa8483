#include "serial_ports.h"

#include <unistd.h>

#include <QSerialPortInfo>
#include <algorithm>
#include <cstdlib>

namespace velmora {

std::vector<std::string> SplitPortList(const std::string& list) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t colon = list.find(':', start);
    if (colon == std::string::npos)
      colon = list.size();
    if (colon > start)
      out.push_back(list.substr(start, colon - start));
    start = colon + 1;
  }
  return out;
}

std::vector<std::string> AvailableTimerPorts() {
  std::vector<std::string> candidates;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    candidates.push_back(info.systemLocation().toStdString());
  }
  if (const char* extra = std::getenv("VELMORA_EXTRA_PORTS")) {
    for (std::string& path : SplitPortList(extra))
      candidates.push_back(std::move(path));
  }
  std::vector<std::string> out;
  for (const std::string& path : candidates) {
    if (std::find(out.begin(), out.end(), path) != out.end())
      continue;
    // Asking the file system does not open the device, so no modem line
    // toggles and no attached device resets just because a list was shown.
    if (::access(path.c_str(), R_OK | W_OK) == 0)
      out.push_back(path);
  }
  return out;
}

}  // namespace velmora
