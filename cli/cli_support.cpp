#include "cli_support.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <iostream>
#include <map>

namespace velmora::cli {
namespace {

std::map<std::string, CommandSetup>& Registry() {
  static std::map<std::string, CommandSetup> registry;
  return registry;
}

}  // namespace

CommandRegistration::CommandRegistration(const char* name, CommandSetup setup) {
  Registry().emplace(name, std::move(setup));
}

std::vector<RegisteredCommand> RegisteredCommands() {
  std::vector<RegisteredCommand> out;
  for (const auto& [name, setup] : Registry())
    out.push_back({name, setup});
  return out;
}

std::string OneLine(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
  return out;
}

void PrintingNotifier::Inform(const std::string& text) {
  std::cerr << "message: " << OneLine(text) << '\n';
}

bool PrintingNotifier::Ask(const std::string& text) {
  std::cerr << "question: " << OneLine(text) << '\n';
  return true;
}

void PrintError(const std::string& text) {
  std::cerr << "error: " << OneLine(text) << '\n';
}

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  if (text.empty())
    return items;
  size_t start = 0;
  while (true) {
    size_t comma = text.find(',', start);
    items.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos)
      break;
    start = comma + 1;
  }
  return items;
}

std::vector<int> ParseIntList(const std::string& text, const std::string& option) {
  std::vector<int> values;
  for (const std::string& item : SplitList(text)) {
    int value = 0;
    const char* first = item.data();
    const char* last = item.data() + item.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (item.empty() || ec != std::errc() || ptr != last) {
      throw CLI::ValidationError(option, "'" + item + "' is not a whole number");
    }
    values.push_back(value);
  }
  return values;
}

}  // namespace velmora::cli
