// Small helpers shared by the storage tests: a scratch folder and whole-file
// reads and writes.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "race_displays.h"

namespace velmora::testing {

inline std::string DataPath(const std::string& name) {
  return std::string(VELMORA_TEST_DATA) + "/storage/" + name;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// A fresh folder under the system's temporary folder, removed at the end.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "velmora-storage-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~ScratchDir() { std::filesystem::remove_all(path_); }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Counts the display calls race loading makes.
class CountingDisplays : public RaceDisplays {
 public:
  int inits = 0;
  int refreshes = 0;
  void InitRaceDisplays() override { ++inits; }
  void RefreshRaceDisplays() override { ++refreshes; }
};

}  // namespace velmora::testing
