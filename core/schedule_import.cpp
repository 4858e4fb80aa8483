#include "schedule_import.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "errors.h"
#include "integer_text.h"

namespace velmora {
namespace {

// The same splitting rule as the shared field library, kept here because the
// core links nothing but the standard library.
std::string FieldOf(char delimiter, const std::string& line, int n) {
  std::string rest = line;
  if (rest.empty() || rest.back() != delimiter)
    rest += delimiter;
  std::string field;
  for (int i = 0; i < n; ++i) {
    size_t at = rest.find(delimiter);
    if (at == std::string::npos)
      return std::string();
    field = rest.substr(0, at);
    rest.erase(0, at + 1);
  }
  return field;
}

THeats EmptyRound() {
  THeats round;
  round.Heats.resize(1);  // the spare heat
  return round;
}

}  // namespace

THeats ScheduleFromLines(const std::vector<std::string>& lines, Notifier& notifier) {
  std::string first = lines.empty() ? std::string() : lines[0];
  int32_t lanes = TextToInteger(FieldOf(':', first, 2)).value_or(0);
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
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw FileError("Cannot open file " + path + ": " + std::strerror(errno));
  // A folder opens like a file and reads as nothing.
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
    throw FileError("Cannot open file " + path + ": " + std::strerror(EISDIR));
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad())
    throw FileError("Cannot read file " + path);
  const std::string bytes = buffer.str();
  std::vector<std::string> lines;
  std::string current;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
        ++i;
    } else {
      current += c;
    }
  }
  if (!current.empty())
    lines.push_back(current);
  return lines;
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
