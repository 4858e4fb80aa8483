// velmora-cli schedule: one round from a generator, printed heat by heat.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli_support.h"
#include "race_generation.h"

namespace velmora::cli {
namespace {

struct ScheduleOptions {
  std::string generator;
  int lanes = 0;
  std::string entries;
  int runs = 1;
  uint32_t seed = 0;
};

// One line per real heat, lane 1 first, entries separated by one space.
void PrintHeats(const THeats& round, std::ostream& out) {
  for (int32_t h = 0; h < HeatCount(round); ++h) {
    const TIntArray& cars = round.Heats[h].LaneCars;
    for (size_t l = 0; l < cars.size(); ++l)
      out << (l ? " " : "") << cars[l];
    out << '\n';
  }
}

CommandAction Setup(CLI::App& app) {
  auto opts = std::make_shared<ScheduleOptions>();
  CLI::App* sub = app.add_subcommand("schedule", "Generate one round of heats and print it");
  sub->add_option("--generator", opts->generator, "The schedule generator")
      ->required()
      ->check(CLI::IsMember({"lane-rotation", "stearns", "perfect-n"}));
  sub->add_option("--lanes", opts->lanes, "Number of lanes")->required()->check(CLI::Range(1, 8));
  sub->add_option("--entries", opts->entries,
                  "Comma-separated entries: racer positions from 1, 0 for an empty lane")
      ->required();
  sub->add_option("--runs", opts->runs, "Runs in each lane (below 1: no heats)")
      ->capture_default_str()
      ->check(CLI::Range(-1000, 1000));
  sub->add_option("--seed", opts->seed, "Starting value of the random generator")
      ->capture_default_str();
  sub->footer(
      "Prints one line per real heat, lane 1 first, entries separated by one space.\n"
      "Only lane-rotation draws from the random generator.");

  return [opts]() {
    TIntArray entries;
    for (int v : ParseIntList(opts->entries, "--entries"))
      entries.push_back(v);
    RaceRandom random;
    random.RandomSeed = opts->seed;
    THeats round;
    if (opts->generator == "lane-rotation") {
      round = GenerateLaneRotation(entries, opts->lanes, opts->runs, random);
    } else if (opts->generator == "stearns") {
      round = GenerateStearns(entries, opts->lanes, opts->runs);
    } else {
      round = GeneratePerfectN(entries, opts->lanes, opts->runs);
    }
    PrintHeats(round, std::cout);
    return static_cast<int>(kExitOk);
  };
}

const CommandRegistration registration("schedule", Setup);

}  // namespace
}  // namespace velmora::cli
