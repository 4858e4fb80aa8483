// The rules for 8-bit line files: CR LF, LF or CR ends a line and a final
// line end does not start another line; a line splits into fields at a
// delimiter. Header-only, like errors.h,
// so that the schedule editor's small library can share it without linking
// the core.
#pragma once

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "errors.h"

namespace velmora {

// The n-th (1-based) field of `line` split at `delimiter`; a trailing
// delimiter is optional, fields past the last one are empty, and an empty
// line is a line of empty fields.
inline std::string FieldOfLine(char delimiter, const std::string& line, int n) {
  std::string rest = line;
  if (rest.empty() || rest.back() != delimiter)
    rest += delimiter;
  std::string field;
  for (int i = 0; i < n; ++i) {
    size_t at = rest.find(delimiter);
    if (at == std::string::npos)
      return std::string();
    field = rest.substr(0, at);
    rest.erase(0, at + 1);
  }
  return field;
}

inline std::vector<std::string> SplitTextLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string current;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
        ++i;
    } else {
      current += c;
    }
  }
  if (!current.empty())
    lines.push_back(current);
  return lines;
}

// The lines of a file; throws FileError naming the file when it cannot be
// opened or read, or is a folder (which would otherwise read as nothing).
inline std::vector<std::string> ReadTextFileLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw FileError("Cannot open file " + path + ": " + std::strerror(errno));
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
    throw FileError("Cannot open file " + path + ": " + std::strerror(EISDIR));
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad())
    throw FileError("Cannot read file " + path);
  return SplitTextLines(buffer.str());
}

}  // namespace velmora
