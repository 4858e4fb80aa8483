// Damaged race files: whatever a file holds, loading either refuses it as a
// whole or gives a race that saves and loads back to the same file.
#include <gtest/gtest.h>

#include <random>

#include "errors.h"
#include "fields.h"
#include "race_file.h"
#include "race_invariants.h"
#include "recording_notifier.h"
#include "storage_test_util.h"

namespace velmora {
namespace {

using testing::DataPath;
using testing::ReadBytes;
using testing::RecordingNotifier;
using testing::ScratchDir;
using testing::WriteBytes;

std::vector<std::string> Mutated(std::vector<std::string> lines, std::mt19937& rng) {
  static const char* const kPieces[] = {
      "LANE", "HEAT", "ROUND", "GROUP:", "RACER:", ":",   "-1", "0",
      "9",    "x",    "",      "ACER:",  "ROUP:",  "3.5", "FF", "::"};
  const int edits = 1 + static_cast<int>(rng() % 4);
  for (int e = 0; e < edits && !lines.empty(); ++e) {
    size_t at = rng() % lines.size();
    switch (rng() % 5) {
      case 0:
        lines.erase(lines.begin() + static_cast<long>(at));
        break;
      case 1:
        lines.insert(lines.begin() + static_cast<long>(at), lines[rng() % lines.size()]);
        break;
      case 2:
        lines[at] = kPieces[rng() % std::size(kPieces)];
        break;
      case 3: {
        std::string& line = lines[at];
        size_t pos = line.empty() ? 0 : rng() % (line.size() + 1);
        line.insert(pos, kPieces[rng() % std::size(kPieces)]);
        break;
      }
      default:
        lines[at] = lines[at].substr(0, lines[at].empty() ? 0 : rng() % lines[at].size());
        break;
    }
  }
  return lines;
}

TEST(RaceFileMutation, LoadableFilesRoundTripAndRefusedOnesChangeNothing) {
  ScratchDir dir;
  std::mt19937 rng(20261211);
  int loaded = 0;
  int refused = 0;
  for (const char* fixture : {"two-lane.vsr", "groups.vsr", "imported.vsr"}) {
    const std::vector<std::string> original = SplitLines(ReadBytes(DataPath(fixture)));
    for (int i = 0; i < 150; ++i) {
      std::string bytes;
      for (const std::string& line : Mutated(original, rng))
        bytes += line + "\r\n";
      WriteBytes(dir.File("m.vsr"), bytes);

      RaceState race;
      RaceRandom random;
      RecordingNotifier notifier;
      NoRaceDisplays displays;
      LoadRace(race, DataPath("two-lane.vsr"), random, notifier, displays);
      const std::vector<std::string> before = RaceFileLines(race);
      try {
        LoadRace(race, dir.File("m.vsr"), random, notifier, displays);
      } catch (const FileError&) {
        ++refused;
        EXPECT_EQ(RaceFileLines(race), before);
        continue;
      }
      ++loaded;
      for (const std::string& problem : CheckRaceInvariants(race)) {
        ADD_FAILURE() << problem << "\n" << bytes;
      }
      const std::vector<std::string> saved = RaceFileLines(race);
      WriteLinesAtomic(dir.File("s.vsr"), saved);
      RaceState again;
      LoadRace(again, dir.File("s.vsr"), random, notifier, displays);
      EXPECT_EQ(RaceFileLines(again), saved) << bytes;
    }
  }
  // Both outcomes are exercised.
  EXPECT_GT(loaded, 50);
  EXPECT_GT(refused, 50);
}

}  // namespace
}  // namespace velmora
