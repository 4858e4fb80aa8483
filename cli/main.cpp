// velmora-cli: the headless companion. It runs the very same core operations
// as the windows; each command lives in a cmd_*.cpp file of its own.
#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>

#include "cli_support.h"

int main(int argc, char** argv) {
  using namespace velmora::cli;
  CLI::App app{"Velmora command-line companion: schedules, race files, timer lines and reports."};
  app.name("velmora-cli");
  app.require_subcommand(1);

  std::vector<std::pair<CLI::App*, CommandAction>> actions;
  for (const RegisteredCommand& command : RegisteredCommands()) {
    size_t before = app.get_subcommands({}).size();
    CommandAction action = command.setup(app);
    auto subs = app.get_subcommands({});
    if (subs.size() > before)
      actions.emplace_back(subs.back(), std::move(action));
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kExitUsage;
  }

  for (auto& [sub, action] : actions) {
    if (sub->parsed()) {
      try {
        return action();
      } catch (const CLI::ParseError& e) {
        std::cerr << "error: " << e.what() << '\n';
        return kExitUsage;
      } catch (const std::exception& e) {
        PrintError(e.what());
        return kExitFailed;
      }
    }
  }
  return kExitUsage;
}
