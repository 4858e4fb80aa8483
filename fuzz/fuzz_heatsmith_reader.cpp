// Heatsmith's schedule reader on any bytes: a schedule or a ConversionError;
// rows always have the lane count's cells.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  try {
    velmora::HeatsmithSchedule s = velmora::ParseHeatsmithSchedule(velmora::SplitLines(bytes));
    if (s.LaneCount < 0 || s.LaneCount > 9)
      std::abort();
    for (const auto& row : s.Rows) {
      if (static_cast<int>(row.size()) != s.LaneCount)
        std::abort();
    }
    std::vector<std::string> lines = velmora::ScheduleFileLines(s.LaneCount, s.Rows);
    if (lines.size() != s.Rows.size() + 1)
      std::abort();
  } catch (const velmora::ConversionError&) {
  }
  return 0;
}
