// The racer list file (.vrl): the racers page's names and car numbers.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// One racer row as the list file holds it.
struct RacerListRow {
  std::string CarName;
  std::string RacerName;
  std::string CarNumber;
};

// `path` with ".vrl" appended unless its extension is exactly ".vrl".
std::string RacerListPath(const std::string& path);

// The lines of a list of racer rows, without line ends.
std::vector<std::string> RacerListLines(const std::vector<RacerListRow>& rows);

// Writes the rows to RacerListPath(path) (temporary file, then rename) and
// returns the path written. Throws FileError.
std::string SaveRacerList(const std::string& path, const std::vector<RacerListRow>& rows);

// One racer block as read; an empty optional is a cell the block's line does
// not set (its line lacks the key), which the racers page leaves as it was.
struct LoadedRacerListRow {
  std::optional<std::string> CarName;
  std::optional<std::string> RacerName;
  std::optional<std::string> CarNumber;
};

// The racer blocks of the file's lines, in file order. Throws FileError
// naming `path` and the line when the lines end inside a block.
std::vector<LoadedRacerListRow> ParseRacerList(const std::vector<std::string>& lines,
                                               const std::string& path);

// Reads a racer list file. Throws FileError when the file cannot be read or
// ends inside a block; nothing else is changed, so the caller's rows stay.
std::vector<LoadedRacerListRow> LoadRacerList(const std::string& path);

}  // namespace velmora
