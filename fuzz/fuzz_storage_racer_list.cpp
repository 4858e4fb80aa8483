// The racer list reader on any bytes: a refusal or rows; saved rows read back
// as the same rows.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "errors.h"
#include "fields.h"
#include "racer_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora;
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<LoadedRacerListRow> loaded;
  try {
    loaded = ParseRacerList(SplitLines(bytes), "fuzz.vrl");
  } catch (const FileError&) {
    return 0;
  }
  std::vector<RacerListRow> rows;
  for (const LoadedRacerListRow& row : loaded) {
    rows.push_back(
        {row.CarName.value_or(""), row.RacerName.value_or(""), row.CarNumber.value_or("")});
  }
  std::vector<LoadedRacerListRow> again = ParseRacerList(RacerListLines(rows), "saved.vrl");
  if (again.size() != rows.size())
    std::abort();
  for (size_t i = 0; i < rows.size(); ++i) {
    if (again[i].CarName != rows[i].CarName || again[i].RacerName != rows[i].RacerName ||
        again[i].CarNumber != rows[i].CarNumber) {
      std::abort();
    }
  }
  return 0;
}
