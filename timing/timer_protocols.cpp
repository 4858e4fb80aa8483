#include "timer_protocols.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <vector>

#include "currency.h"
#include "race_module.h"

namespace velmora {
namespace {

constexpr int kMaxLanes = 8;

// The n characters at a 1-based position, fewer at the end of the line.
std::string Take(const std::string& line, std::size_t position, std::size_t n) {
  if (position < 1 || position > line.size())
    return {};
  return line.substr(position - 1, n);
}

bool StartsWith(const std::string& line, const char* prefix) {
  return line.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

std::string WithoutTerminator(const std::string& line) {
  if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0) {
    return line.substr(0, line.size() - 2);
  }
  return line;
}

// A whole decimal number: optional sign, digits, nothing else; 0 otherwise.
int64_t WholeNumberOrZero(const std::string& text) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') {
    ++first;
    if (first != last && *first == '-')
      return 0;
  }
  int64_t value = 0;
  auto [ptr, ec] = std::from_chars(first, last, value);
  if (first == last || ec != std::errc() || ptr != last)
    return 0;
  return value;
}

// The lane a digit names, or -1 when it is not a lane of this race.
int LaneIndexOfDigit(const std::string& line, std::size_t position, int laneCount) {
  if (position < 1 || position > line.size())
    return -1;
  char c = line[position - 1];
  if (c < '1' || c > '9')
    return -1;
  int lane = c - '0';
  return lane <= laneCount ? lane - 1 : -1;
}

Currency TimeOf(const std::string& text) {
  return TextToCurrency(text, Currency());
}

TimerLineEffect Record(RaceState& race, RaceRandom& random, Notifier& notifier) {
  // A copy: recording must not depend on the buffer it reads from.
  std::vector<Currency> times = race.LaneTimes;
  return RecordHeatTimes(race, times, race.CurrentHeat, random, notifier)
             ? TimerLineEffect::kRecorded
             : TimerLineEffect::kNoHeat;
}

// One line holds "A=" .. "F=" keys, each followed by a five-character time.
TimerLineEffect ParseKeyedLine(RaceState& race, const std::string& line, RaceRandom& random,
                               Notifier& notifier) {
  const int lanes = race.LaneCount < 6 ? race.LaneCount : 6;
  for (int l = 0; l < lanes; ++l) {
    const char key[3] = {static_cast<char>('A' + l), '=', '\0'};
    std::size_t found = line.find(key);
    // An absent key reads from position 2, as if it stood at position 0.
    std::size_t p = found == std::string::npos ? 0 : found + 1;
    race.LaneTimes[l] = TimeOf(Take(line, p + 2, 5));
  }
  return Record(race, random, notifier);
}

TimerLineEffect ParseJudgeLine(RaceState& race, const std::string& line, RaceRandom& random,
                               Notifier& notifier) {
  if (StartsWith(line, "Number of Lanes")) {
    std::string rest = WithoutTerminator(line);
    int64_t reported = WholeNumberOrZero(rest.size() >= 18 ? rest.substr(17) : std::string());
    if (reported != race.LaneCount) {
      notifier.Inform(kTimerLaneCountMessage);
      return TimerLineEffect::kLaneCountMismatch;
    }
    return TimerLineEffect::kIgnored;
  }
  if (StartsWith(line, "Lane")) {
    int lane = LaneIndexOfDigit(line, 6, race.LaneCount);
    if (lane < 0)
      return TimerLineEffect::kIgnored;
    std::size_t start = 6;  // 0-based index of position 7
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
      ++start;
    race.LaneTimes[lane] = TimeOf(start < line.size() ? line.substr(start, 6) : std::string());
    return TimerLineEffect::kLaneTimeSet;
  }
  if (StartsWith(line, "Race Over"))
    return Record(race, random, notifier);
  return TimerLineEffect::kIgnored;
}

// Fixed fields of 11 characters: the lane digit, one character, a six-character time.
TimerLineEffect ParseFieldLine(RaceState& race, const std::string& line, RaceRandom& random,
                               Notifier& notifier) {
  for (int i = 0; i < race.LaneCount; ++i) {
    std::size_t s = 1 + 11 * static_cast<std::size_t>(i);
    int lane = LaneIndexOfDigit(line, s, race.LaneCount);
    if (lane < 0)
      continue;
    race.LaneTimes[lane] = TimeOf(Take(line, s + 2, 6));
  }
  return Record(race, random, notifier);
}

}  // namespace

TimerLineEffect ParseTimerLine(RaceState& race, const std::string& line, RaceRandom& random,
                               Notifier& notifier) {
  if (race.LaneCount < 1 || race.LaneCount > kMaxLanes)
    return TimerLineEffect::kIgnored;
  race.LaneTimes.resize(static_cast<std::size_t>(race.LaneCount));
  switch (race.TimerKind) {
    case TimerKind::MicroWizard:
    case TimerKind::SmartLine:
      return ParseKeyedLine(race, line, random, notifier);
    case TimerKind::TheJudge:
      return ParseJudgeLine(race, line, random, notifier);
    case TimerKind::NewBoldDTX000:
      return ParseFieldLine(race, line, random, notifier);
    case TimerKind::NoTimer:
      break;
  }
  return TimerLineEffect::kIgnored;
}

std::string TimerStartCommand(TimerKind kind) {
  return kind == TimerKind::SmartLine ? std::string("rg\r") : std::string();
}

namespace {
constexpr std::array<std::pair<TimerKind, const char*>, 5> kListNames = {{
    {TimerKind::NoTimer, "No Timer"},
    {TimerKind::MicroWizard, "MicroWizard"},
    {TimerKind::TheJudge, "TheJudge"},
    {TimerKind::NewBoldDTX000, "NewBold DTX000"},
    {TimerKind::SmartLine, "SmartLine"},
}};
}  // namespace

std::optional<TimerKind> TimerKindFromListName(const std::string& name) {
  for (const auto& [kind, text] : kListNames) {
    if (name == text)
      return kind;
  }
  return std::nullopt;
}

std::string TimerListName(TimerKind kind) {
  for (const auto& [k, text] : kListNames) {
    if (k == kind)
      return text;
  }
  return "No Timer";
}

}  // namespace velmora
