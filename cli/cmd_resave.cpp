// velmora-cli resave: load a race file as Load does and save it again.
#include <CLI/CLI.hpp>
#include <memory>

#include "cli_race.h"
#include "cli_support.h"
#include "race_file.h"

namespace velmora::cli {
namespace {

struct ResaveOptions {
  std::string in;
  std::string out;
};

CommandAction Setup(CLI::App& app) {
  auto opts = std::make_shared<ResaveOptions>();
  CLI::App* sub = app.add_subcommand("resave", "Load a race file and save it to another file");
  sub->add_option("IN", opts->in, "The race file to load")->required();
  sub->add_option("OUT", opts->out, "The race file to write (.vsr is appended when missing)")
      ->required();
  return [opts]() {
    RaceState race;
    RaceRandom random;
    LoadRaceFile(opts->in, race, random);
    SaveRace(race, opts->out);
    return static_cast<int>(kExitOk);
  };
}

const CommandRegistration registration("resave", Setup);

}  // namespace
}  // namespace velmora::cli
