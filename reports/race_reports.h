// The four HTML reports of a race: lane statistics, the schedule sheet, race
// results and detailed results. Each report is built as a list of lines and
// written in one go (every line ended by CR LF); the race is only read.
#pragma once

#include <string>
#include <vector>

#include "race_types.h"

namespace velmora {

// What the race results show; every item is on unless cleared.
struct RaceResultsOptions {
  bool ShowCarNumber = true;
  bool ShowCarName = true;
  bool ShowRacerName = true;
  bool ShowHeatTimes = true;
  bool UseColor = true;
  bool ShowAverageTimes = true;
};

// The columns of the detailed results; every column is on unless cleared.
struct DetailedResultsOptions {
  bool ShowCarName = true;
  bool ShowRacerName = true;
  bool ShowCarNumber = true;
  bool ShowAverageTime = true;
  bool ShowCumulativeTime = true;
  bool ShowAveragePoints = true;
  bool ShowWins = true;
  bool ShowLosses = true;
};

// The figures of one lane over every heat of the race, raced or not.
struct LaneStatistics {
  int32_t TotalHeats = 0;   // heats in which the lane's time is above 0
  Currency CumulativeTime;  // sum of all the lane's times
  Currency AverageTime;     // CumulativeTime / TotalHeats, half to even; 0 without heats
  Currency WorstTime;       // largest time, never below 0
  Currency BestTime;        // smallest time above 0, or 0
};

// One entry per lane, in lane order.
std::vector<LaneStatistics> ComputeLaneStatistics(const RaceState& race);

// The name a report is written to: `fileName` with ".htm" appended unless
// its extension is exactly ".htm" or ".html" (letter case counts).
std::string HtmlReportFileName(const std::string& fileName);

// The lines of each report, without line ends. `dateText` is printed as
// given (the windows pass today's date in the user's short date format).
std::vector<std::string> LaneStatisticsLines(const RaceState& race, const std::string& dateText);
std::vector<std::string> ScheduleSheetLines(const RaceState& race);
std::vector<std::string> RaceResultsLines(const RaceState& race, const RaceResultsOptions& options,
                                          const std::string& dateText);
std::vector<std::string> DetailedResultsLines(const RaceState& race,
                                              const DetailedResultsOptions& options,
                                              const std::string& dateText);

// The writers return the path they wrote, which is the one to open. Lane
// statistics keep the chosen name as it is; the others go through
// HtmlReportFileName. A file that cannot be written throws FileError
// "Cannot create file PATH: REASON", and an existing file is then untouched.
std::string WriteLaneStatistics(const RaceState& race, const std::string& fileName,
                                const std::string& dateText);
std::string WriteScheduleSheet(const RaceState& race, const std::string& fileName);
std::string WriteRaceResults(const RaceState& race, const std::string& fileName,
                             const RaceResultsOptions& options, const std::string& dateText);
std::string WriteDetailedResults(const RaceState& race, const std::string& fileName,
                                 const DetailedResultsOptions& options,
                                 const std::string& dateText);

}  // namespace velmora
