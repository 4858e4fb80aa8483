// Starts velmora-cli with arguments and collects what it prints.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace velmora::testing {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline std::string ShellQuote(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) {
    if (c == '\'') {
      q += "'\\''";
    } else {
      q += c;
    }
  }
  return q + "'";
}

// Runs the command with stdin from /dev/null; stdout and stderr go to
// temporary files so that neither can block the other.
inline CliResult RunCli(const std::vector<std::string>& args) {
  char outName[] = "/tmp/velmora-cli-out-XXXXXX";
  char errName[] = "/tmp/velmora-cli-err-XXXXXX";
  int outFd = mkstemp(outName);
  int errFd = mkstemp(errName);
  close(outFd);
  close(errFd);
  std::string command = ShellQuote(VELMORA_CLI_PATH);
  for (const std::string& a : args)
    command += " " + ShellQuote(a);
  command += " </dev/null >" + std::string(outName) + " 2>" + std::string(errName);
  CliResult result;
  int raw = std::system(command.c_str());
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadWholeFile(outName);
  result.err = ReadWholeFile(errName);
  unlink(outName);
  unlink(errName);
  return result;
}

}  // namespace velmora::testing
