// velmora-cli rounds: every round of a loaded race with its heats.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli_race.h"
#include "cli_support.h"

namespace velmora::cli {
namespace {

template <typename T, typename F>
std::string Joined(const std::vector<T>& values, F text) {
  std::string out;
  for (size_t i = 0; i < values.size(); ++i) {
    if (i > 0)
      out += ',';
    out += text(values[i]);
  }
  return out;
}

CommandAction Setup(CLI::App& app) {
  auto file = std::make_shared<std::string>();
  CLI::App* sub = app.add_subcommand("rounds", "Load a race file and print its rounds and heats");
  sub->add_option("RACE", *file, "The race file")->required();
  sub->footer(
      "Per round its caption (Round 2 (Tie Breakers)), then per real heat:\n"
      "Heat H raced|open cars=C1,C2,.. times=T1,T2,.. places=P1,P2,..");
  return [file]() {
    RaceState race;
    RaceRandom random;
    LoadRaceFile(*file, race, random);
    for (int32_t r = 1; r <= race.RoundCount; ++r) {
      const THeats& round = race.Rounds[static_cast<size_t>(r - 1)];
      std::cout << "Round " << r;
      if (!round.Name.empty())
        std::cout << " (" << round.Name << ")";
      std::cout << '\n';
      for (int32_t h = 0; h < HeatCount(round); ++h) {
        const THeat& heat = round.Heats[static_cast<size_t>(h)];
        std::cout << "Heat " << (h + 1) << (heat.Raced ? " raced" : " open")
                  << " cars=" << Joined(heat.LaneCars, [](int32_t c) { return std::to_string(c); })
                  << " times=" << Joined(heat.Times, [](Currency t) { return CurrencyToText(t); })
                  << " places="
                  << (heat.Raced ? Joined(heat.Places, [](int32_t p) { return std::to_string(p); })
                                 : std::string())
                  << '\n';
      }
    }
    return static_cast<int>(kExitOk);
  };
}

const CommandRegistration registration("rounds", Setup);

}  // namespace
}  // namespace velmora::cli
