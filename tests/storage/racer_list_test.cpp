#include "racer_list.h"

#include <gtest/gtest.h>

#include "errors.h"
#include "fields.h"
#include "storage_test_util.h"

namespace velmora {
namespace {

using testing::ReadBytes;
using testing::ScratchDir;
using testing::WriteBytes;

TEST(RacerList, SavedRowsLoadBackInOrder) {
  ScratchDir dir;
  const std::vector<RacerListRow> rows{
      {"Bolt", "Ann", "1"}, {"Comet: fast", "", "12b"}, {"", "Cleo", ""}};
  std::string written = SaveRacerList(dir.File("field.vrl"), rows);
  EXPECT_EQ(written, dir.File("field.vrl"));
  EXPECT_EQ(ReadBytes(written),
            "RACER:1\r\nRACERNAME:Ann\r\nCARNAME:Bolt\r\nCARNUMBER:1\r\n\r\n"
            "RACER:2\r\nRACERNAME:\r\nCARNAME:Comet: fast\r\nCARNUMBER:12b\r\n\r\n"
            "RACER:3\r\nRACERNAME:Cleo\r\nCARNAME:\r\nCARNUMBER:\r\n\r\n");
  std::vector<LoadedRacerListRow> loaded = LoadRacerList(written);
  ASSERT_EQ(loaded.size(), rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(loaded[i].CarName, rows[i].CarName);
    EXPECT_EQ(loaded[i].RacerName, rows[i].RacerName);
    EXPECT_EQ(loaded[i].CarNumber, rows[i].CarNumber);
  }
}

TEST(RacerList, ExtensionIsAppendedUnlessExactlyVrl) {
  EXPECT_EQ(RacerListPath("teams.txt"), "teams.txt.vrl");
  EXPECT_EQ(RacerListPath("teams.VRL"), "teams.VRL.vrl");
  EXPECT_EQ(RacerListPath("teams.vrl"), "teams.vrl");
  EXPECT_EQ(RacerListPath("teams"), "teams.vrl");
}

TEST(RacerList, OddBlocks) {
  // Last block without its empty line; a key elsewhere than at the start of
  // its line still loses the key's length; a missing key leaves the cell.
  std::vector<LoadedRacerListRow> rows =
      ParseRacerList({"RACER:7", "RACERNAME:Ann", "xCARNAME:Bolt", "number 3", "", "RACER:1",
                      "RACERNAME:Ben", "CARNAME:Comet", "CARNUMBER:2"},
                     "list.vrl");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].RacerName, "Ann");
  EXPECT_EQ(rows[0].CarName, ":Bolt");
  EXPECT_FALSE(rows[0].CarNumber.has_value());
  EXPECT_EQ(rows[1].CarNumber, "2");

  // A RACER line as the last line is ignored.
  EXPECT_EQ(
      ParseRacerList({"RACER:1", "RACERNAME:A", "CARNAME:B", "CARNUMBER:1", "RACER:2"}, "list.vrl")
          .size(),
      1u);
  EXPECT_TRUE(ParseRacerList({"no racers here", ""}, "list.vrl").empty());
}

TEST(RacerList, UnreadableListsAreRefused) {
  EXPECT_THROW(ParseRacerList({"RACER:1", "RACERNAME:Ann", "CARNAME:Bolt"}, "list.vrl"), FileError);
  EXPECT_THROW(ParseRacerList({"RACER:1", "RACERNAME:Ann"}, "list.vrl"), FileError);
  EXPECT_THROW(LoadRacerList(VELMORA_TEST_DATA), FileError);  // a folder
  try {
    LoadRacerList("/no/such/list.vrl");
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("/no/such/list.vrl"), std::string::npos);
  }
}

}  // namespace
}  // namespace velmora
