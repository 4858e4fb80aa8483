// velmora-cli record: one heat's times, typed or as timer lines, into a saved
// race, exactly as manual entry or the serial timer would record them.
#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <vector>

#include "cli_race.h"
#include "cli_support.h"
#include "line_assembler.h"
#include "manual_entry.h"
#include "race_file.h"
#include "timer_protocols.h"

namespace velmora::cli {
namespace {

struct RecordOptions {
  std::string race;
  int round = 0;
  int heat = 0;
  std::string times;
  std::string timer;
  std::vector<std::string> lines;
  std::string out;
};

// Shows round R heat H as choosing the round and stepping to the heat would.
// Returns an error text when there is no such heat.
std::string ShowHeat(RaceState& race, int round, int heat) {
  if (round < 1 || round > race.RoundCount) {
    return "round " + std::to_string(round) + " does not exist: the race has " +
           std::to_string(race.RoundCount) + " round(s)";
  }
  const int32_t heats = HeatCount(race.Rounds[round - 1]);
  if (heat < 1 || heat > heats) {
    return "heat " + std::to_string(heat) + " does not exist: round " + std::to_string(round) +
           " has " + std::to_string(heats) + " heat(s)";
  }
  race.CurrentRound = round;
  race.TotalHeats = heats;
  race.CurrentHeat = heat;
  return {};
}

// Each text as the serial link would deliver it: ended by CR LF, and split
// at every CR LF inside it.
void FeedTimerLines(RaceState& race, TimerKind kind, const std::vector<std::string>& texts,
                    RaceRandom& random, Notifier& notifier) {
  // The lines are read as this kind of timer sends them; the race keeps
  // its own timer setting.
  const TimerKind own = race.TimerKind;
  race.TimerKind = kind;
  LineAssembler assembler;
  for (const std::string& text : texts) {
    std::string bytes = text;
    if (bytes.size() < 2 || bytes.compare(bytes.size() - 2, 2, "\r\n") != 0)
      bytes += "\r\n";
    for (const std::string& line : assembler.Append(bytes)) {
      ParseTimerLine(race, line, random, notifier);
    }
  }
  race.TimerKind = own;
}

CommandAction Setup(CLI::App& app) {
  auto opts = std::make_shared<RecordOptions>();
  CLI::App* sub =
      app.add_subcommand("record", "Record one heat's times in a race file, typed or from a timer");
  sub->add_option("RACE", opts->race, "The race file (.vsr)")->required();
  sub->add_option("--round", opts->round, "The round, from 1")->required();
  sub->add_option("--heat", opts->heat, "The heat of that round, from 1")->required();
  CLI::Option* times = sub->add_option(
      "--times", opts->times, "Comma-separated times, lane 1 first, checked as typed by hand");
  CLI::Option* timer = sub->add_option("--timer", opts->timer, "The timer whose lines --line gives")
                           ->check(CLI::IsMember({"No Timer", "MicroWizard", "TheJudge",
                                                  "NewBold DTX000", "SmartLine"}));
  CLI::Option* line = sub->add_option("--line", opts->lines,
                                      "A line the timer sent (CR LF is added unless it ends so)")
                          ->expected(1)
                          ->allow_extra_args(false)
                          ->take_all();
  sub->add_option("--out", opts->out, "Where to save (default: back to RACE)");
  times->excludes(timer)->excludes(line);
  timer->needs(line);
  line->needs(timer);
  sub->footer(
      "Give either --times or --timer with one or more --line. The race is saved only when\n"
      "the input is accepted; an invalid typed time changes nothing and exits with 1.");

  return [opts, times, timer]() {
    if (times->count() == 0 && timer->count() == 0) {
      throw CLI::RequiredError("--times or --timer with --line");
    }
    RaceState race;
    RaceRandom random;
    LoadRaceFile(opts->race, race, random);
    race.LaneTimes.clear();  // as after a load in the program
    if (std::string error = ShowHeat(race, opts->round, opts->heat); !error.empty()) {
      PrintError(error);
      return static_cast<int>(kExitFailed);
    }
    PrintingNotifier notifier;
    if (times->count() > 0) {
      std::vector<std::string> texts = SplitList(opts->times);
      if (texts.size() > static_cast<std::size_t>(race.LaneCount)) {
        PrintError(std::to_string(texts.size()) + " times given for " +
                   std::to_string(race.LaneCount) + " lanes");
        return static_cast<int>(kExitFailed);
      }
      if (!EnterManualTimes(race, texts, random, notifier))
        return static_cast<int>(kExitFailed);
    } else {
      FeedTimerLines(race, *TimerKindFromListName(opts->timer), opts->lines, random, notifier);
    }
    SaveRace(race, opts->out.empty() ? opts->race : opts->out);
    return static_cast<int>(kExitOk);
  };
}

const CommandRegistration registration("record", Setup);

}  // namespace
}  // namespace velmora::cli
