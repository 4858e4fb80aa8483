// velmora-cli stats: the standings of a loaded race with every car's figures.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli_race.h"
#include "cli_support.h"

namespace velmora::cli {
namespace {

CommandAction Setup(CLI::App& app) {
  auto file = std::make_shared<std::string>();
  CLI::App* sub = app.add_subcommand("stats", "Load a race file and print the standings");
  sub->add_option("RACE", *file, "The race file")->required();
  sub->footer(
      "Tab-separated, best first. Place: position in the standings; Car: position in the\n"
      "racer list; Group: group index, -1 for none.");
  return [file]() {
    RaceState race;
    RaceRandom random;
    LoadRaceFile(*file, race, random);
    std::cout << "Place\tCar\tCarName\tRacerName\tCarNumber\tGroup\tScore\tAverageTime\t"
                 "FastestTime\tWorstTime\tCumulativeTime\tTotalPoints\tAveragePoints\tWins\t"
                 "Losses\n";
    for (size_t k = 0; k < race.Leaders.Items.size(); ++k) {
      const TLeader& leader = race.Leaders.Items[k];
      const TCar* car = CarAt(race, leader.CarIndex + 1);
      if (!car)
        continue;
      std::cout << (k + 1) << '\t' << (leader.CarIndex + 1) << '\t' << car->CarName << '\t'
                << car->RacerName << '\t' << car->CarNumber << '\t' << car->Group << '\t'
                << CurrencyToText(car->Score) << '\t' << CurrencyToText(car->AverageTime) << '\t'
                << CurrencyToText(car->FastestTime) << '\t' << CurrencyToText(car->WorstTime)
                << '\t' << CurrencyToText(car->CumulativeTime) << '\t'
                << CurrencyToText(car->TotalPoints) << '\t' << CurrencyToText(car->AveragePoints)
                << '\t' << car->Wins << '\t' << car->Losses << '\n';
    }
    return static_cast<int>(kExitOk);
  };
}

const CommandRegistration registration("stats", Setup);

}  // namespace
}  // namespace velmora::cli
