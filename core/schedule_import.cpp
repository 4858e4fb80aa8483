#include "schedule_import.h"

#include "line_text.h"

#include "errors.h"
#include "integer_text.h"

namespace velmora {
namespace {

THeats EmptyRound() {
  THeats round;
  round.Heats.resize(1);  // the spare heat
  return round;
}

}  // namespace

THeats ScheduleFromLines(const std::vector<std::string>& lines, Notifier& notifier) {
  std::string first = lines.empty() ? std::string() : lines[0];
  int32_t lanes = TextToInteger(FieldOfLine(':', first, 2)).value_or(0);
  if (lanes < 1 || lanes > kMaxScheduleLanes) {
    notifier.Inform("Invalid Race Schedule File");
    return EmptyRound();
  }
  THeats round;
  round.Heats.resize(lines.size());  // one heat per line after the first, then the spare
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    THeat& heat = round.Heats[i];
    heat.LaneCars.resize(static_cast<size_t>(lanes));
    heat.Times.resize(static_cast<size_t>(lanes));
    // Walk the line once instead of asking for each field anew.
    std::string rest = lines[i + 1];
    if (rest.empty() || rest.back() != ',')
      rest += ',';
    size_t start = 0;
    for (int32_t lane = 0; lane < lanes; ++lane) {
      std::string field;
      size_t comma = start < rest.size() ? rest.find(',', start) : std::string::npos;
      if (comma != std::string::npos) {
        field = rest.substr(start, comma - start);
        start = comma + 1;
      } else {
        start = rest.size();
      }
      heat.LaneCars[static_cast<size_t>(lane)] = TextToInteger(field).value_or(1);
    }
  }
  return round;
}

std::vector<std::string> ReadScheduleLines(const std::string& path) {
  return ReadTextFileLines(path);
}

std::optional<int32_t> FitScheduleToRace(THeats& round, int32_t laneCount, int32_t racerCount) {
  std::optional<int32_t> first;
  const size_t lanes = laneCount > 0 ? static_cast<size_t>(laneCount) : 0;
  for (int32_t h = 0; h < HeatCount(round); ++h) {
    THeat& heat = round.Heats[static_cast<size_t>(h)];
    heat.LaneCars.resize(lanes, 0);
    heat.Times.assign(lanes, Currency());
    for (int32_t& car : heat.LaneCars) {
      if (car < 0 || car > racerCount) {
        if (!first)
          first = car;
        car = 0;
      }
    }
  }
  return first;
}

std::string ScheduleRacerMessage(int32_t entry, int32_t racerCount) {
  return "Schedule names racer " + std::to_string(entry) + " but the race has " +
         std::to_string(racerCount) + " racers";
}

}  // namespace velmora
