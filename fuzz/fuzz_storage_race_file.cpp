// The race file reader on any bytes: a refusal, or a race that keeps the data
// model's rules and saves to lines that read back to the same lines.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "errors.h"
#include "fields.h"
#include "race_file.h"
#include "race_invariants.h"

namespace {

class SilentNotifier : public velmora::Notifier {
 public:
  void Inform(const std::string&) override {}
  bool Ask(const std::string&) override { return true; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora;
  if (size > 20000)
    return 0;  // large files only repeat small ones
  std::string bytes(reinterpret_cast<const char*>(data), size);
  RaceState race;
  RaceRandom random;
  SilentNotifier notifier;
  NoRaceDisplays displays;
  try {
    LoadRaceLines(race, SplitLines(bytes), "fuzz.vsr", random, notifier, displays);
  } catch (const FileError&) {
    return 0;
  }
  if (!CheckRaceInvariants(race).empty())
    std::abort();
  const std::vector<std::string> saved = RaceFileLines(race);
  RaceState again;
  LoadRaceLines(again, saved, "saved.vsr", random, notifier, displays);
  if (RaceFileLines(again) != saved)
    std::abort();
  return 0;
}
