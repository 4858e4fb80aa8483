#include "fields.h"

#include "line_text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace velmora {

std::string GetField(char delimiter, const std::string& line, int n) {
  return FieldOfLine(delimiter, line, n);
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  return SplitTextLines(bytes);
}

std::vector<std::string> ReadLines(const std::string& path) {
  return ReadTextFileLines(path);
}

namespace {

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  if (slash == std::string::npos)
    return ".";
  if (slash == 0)
    return "/";
  return path.substr(0, slash);
}

[[noreturn]] void CannotCreate(const std::string& path, int error) {
  throw FileError("Cannot create file " + path + ": " + std::strerror(error));
}

}  // namespace

void WriteFileAtomic(const std::string& path, const std::string& bytes) {
  if (path.empty())
    CannotCreate(path, ENOENT);
  // The rename below would replace a read-only file; refuse as opening it would.
  if (access(path.c_str(), F_OK) == 0 && access(path.c_str(), W_OK) != 0)
    CannotCreate(path, errno);
  std::string base =
      path.substr(path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
  std::string pattern = FolderOf(path) + "/." + base + ".tmp-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = mkstemp(name.data());
  if (fd < 0)
    CannotCreate(path, errno);
  // Keep the permissions an existing file had; new files get the usual ones.
  struct stat existing {};
  if (stat(path.c_str(), &existing) == 0) {
    fchmod(fd, existing.st_mode & 07777);
  } else {
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
  }
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      int error = errno;
      close(fd);
      unlink(name.data());
      CannotCreate(path, error);
    }
    done += static_cast<size_t>(n);
  }
  if (fsync(fd) != 0 && errno != EINVAL) {
    int error = errno;
    close(fd);
    unlink(name.data());
    CannotCreate(path, error);
  }
  if (close(fd) != 0) {
    int error = errno;
    unlink(name.data());
    CannotCreate(path, error);
  }
  if (std::rename(name.data(), path.c_str()) != 0) {
    int error = errno;
    unlink(name.data());
    CannotCreate(path, error);
  }
}

void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    // A line break inside a value would split its line and shift every
    // line after it; it is written as a space.
    for (char c : line)
      bytes += (c == '\r' || c == '\n') ? ' ' : c;
    bytes += "\r\n";
  }
  WriteFileAtomic(path, bytes);
}

std::vector<std::string> ScheduleFileLines(int laneCount, const std::vector<ScheduleRow>& rows) {
  std::vector<std::string> lines;
  lines.push_back("LANES:" + std::to_string(laneCount));
  for (const ScheduleRow& row : rows) {
    std::string line;
    for (int lane = 0; lane < laneCount; ++lane) {
      if (lane > 0)
        line += ',';
      if (lane < static_cast<int>(row.size()))
        line += row[lane];
    }
    lines.push_back(line);
  }
  return lines;
}

void WriteScheduleFile(const std::string& path, int laneCount,
                       const std::vector<ScheduleRow>& rows) {
  WriteLinesAtomic(path, ScheduleFileLines(laneCount, rows));
}

HeatsmithSchedule ParseHeatsmithSchedule(const std::vector<std::string>& lines) {
  std::string first = lines.empty() ? std::string() : lines[0];
  if (first.size() < 7 || first[6] < '0' || first[6] > '9') {
    std::string seventh = first.size() < 7 ? std::string() : first.substr(6, 1);
    throw ConversionError("'" + seventh + "' is not a valid integer value");
  }
  HeatsmithSchedule schedule;
  schedule.LaneCount = first[6] - '0';
  schedule.HasHeats = first.compare(0, 5, "LANES") == 0;
  if (!schedule.HasHeats)
    return schedule;
  for (size_t k = 1; k < lines.size(); ++k) {
    ScheduleRow row;
    for (int lane = 1; lane <= schedule.LaneCount; ++lane) {
      row.push_back(GetField(',', lines[k], lane));
    }
    schedule.Rows.push_back(std::move(row));
  }
  return schedule;
}

HeatsmithSchedule ReadHeatsmithSchedule(const std::string& path) {
  return ParseHeatsmithSchedule(ReadLines(path));
}

}  // namespace velmora
