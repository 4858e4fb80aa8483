// Velmora's schedule import on any bytes: a round whose heats all have the
// file's lane count, fitted to any race without leaving its lanes or racers.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fields.h"
#include "schedule_import.h"

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
    return 0;
  std::string bytes(reinterpret_cast<const char*>(data), size);
  SilentNotifier notifier;
  THeats round = ScheduleFromLines(SplitLines(bytes), notifier);
  if (round.Heats.empty() || !round.Heats.back().LaneCars.empty())
    std::abort();
  size_t lanes = HeatCount(round) > 0 ? round.Heats[0].LaneCars.size() : 0;
  for (int32_t h = 0; h < HeatCount(round); ++h) {
    if (round.Heats[h].LaneCars.size() != lanes || round.Heats[h].Times.size() != lanes) {
      std::abort();
    }
  }
  const int32_t racers = static_cast<int32_t>(size % 7);
  FitScheduleToRace(round, 3, racers);
  for (int32_t h = 0; h < HeatCount(round); ++h) {
    if (round.Heats[h].LaneCars.size() != 3)
      std::abort();
    for (int32_t car : round.Heats[h].LaneCars) {
      if (car < 0 || car > racers)
        std::abort();
    }
  }
  return 0;
}
