// What every velmora-cli command shares: the registry of commands, the
// Notifier that prints, and the exit statuses.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "notifier.h"

namespace CLI {
class App;
}

namespace velmora::cli {

enum ExitStatus : int {
  kExitOk = 0,
  kExitFailed = 1,  // refused or failed; one line on stderr, nothing written
  kExitUsage = 2,
};

// A command adds its subcommand to the application and returns the action to
// run when that subcommand was chosen. The action returns the exit status.
using CommandAction = std::function<int()>;
using CommandSetup = std::function<CommandAction(CLI::App& app)>;

struct CommandRegistration {
  CommandRegistration(const char* name, CommandSetup setup);
};

struct RegisteredCommand {
  std::string name;
  CommandSetup setup;
};
// In name order, so --help lists the commands alphabetically.
std::vector<RegisteredCommand> RegisteredCommands();

// Prints every message as one line "message: TEXT" on stderr and every
// question as "question: TEXT", answered Yes.
class PrintingNotifier : public Notifier {
 public:
  void Inform(const std::string& text) override;
  bool Ask(const std::string& text) override;
};

// A text on one line: line feed as the two characters \n, carriage return as \r.
std::string OneLine(const std::string& text);

// Writes "error: TEXT" on stderr.
void PrintError(const std::string& text);

// Splits "a,b,c" at commas; an empty text gives no items.
std::vector<std::string> SplitList(const std::string& text);

// Reads a comma-separated list of whole numbers; throws CLI::ValidationError
// naming the option on a bad item.
std::vector<int> ParseIntList(const std::string& text, const std::string& option);

}  // namespace velmora::cli
