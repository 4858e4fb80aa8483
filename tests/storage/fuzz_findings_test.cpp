// Files found by fuzzing the race file reader, kept as they were found. Each
// must load (or be refused) as the fuzz target demands: a loaded race keeps
// every rule of the data model, and saving it and loading the saved file
// gives the same file again.
#include <gtest/gtest.h>

#include <filesystem>

#include "errors.h"
#include "fields.h"
#include "race_file.h"
#include "race_invariants.h"
#include "recording_notifier.h"
#include "storage_test_util.h"

namespace velmora {
namespace {

std::vector<std::string> FindingFiles() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(testing::DataPath("fuzz"))) {
    files.push_back(entry.path().filename().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

class RaceFileFinding : public ::testing::TestWithParam<std::string> {};

TEST_P(RaceFileFinding, LoadsConsistentlyAndRoundTrips) {
  RaceState race;
  RaceRandom random;
  testing::RecordingNotifier notifier;
  NoRaceDisplays displays;
  const std::string path = testing::DataPath("fuzz/" + GetParam());
  try {
    LoadRace(race, path, random, notifier, displays);
  } catch (const FileError&) {
    EXPECT_TRUE(CheckRaceInvariants(race).empty());
    return;
  }
  for (const std::string& problem : CheckRaceInvariants(race))
    ADD_FAILURE() << problem;
  const std::vector<std::string> saved = RaceFileLines(race);
  RaceState again;
  LoadRaceLines(again, saved, "saved.vsr", random, notifier, displays);
  EXPECT_EQ(RaceFileLines(again), saved);
}

INSTANTIATE_TEST_SUITE_P(Findings, RaceFileFinding, ::testing::ValuesIn(FindingFiles()),
                         [](const auto& info) {
                           std::string name;
                           for (char c : info.param)
                             name += std::isalnum(c) ? c : '_';
                           return name;
                         });

}  // namespace
}  // namespace velmora
