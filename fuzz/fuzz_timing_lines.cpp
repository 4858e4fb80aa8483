// Any bytes from a serial port, in reads of any size, through the line
// assembler and every timer protocol: no read outside the race, the lane
// buffer always has LaneCount entries, and a recorded heat has one time and
// one place per lane.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "line_assembler.h"
#include "race_types.h"
#include "timer_protocols.h"

namespace {

class QuietNotifier : public velmora::Notifier {
 public:
  void Inform(const std::string&) override {}
  bool Ask(const std::string&) override { return false; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora;
  if (size < 2)
    return 0;
  const int lanes = data[0] % 8 + 1;
  const auto kind = static_cast<TimerKind>(data[0] / 8 % 5);
  const size_t piece = data[1] % 16 + 1;
  data += 2;
  size -= 2;

  RaceState race;
  race.LaneCount = lanes;
  race.TimerKind = kind;
  race.RacerCount = lanes;
  race.Cars.Items.resize(static_cast<size_t>(lanes) + 1);
  race.Lanes.resize(static_cast<size_t>(lanes));
  THeats round;
  THeat heat;
  for (int l = 0; l < lanes; ++l) {
    heat.LaneCars.push_back(l + 1);
    heat.Times.emplace_back();
  }
  round.Heats = {heat, heat, THeat{}};
  race.Rounds.push_back(round);
  race.RoundCount = 1;
  race.CurrentRound = 1;
  race.CurrentHeat = 1;
  race.TotalHeats = 2;

  RaceRandom random;
  QuietNotifier notifier;
  LineAssembler assembler;
  for (size_t i = 0; i < size; i += piece) {
    size_t n = size - i < piece ? size - i : piece;
    for (const std::string& line :
         assembler.Append(std::string_view(reinterpret_cast<const char*>(data) + i, n))) {
      if (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0)
        std::abort();
      ParseTimerLine(race, line, random, notifier);
      if (race.LaneTimes.size() != static_cast<size_t>(lanes))
        std::abort();
    }
  }
  for (int h = 0; h < 2; ++h) {
    const THeat& played = race.Rounds[0].Heats[h];
    if (played.Raced && (played.Times.size() != static_cast<size_t>(lanes) ||
                         played.Places.size() != static_cast<size_t>(lanes))) {
      std::abort();
    }
  }
  return 0;
}
