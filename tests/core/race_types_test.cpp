#include "race_types.h"

#include <gtest/gtest.h>

#include "errors.h"

namespace velmora {
namespace {

int32_t Rgb(int r, int g, int b) {
  return r + g * 256 + b * 65536;
}

TEST(Colors, TextOfAColourIsRedGreenBlue) {
  EXPECT_EQ(ColorToText(Rgb(255, 0, 0)), "FF0000");
  EXPECT_EQ(ColorToText(Rgb(0, 128, 255)), "0080FF");
  EXPECT_EQ(ColorToText(0), "000000");
  EXPECT_EQ(ColorToText(Rgb(1, 2, 3) | 0x7F000000), "010203");  // the top byte is not a colour
}

TEST(Colors, ColourOfAText) {
  EXPECT_EQ(TextToColor("0080ff"), Rgb(0, 128, 255));
  EXPECT_EQ(TextToColor("FF0000"), Rgb(255, 0, 0));
  EXPECT_EQ(TextToColor("12345"), Rgb(0x12, 0x34, 5));
  EXPECT_EQ(TextToColor("123456789"), Rgb(0x12, 0x34, 0x56));
  for (int32_t c : {0, Rgb(255, 255, 255), Rgb(17, 34, 51)}) {
    EXPECT_EQ(TextToColor(ColorToText(c)), c);
  }
}

TEST(Colors, BadTextsNameThePair) {
  struct {
    const char* text;
    const char* message;
  } cases[] = {{"", "'$' is not a valid integer value"},
               {"GG0000", "'$GG' is not a valid integer value"},
               {"00x000", "'$x0' is not a valid integer value"},
               {"0000", "'$' is not a valid integer value"},
               {"00 000", "'$ 0' is not a valid integer value"}};
  for (const auto& c : cases) {
    try {
      TextToColor(c.text);
      ADD_FAILURE() << "no error for '" << c.text << "'";
    } catch (const ConversionError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(GroupMembers, ListsPositionsWithinRacerCountOnly) {
  RaceState race;
  race.RacerCount = 4;
  race.Cars.Items.resize(5);  // one spare entry after creation
  int32_t groups[] = {0, 1, 0, 0, 0};
  for (size_t i = 0; i < 5; ++i)
    race.Cars.Items[i].Group = groups[i];
  EXPECT_EQ(GroupMembers(race, 0), (TIntArray{1, 3, 4}));
  EXPECT_EQ(GroupMembers(race, 1), (TIntArray{2}));
  EXPECT_TRUE(GroupMembers(race, 2).empty());

  race.RacerCount = 9;  // more racers claimed than stored: never read past the list
  EXPECT_EQ(GroupMembers(race, 0), (TIntArray{1, 3, 4, 5}));
}

TEST(RaceState, StartsEmptyWithNoFinalsMatchingTheMethod) {
  RaceState race;
  EXPECT_TRUE(race.Rounds.empty());
  EXPECT_EQ(race.RoundCount, 0);
  EXPECT_EQ(race.NoFinals, race.GroupsMethod != GroupsMethod::Finals);
  for (GroupsMethod m : {GroupsMethod::Finals, GroupsMethod::Intergroup, GroupsMethod::NoGroups,
                         GroupsMethod::NoIntergroup}) {
    SetGroupsMethod(race, m);
    EXPECT_EQ(race.NoFinals, m != GroupsMethod::Finals);
  }
}

TEST(TimerKinds, ListItemsMapToKinds) {
  TimerKind kinds[] = {TimerKind::NoTimer, TimerKind::MicroWizard, TimerKind::TheJudge,
                       TimerKind::NewBoldDTX000, TimerKind::SmartLine};
  const char* texts[] = {"No Timer", "Microwizard", "TheJudge", "NewBoldDTX000", "SmartLine"};
  for (int item = 0; item < 5; ++item) {
    EXPECT_EQ(TimerKindFromItem(item), kinds[item]);
    EXPECT_EQ(TimerItemFromKind(kinds[item]), item);
    EXPECT_EQ(TimerTypeText(kinds[item]), texts[item]);
  }
  EXPECT_EQ(TimerKindFromItem(-1), TimerKind::NoTimer);
  EXPECT_EQ(TimerKindFromItem(5), TimerKind::NoTimer);
}

}  // namespace
}  // namespace velmora
