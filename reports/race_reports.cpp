#include "race_reports.h"

#include <algorithm>

#include "fields.h"
#include "report_text.h"

namespace velmora {
namespace {

const char* const kTableOpen = "<TABLE BORDER=1 CELLPADDING=2 CELLSPACING=0 ALIGN=CENTER>";

// The walks below are bounded by the counts of the race and, in case a
// damaged race holds fewer entries than it counts, by the lists themselves.
size_t RoundsInUse(const RaceState& race) {
  return std::min(static_cast<size_t>(std::max(race.RoundCount, 0)), race.Rounds.size());
}

size_t RacersInUse(const RaceState& race) {
  return std::min(static_cast<size_t>(std::max(race.RacerCount, 0)), race.Cars.Items.size());
}

size_t LanesInUse(const RaceState& race) {
  return static_cast<size_t>(std::max(race.LaneCount, 0));
}

const TLane& LaneAt(const RaceState& race, size_t lane) {
  static const TLane kNoLane;
  return lane < race.Lanes.size() ? race.Lanes[lane] : kNoLane;
}

std::string LaneColorText(const RaceState& race, size_t lane) {
  return ColorToText(LaneAt(race, lane).Color);
}

std::string LaneNameText(const RaceState& race, size_t lane) {
  return HtmlEscape(LaneAt(race, lane).Name);
}

int32_t LaneCarOf(const THeat& heat, size_t lane) {
  return lane < heat.LaneCars.size() ? heat.LaneCars[lane] : 0;
}

Currency LaneTimeOf(const THeat& heat, size_t lane) {
  return lane < heat.Times.size() ? heat.Times[lane] : Currency();
}

// The racer at a 1-based position, or nullptr for an empty lane or a
// position that names no racer.
const TCar* RacerAt(const RaceState& race, int32_t position) {
  if (position < 1 || static_cast<size_t>(position) > RacersInUse(race))
    return nullptr;
  return &race.Cars.Items[static_cast<size_t>(position) - 1];
}

// A group index outside GroupNames gives an empty cell.
std::string GroupText(const RaceState& race, int32_t group) {
  if (group < 0 || static_cast<size_t>(group) >= race.GroupNames.size())
    return std::string();
  return HtmlEscape(race.GroupNames[static_cast<size_t>(group)]);
}

bool HasGroups(const RaceState& race) {
  return race.GroupsMethod != GroupsMethod::NoGroups;
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

std::vector<LaneStatistics> ComputeLaneStatistics(const RaceState& race) {
  std::vector<LaneStatistics> lanes(LanesInUse(race));
  for (size_t r = 0; r < RoundsInUse(race); ++r) {
    const THeats& round = race.Rounds[r];
    for (int32_t h = 0; h < HeatCount(round); ++h) {
      const THeat& heat = round.Heats[static_cast<size_t>(h)];
      for (size_t l = 0; l < lanes.size(); ++l) {
        LaneStatistics& s = lanes[l];
        Currency t = LaneTimeOf(heat, l);
        if (t > Currency()) {
          ++s.TotalHeats;
          if (s.BestTime == Currency() || t < s.BestTime)
            s.BestTime = t;
        }
        s.CumulativeTime += t;
        if (t > s.WorstTime)
          s.WorstTime = t;
      }
    }
  }
  for (LaneStatistics& s : lanes) {
    s.AverageTime = s.TotalHeats > 0 ? s.CumulativeTime.DividedBy(s.TotalHeats) : Currency();
  }
  return lanes;
}

std::string HtmlReportFileName(const std::string& fileName) {
  size_t slash = fileName.find_last_of('/');
  size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  size_t dot = fileName.find_last_of('.');
  if (dot != std::string::npos && dot >= nameStart) {
    std::string extension = fileName.substr(dot);
    if (extension == ".htm" || extension == ".html")
      return fileName;
  }
  return fileName + ".htm";
}

std::vector<std::string> LaneStatisticsLines(const RaceState& race, const std::string& dateText) {
  std::vector<std::string> out = {
      "<HTML>",
      "<BODY>",
      "<BR><CENTER><FONT SIZE=18>Lane Statistics for: " + HtmlEscape(race.RaceName) +
          "</FONT></CENTER>",
      "<CENTER><FONT SIZE=5>" + HtmlEscape(race.Organization) + "</FONT></CENTER>",
      "<CENTER><FONT SIZE=4>Statistics generated: " + dateText + "</FONT></CENTER><BR>",
      "<BR>",
      "<TABLE BORDER=1 CELLSPACING=0 ALIGN=CENTER>",
      "<TR>",
      "<STRONG>",
      "<TD BGCOLOR=#999999><STRONG>Lane</STRONG></TD>",
      "<TD BGCOLOR=#999999><STRONG>Total Heats</STRONG></TD>",
      "<TD BGCOLOR=#999999><STRONG>Cumulative Time</STRONG></TD>",
      "<TD BGCOLOR=#999999><STRONG>Average Time</STRONG></TD>",
      "<TD BGCOLOR=#999999><STRONG>Worst Time</STRONG></TD>",
      "<TD BGCOLOR=#999999><STRONG>Best Time</STRONG></TD>",
      "</STRONG>",
      "<TR>",
  };
  std::vector<LaneStatistics> stats = ComputeLaneStatistics(race);
  for (size_t l = 0; l < stats.size(); ++l) {
    const std::string cellOpen = "<TD BGCOLOR=" + LaneColorText(race, l) + ">";
    const LaneStatistics& s = stats[l];
    out.push_back("<TD BGCOLOR=" + LaneColorText(race, l) + "><STRONG>");
    out.push_back(LaneNameText(race, l));
    out.push_back("</STRONG></TD>");
    for (const std::string& value :
         {std::to_string(s.TotalHeats), CurrencyToText(s.CumulativeTime),
          CurrencyToText(s.AverageTime), CurrencyToText(s.WorstTime), CurrencyToText(s.BestTime)}) {
      out.push_back(cellOpen);
      out.push_back(value);
      out.push_back("</TD>");
    }
    out.push_back("</TR>");
  }
  return out;
}

std::vector<std::string> ScheduleSheetLines(const RaceState& race) {
  std::vector<std::string> out = {"<HTML>", kTableOpen, "<TR>", "<TD><STRONG>Lane</STRONG></TD>"};
  const size_t lanes = LanesInUse(race);
  for (size_t l = 0; l < lanes; ++l) {
    out.push_back("<TD ALIGN=CENTER><STRONG>" + LaneNameText(race, l) + "</STRONG></TD>");
  }
  out.push_back("</TR>");
  // Only the first round is shown; a race without rounds gets an empty table.
  if (RoundsInUse(race) > 0) {
    const THeats& round = race.Rounds[0];
    for (int32_t h = 0; h < HeatCount(round); ++h) {
      const THeat& heat = round.Heats[static_cast<size_t>(h)];
      out.push_back("<TR>");
      out.push_back("<TD><STRONG>Heat " + std::to_string(h + 1) + "</STRONG></TD>");
      for (size_t l = 0; l < lanes; ++l) {
        out.push_back("<TD ALIGN=CENTER>" + std::to_string(LaneCarOf(heat, l)) + "</TD>");
      }
      out.push_back("</TR>");
    }
  }
  out.push_back("</TABLE>");
  return out;
}

namespace {

std::string EmptyLaneCell(const std::string& color) {
  return "<TD ALIGN=CENTER BGCOLOR=" + Quoted("#" + color) + ">(none)<BR><STRONG>0</STRONG></TD>";
}

// Without heat times the cell is left open: the heat-time piece is the one
// that closes it.
std::string CarCell(const TCar& car, Currency time, const std::string& color,
                    const RaceResultsOptions& o) {
  std::string cell = "<TD ALIGN=CENTER ";
  if (o.UseColor)
    cell += "BGCOLOR=" + Quoted("#" + color);
  cell += ">";
  if (o.ShowCarName)
    cell += "<STRONG>" + HtmlEscape(car.CarName) + "</STRONG>";
  if (o.ShowCarName && o.ShowCarNumber)
    cell += " - ";
  if (o.ShowCarNumber)
    cell += HtmlEscape(car.CarNumber);
  if (o.ShowRacerName)
    cell += "<BR><STRONG>" + HtmlEscape(car.RacerName) + "</STRONG>";
  if (o.ShowHeatTimes)
    cell += "<BR>" + CurrencyToText(time) + "s</TD>";
  return cell;
}

void AppendAverageTable(const RaceState& race, std::vector<std::string>& out) {
  const bool groups = HasGroups(race);
  out.push_back(kTableOpen);
  out.push_back("<TR>");
  out.push_back("<TD COLSPAN=2><STRONG>All</STRONG></TD>");
  out.push_back("</TR>");
  out.push_back("<TR>");
  out.push_back("<TD BGCOLOR=#C0C0C0><STRONG>Car</STRONG></TD>");
  out.push_back("<TD BGCOLOR=#FFFF00><STRONG>Average Time</STRONG></TD>");
  if (groups)
    out.push_back("<TD BGCOLOR=#C0C0C0><STRONG>Group</STRONG></TD>");
  out.push_back("</TR>");
  const size_t racers = RacersInUse(race);
  const size_t rows = std::min(racers, race.Leaders.Items.size());
  for (size_t k = 0; k < rows; ++k) {
    const TLeader& e = race.Leaders.Items[k];
    out.push_back("<TR>");
    out.push_back("<TD BGCOLOR=#C0C0C0><STRONG>" + HtmlEscape(e.Name) + "</STRONG></TD>");
    out.push_back("<TD BGCOLOR=#FFFF00>" + CurrencyToText(e.Score) + "</TD>");
    if (groups) {
      const TCar* car = RacerAt(race, e.CarIndex + 1);
      out.push_back("<TD BGCOLOR=#C0C0C0>" + (car ? GroupText(race, car->Group) : std::string()) +
                    "</TD>");
    }
    out.push_back("</TR>");
  }
  out.push_back("</TABLE>");
}

}  // namespace

std::vector<std::string> RaceResultsLines(const RaceState& race, const RaceResultsOptions& options,
                                          const std::string& dateText) {
  const std::string raceName = HtmlEscape(race.RaceName);
  std::vector<std::string> out = {
      "<HTML>",
      "<HEAD><TITLE>Race results for: " + raceName + "</TITLE></HEAD>",
      "<BODY>",
      "<BR><CENTER><FONT SIZE=18>Race Results for: " + raceName + "</FONT></CENTER>",
      "<CENTER><FONT SIZE=5>" + HtmlEscape(race.Organization) + "</FONT></CENTER>",
      "<CENTER><FONT SIZE=2>Results generated: " + dateText + "</FONT></CENTER><BR>",
  };
  const size_t lanes = LanesInUse(race);
  const size_t rounds = RoundsInUse(race);
  // The heat labels alternate over the whole report, not per round.
  bool shadeOn = false;
  for (size_t r = 0; r < rounds; ++r) {
    const THeats& round = race.Rounds[r];
    out.push_back(kTableOpen);
    out.push_back("<TR>");
    if (rounds > 1) {
      out.push_back("<TD ALIGN=CENTER BGCOLOR=#CCCCCC COLSPAN=" + std::to_string(lanes + 1) +
                    "><STRONG>Round " + std::to_string(r + 1) + "</STRONG></TD>");
    }
    out.push_back("<TR>");
    out.push_back("<TD><STRONG>Lane</STRONG></TD>");
    for (size_t l = 0; l < lanes; ++l) {
      out.push_back("<TD ALIGN=CENTER><STRONG>" + LaneNameText(race, l) + "</STRONG></TD>");
    }
    out.push_back("</TR>");
    for (int32_t h = 0; h < HeatCount(round); ++h) {
      const THeat& heat = round.Heats[static_cast<size_t>(h)];
      std::string shade = shadeOn ? "#CCCCCC" : "#999999";
      shadeOn = !shadeOn;
      if (!options.UseColor)
        shade = "#FFFFFF";
      out.push_back("<TR>");
      out.push_back("<TD BGCOLOR=" + shade + "><STRONG>Heat " + std::to_string(h + 1) +
                    "</STRONG></TD>");
      for (size_t l = 0; l < lanes; ++l) {
        const std::string color = LaneColorText(race, l);
        const TCar* car = RacerAt(race, LaneCarOf(heat, l));
        out.push_back(car ? CarCell(*car, LaneTimeOf(heat, l), color, options)
                          : EmptyLaneCell(color));
      }
      out.push_back("</TR>");
    }
    out.push_back("</TABLE>");
    out.push_back("<BR><BR>");
  }
  if (options.ShowAverageTimes)
    AppendAverageTable(race, out);
  out.push_back("</BODY>");
  out.push_back("</HTML>");
  return out;
}

std::vector<std::string> DetailedResultsLines(const RaceState& race,
                                              const DetailedResultsOptions& options,
                                              const std::string& dateText) {
  const std::string raceName = HtmlEscape(race.RaceName);
  std::vector<std::string> out = {
      "<HTML>",
      "<HEAD><TITLE>Detailed Race results for: " + raceName + "</TITLE></HEAD>",
      "<BODY>",
      "<BR><CENTER><FONT SIZE=18>Detailed Race Results for: " + raceName + "</FONT></CENTER>",
      "<CENTER><FONT SIZE=5>" + HtmlEscape(race.Organization) + "</FONT></CENTER>",
      "<CENTER><FONT SIZE=4>Detailed Results generated: " + dateText + "</FONT></CENTER><BR>",
      kTableOpen,
      "<TR>",
  };
  const DetailedResultsOptions& o = options;
  const bool groups = HasGroups(race);
  auto header = [&out](bool shown, const char* title) {
    if (shown)
      out.push_back(std::string("<TD><STRONG>") + title + "</STRONG></TD>");
  };
  header(o.ShowCarName, "Car Name");
  header(o.ShowRacerName, "Racer Name");
  header(o.ShowCarNumber, "Car Number");
  header(o.ShowAverageTime, "Average Time");
  header(o.ShowCumulativeTime, "Cumulative Time");
  header(o.ShowAveragePoints, "Average Points");
  header(o.ShowWins, "Wins");
  header(o.ShowLosses, "Losses");
  header(groups, "Group");
  out.push_back("</TR>");

  auto cell = [&out](bool shown, const std::string& value) {
    if (shown)
      out.push_back("<TD>" + value + "</TD>");
  };
  const size_t racers = RacersInUse(race);
  for (size_t i = 0; i < racers; ++i) {
    const TCar& car = race.Cars.Items[i];
    out.push_back("<TR>");
    cell(o.ShowCarName, HtmlEscape(car.CarName));
    cell(o.ShowRacerName, HtmlEscape(car.RacerName));
    cell(o.ShowCarNumber, HtmlEscape(car.CarNumber));
    cell(o.ShowAverageTime, CurrencyToText(car.AverageTime));
    cell(o.ShowCumulativeTime, CurrencyToText(car.CumulativeTime));
    cell(o.ShowAveragePoints, CurrencyToText(car.AveragePoints));
    cell(o.ShowWins, std::to_string(car.Wins));
    cell(o.ShowLosses, std::to_string(car.Losses));
    cell(groups, GroupText(race, car.Group));
    out.push_back("</TR>");
  }
  // The table is left open: the page ends with the body and html tags only.
  out.push_back("</BODY>");
  out.push_back("</HTML>");
  return out;
}

std::string WriteLaneStatistics(const RaceState& race, const std::string& fileName,
                                const std::string& dateText) {
  WriteLinesAtomic(fileName, LaneStatisticsLines(race, dateText));
  return fileName;
}

std::string WriteScheduleSheet(const RaceState& race, const std::string& fileName) {
  std::string path = HtmlReportFileName(fileName);
  WriteLinesAtomic(path, ScheduleSheetLines(race));
  return path;
}

std::string WriteRaceResults(const RaceState& race, const std::string& fileName,
                             const RaceResultsOptions& options, const std::string& dateText) {
  std::string path = HtmlReportFileName(fileName);
  WriteLinesAtomic(path, RaceResultsLines(race, options, dateText));
  return path;
}

std::string WriteDetailedResults(const RaceState& race, const std::string& fileName,
                                 const DetailedResultsOptions& options,
                                 const std::string& dateText) {
  std::string path = HtmlReportFileName(fileName);
  WriteLinesAtomic(path, DetailedResultsLines(race, options, dateText));
  return path;
}

}  // namespace velmora
