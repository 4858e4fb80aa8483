#include "racer_list.h"

#include "errors.h"
#include "fields.h"

namespace velmora {
namespace {

bool Contains(const std::string& line, const char* word) {
  return line.find(word) != std::string::npos;
}

std::string From(const std::string& line, size_t index) {
  return line.size() > index ? line.substr(index) : std::string();
}

}  // namespace

std::string RacerListPath(const std::string& path) {
  size_t slash = path.find_last_of('/');
  size_t dot = path.find_last_of('.');
  bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  if (hasExtension && path.compare(dot, std::string::npos, ".vrl") == 0)
    return path;
  return path + ".vrl";
}

std::vector<std::string> RacerListLines(const std::vector<RacerListRow>& rows) {
  std::vector<std::string> lines;
  lines.reserve(rows.size() * 5);
  for (size_t r = 0; r < rows.size(); ++r) {
    lines.push_back("RACER:" + std::to_string(r + 1));
    lines.push_back("RACERNAME:" + rows[r].RacerName);
    lines.push_back("CARNAME:" + rows[r].CarName);
    lines.push_back("CARNUMBER:" + rows[r].CarNumber);
    lines.emplace_back();
  }
  return lines;
}

std::string SaveRacerList(const std::string& path, const std::vector<RacerListRow>& rows) {
  std::string target = RacerListPath(path);
  WriteLinesAtomic(target, RacerListLines(rows));
  return target;
}

std::vector<LoadedRacerListRow> ParseRacerList(const std::vector<std::string>& lines,
                                               const std::string& path) {
  std::vector<LoadedRacerListRow> rows;
  for (size_t n = 0; n + 1 < lines.size(); ++n) {
    if (!Contains(lines[n], "RACER:"))
      continue;
    if (n + 3 >= lines.size()) {
      throw FileError("Cannot load racer list " + path + ": line " +
                      std::to_string(lines.size() + 1) +
                      ": the file ends inside the racer block of line " + std::to_string(n + 1));
    }
    LoadedRacerListRow row;
    if (Contains(lines[n + 1], "RACERNAME:"))
      row.RacerName = From(lines[n + 1], 10);
    if (Contains(lines[n + 2], "CARNAME:"))
      row.CarName = From(lines[n + 2], 8);
    if (Contains(lines[n + 3], "CARNUMBER:"))
      row.CarNumber = From(lines[n + 3], 10);
    rows.push_back(std::move(row));
    n += 3;
  }
  return rows;
}

std::vector<LoadedRacerListRow> LoadRacerList(const std::string& path) {
  return ParseRacerList(ReadLines(path), path);
}

}  // namespace velmora
