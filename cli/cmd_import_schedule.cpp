// velmora-cli import-schedule: a race schedule file read as race creation
// imports it, printed heat by heat.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "cli_support.h"
#include "race_schedule.h"

namespace velmora::cli {
namespace {

CommandAction Setup(CLI::App& app) {
  auto file = std::make_shared<std::string>();
  CLI::App* sub =
      app.add_subcommand("import-schedule", "Read a race schedule file (.vrs) and print its heats");
  sub->add_option("FILE", *file, "The race schedule file")->required();
  sub->footer(
      "Prints one line per real heat, lane 1 first, entries separated by one space, as the\n"
      "file's lane count gives them. An invalid file prints its message and no heats.");
  return [file]() {
    PrintingNotifier notifier;
    THeats round = ImportSchedule(*file, notifier);
    for (int32_t h = 0; h < HeatCount(round); ++h) {
      const TIntArray& cars = round.Heats[static_cast<size_t>(h)].LaneCars;
      for (size_t l = 0; l < cars.size(); ++l)
        std::cout << (l ? " " : "") << cars[l];
      std::cout << '\n';
    }
    return static_cast<int>(kExitOk);
  };
}

const CommandRegistration registration("import-schedule", Setup);

}  // namespace
}  // namespace velmora::cli
