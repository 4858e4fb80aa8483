// velmora-cli report: one HTML report of a saved race, written as the
// report windows write it.
#include <CLI/CLI.hpp>
#include <clocale>
#include <ctime>
#include <iostream>
#include <memory>
#include <utility>

#include "cli_support.h"
#include "race_displays.h"
#include "race_file.h"
#include "race_random.h"
#include "race_reports.h"

namespace velmora::cli {
namespace {

struct ReportOptions {
  std::string kind;
  std::string racePath;
  std::string outPath;
  std::string date;
  std::string hide;
};

// The items --hide may clear, named as on the option windows.
template <typename Options>
using HideItems = std::vector<std::pair<std::string, bool Options::*>>;

const HideItems<RaceResultsOptions>& RaceResultsItems() {
  static const HideItems<RaceResultsOptions> items = {
      {"car-number", &RaceResultsOptions::ShowCarNumber},
      {"car-name", &RaceResultsOptions::ShowCarName},
      {"racer-name", &RaceResultsOptions::ShowRacerName},
      {"heat-times", &RaceResultsOptions::ShowHeatTimes},
      {"color", &RaceResultsOptions::UseColor},
      {"average-times", &RaceResultsOptions::ShowAverageTimes},
  };
  return items;
}

const HideItems<DetailedResultsOptions>& DetailedResultsItems() {
  static const HideItems<DetailedResultsOptions> items = {
      {"car-name", &DetailedResultsOptions::ShowCarName},
      {"racer-name", &DetailedResultsOptions::ShowRacerName},
      {"car-number", &DetailedResultsOptions::ShowCarNumber},
      {"average-time", &DetailedResultsOptions::ShowAverageTime},
      {"cumulative-time", &DetailedResultsOptions::ShowCumulativeTime},
      {"average-points", &DetailedResultsOptions::ShowAveragePoints},
      {"wins", &DetailedResultsOptions::ShowWins},
      {"losses", &DetailedResultsOptions::ShowLosses},
  };
  return items;
}

template <typename Options>
std::string ItemList(const HideItems<Options>& items) {
  std::string list;
  for (const auto& [name, flag] : items)
    list += (list.empty() ? "" : ", ") + name;
  return list;
}

// Every option on, less the items named; an unknown name is a usage error.
template <typename Options>
Options OptionsWithout(const std::vector<std::string>& hidden, const HideItems<Options>& items,
                       const std::string& kind) {
  Options options;
  for (const std::string& name : hidden) {
    bool known = false;
    for (const auto& [item, flag] : items) {
      if (item == name) {
        options.*flag = false;
        known = true;
      }
    }
    if (!known) {
      throw CLI::ValidationError("--hide", "'" + name + "' is not an item of " + kind +
                                               " (items: " + ItemList(items) + ")");
    }
  }
  return options;
}

// Today in the short date format of the user's locale.
std::string TodayText() {
  std::setlocale(LC_TIME, "");
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[128];
  size_t length = std::strftime(text, sizeof text, "%x", &local);
  return std::string(text, length);
}

CommandAction Setup(CLI::App& app) {
  auto opts = std::make_shared<ReportOptions>();
  CLI::App* sub = app.add_subcommand("report", "Write one HTML report of a saved race");
  sub->add_option("kind", opts->kind, "The report")
      ->required()
      ->check(
          CLI::IsMember({"lane-statistics", "schedule-sheet", "race-results", "detailed-results"}));
  sub->add_option("race", opts->racePath, "The saved race file (.vsr)")->required();
  sub->add_option("out", opts->outPath, "The report file")->required();
  CLI::Option* date =
      sub->add_option("--date", opts->date, "The date printed under the title (default: today)");
  sub->add_option("--hide", opts->hide, "Comma-separated items to leave out of the report");
  sub->footer(
      "Items of race-results: " + ItemList(RaceResultsItems()) +
      ".\nItems of detailed-results: " + ItemList(DetailedResultsItems()) +
      ".\nExcept for lane-statistics, \".htm\" is added to OUT unless it ends in \".htm\" or "
      "\".html\".\nPrints the path of the file written.");

  return [opts, date]() {
    const std::vector<std::string> hidden = SplitList(opts->hide);
    RaceResultsOptions results;
    DetailedResultsOptions detailed;
    if (opts->kind == "race-results") {
      results = OptionsWithout(hidden, RaceResultsItems(), opts->kind);
    } else if (opts->kind == "detailed-results") {
      detailed = OptionsWithout(hidden, DetailedResultsItems(), opts->kind);
    } else if (!hidden.empty()) {
      throw CLI::ValidationError("--hide", opts->kind + " has no items to hide");
    }
    const std::string dateText = date->count() > 0 ? opts->date : TodayText();

    RaceState race;
    RaceRandom random;
    PrintingNotifier notifier;
    NoRaceDisplays displays;
    LoadRace(race, opts->racePath, random, notifier, displays);

    std::string written;
    if (opts->kind == "lane-statistics") {
      written = WriteLaneStatistics(race, opts->outPath, dateText);
    } else if (opts->kind == "schedule-sheet") {
      written = WriteScheduleSheet(race, opts->outPath);
    } else if (opts->kind == "race-results") {
      written = WriteRaceResults(race, opts->outPath, results, dateText);
    } else {
      written = WriteDetailedResults(race, opts->outPath, detailed, dateText);
    }
    std::cout << written << '\n';
    return static_cast<int>(kExitOk);
  };
}

const CommandRegistration registration("report", Setup);

}  // namespace
}  // namespace velmora::cli
