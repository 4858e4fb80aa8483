// What Velmora and Heatsmith share: the line-splitting rule, 8-bit line
// files, and Heatsmith's race schedule file writer and reader. Plain C++
// with no other Velmora dependency, so Heatsmith can link it alone.
#pragma once

#include <string>
#include <vector>

#include "errors.h"  // header-only: FileError, ConversionError

namespace velmora {

// The n-th (1-based) field of `line` split at `delimiter`. A trailing
// delimiter is optional; fields past the last delimiter are empty, and an
// empty line is a line of empty fields.
std::string GetField(char delimiter, const std::string& line, int n);

// The lines of an 8-bit text file; lines may end with CR LF, LF or CR, and a
// final line ending does not start another line. Throws FileError.
std::vector<std::string> ReadLines(const std::string& path);
// Splits bytes into lines by the same rule.
std::vector<std::string> SplitLines(const std::string& bytes);

// Writes `lines`, each ended by CR LF (a CR or LF inside a line becomes a
// space), to a temporary file in the target's
// folder and renames it over the target, so a failed write never destroys an
// existing file. Throws FileError "Cannot create file PATH: REASON".
void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines);
// The same for bytes written as they are.
void WriteFileAtomic(const std::string& path, const std::string& bytes);

// One heat row of a schedule as Heatsmith holds it: the text of each lane
// cell, lane 1 first.
using ScheduleRow = std::vector<std::string>;

// The lines Heatsmith writes: "LANES:n", then each row's first n cells joined
// with "," (missing cells are empty).
std::vector<std::string> ScheduleFileLines(int laneCount, const std::vector<ScheduleRow>& rows);
// Writes those lines atomically.
void WriteScheduleFile(const std::string& path, int laneCount,
                       const std::vector<ScheduleRow>& rows);

// What Heatsmith's reader takes from a file.
struct HeatsmithSchedule {
  int LaneCount = 0;              // the seventh character of line 1, as a digit
  bool HasHeats = false;          // line 1 starts with "LANES"
  std::vector<ScheduleRow> Rows;  // one per further line, LaneCount cells each
};
// Parses the lines of a schedule file as Heatsmith does. Throws
// ConversionError when the seventh character of line 1 is not a digit.
HeatsmithSchedule ParseHeatsmithSchedule(const std::vector<std::string>& lines);
// Reads and parses a file; throws FileError when it cannot be read.
HeatsmithSchedule ReadHeatsmithSchedule(const std::string& path);

}  // namespace velmora
