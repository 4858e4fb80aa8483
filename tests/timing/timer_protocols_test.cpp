#include "timer_protocols.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "line_assembler.h"
#include "race_fixture.h"
#include "recording_notifier.h"

namespace velmora {
namespace {

using Raw = std::vector<int64_t>;

Raw RawTimes(const std::vector<Currency>& times) {
  Raw out;
  for (Currency t : times)
    out.push_back(t.Raw());
  return out;
}

std::vector<Currency> Times(const Raw& raw) {
  std::vector<Currency> out;
  for (int64_t r : raw)
    out.push_back(Currency::FromRaw(r));
  return out;
}

struct LineCase {
  const char* name;
  TimerKind kind;
  int lanes;
  Raw before;                      // LaneTimes before the first line
  std::vector<std::string> lines;  // as delivered, terminator included
  Raw laneTimes;                   // LaneTimes after the last line
  bool recorded;                   // heat 1 raced with exactly laneTimes
  int messages = 0;                // lane count errors shown
};

void PrintTo(const LineCase& c, std::ostream* os) {
  *os << c.name;
}

class TimerLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(TimerLineTest, LinesGiveLaneTimesAndRecordTheHeatOnShow) {
  const LineCase& c = GetParam();
  RaceState race = testing::MakeTimedRace(c.kind, c.lanes);
  race.LaneTimes = Times(c.before);
  RaceRandom random;
  testing::RecordingNotifier notifier;
  for (const std::string& line : c.lines)
    ParseTimerLine(race, line, random, notifier);

  EXPECT_EQ(RawTimes(race.LaneTimes), c.laneTimes);
  const THeat& heat = race.Rounds[0].Heats[0];
  EXPECT_EQ(heat.Raced, c.recorded);
  if (c.recorded) {
    EXPECT_EQ(RawTimes(heat.Times), c.laneTimes);
  }
  EXPECT_FALSE(race.Rounds[0].Heats[1].Raced);
  ASSERT_EQ(notifier.messages.size(), static_cast<size_t>(c.messages));
  for (const std::string& m : notifier.messages)
    EXPECT_EQ(m, kTimerLaneCountMessage);
}

const TimerKind MW = TimerKind::MicroWizard;
const TimerKind SL = TimerKind::SmartLine;
const TimerKind TJ = TimerKind::TheJudge;
const TimerKind NB = TimerKind::NewBoldDTX000;

INSTANTIATE_TEST_SUITE_P(
    KeyedLines, TimerLineTest,
    ::testing::Values(
        LineCase{"TwoLanes", MW, 2, {}, {"A=2.345 B=2.456\r\n"}, {23450, 24560}, true},
        // The missing key reads the five characters at position 2, "=2.34".
        LineCase{"AbsentKeyReadsPositionTwo",
                 MW,
                 3,
                 {},
                 {"A=2.345 B=2.456\r\n"},
                 {23450, 24560, 0},
                 true},
        LineCase{"AbsentKeyCanReadATime",
                 MW,
                 3,
                 {},
                 {" 3.000 A=1.000 B=2.000\r\n"},
                 {10000, 20000, 30000},
                 true},
        LineCase{"FourLanes",
                 MW,
                 4,
                 {},
                 {"A=3.123 B=3.456 C=3.789 D=4.012\r\n"},
                 {31230, 34560, 37890, 40120},
                 true},
        LineCase{
            "CutToFiveCharacters", MW, 2, {}, {"A=12.3456 B=3.0001\r\n"}, {123400, 30000}, true},
        LineCase{"PlaceCharactersAfterTimes",
                 MW,
                 3,
                 {},
                 {"A=3.001! B=3.002\" C=3.003#\r\n"},
                 {30010, 30020, 30030},
                 true},
        LineCase{"NotFinishedAndEmptyLanes",
                 MW,
                 4,
                 {},
                 {"A=3.100! B=9.999 C=0.000 D=3.200\"\r\n"},
                 {31000, 99990, 0, 32000},
                 true},
        LineCase{"KeysInAnyOrderFirstOneCounts",
                 MW,
                 2,
                 {},
                 {"B=2.000 A=1.000 A=9.000\r\n"},
                 {10000, 20000},
                 true},
        LineCase{"LanesSevenAndEightKeepTheirValues",
                 MW,
                 8,
                 {1, 2, 3, 4, 5, 6, 77777, 88888},
                 {"A=1.000 B=1.100 C=1.200 D=1.300 E=1.400 F=1.500 G=1.600 H=1.700\r\n"},
                 {10000, 11000, 12000, 13000, 14000, 15000, 77777, 88888},
                 true},
        LineCase{"ShortTimeRunsIntoTheTerminator", MW, 2, {}, {"A=3.1\r\nB"}, {0, 0}, true},
        LineCase{"EmptyLineStillRecords", MW, 2, {5, 6}, {"\r\n"}, {0, 0}, true},
        LineCase{"LowerCaseKeysAreAbsent", MW, 1, {}, {"a=3.000\r\n"}, {0}, true},
        LineCase{"BinaryJunk", MW, 2, {}, {std::string("\x00\xff=\x80=3.0\r\n", 10)}, {0, 0}, true},
        LineCase{"SmartLineEchoBetweenFragments",
                 SL,
                 2,
                 {},
                 {"A=3.000 rg\rB=3.100\r\n"},
                 {30000, 31000},
                 true},
        LineCase{"SmartLineLanesSevenAndEight",
                 SL,
                 8,
                 {0, 0, 0, 0, 0, 0, 7, 8},
                 {"A=1.000 B=1.000 C=1.000 D=1.000 E=1.000 F=1.000\r\n"},
                 {10000, 10000, 10000, 10000, 10000, 10000, 7, 8},
                 true},
        // The buffer is resized to LaneCount: extra entries go, new ones are 0.
        LineCase{"BufferShrinksToLaneCount", MW, 1, {1, 2, 3}, {"A=2.000\r\n"}, {20000}, true},
        LineCase{"NoTimerIgnoresLines",
                 TimerKind::NoTimer,
                 2,
                 {7},
                 {"A=1.000 B=2.000\r\n"},
                 {7, 0},
                 false}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    JudgeLines, TimerLineTest,
    ::testing::Values(
        LineCase{"FourLanesThenRaceOver",
                 TJ,
                 4,
                 {},
                 {"Lane 1  3.1234\r\n", "Lane 2  3.2345\r\n", "Lane 3  3.3456\r\n",
                  "Lane 4  3.4567\r\n", "Race Over\r\n"},
                 {31234, 32345, 33456, 34567},
                 true},
        LineCase{"WithoutRaceOverNothingIsRecorded",
                 TJ,
                 4,
                 {},
                 {"Lane 1  3.1234\r\n", "Lane 2  3.2345\r\n", "Lane 3  3.3456\r\n",
                  "Lane 4  3.4567\r\n"},
                 {31234, 32345, 33456, 34567},
                 false},
        LineCase{"TabAndTrailingBlank", TJ, 3, {}, {"Lane 3\t2.987 \r\n"}, {0, 0, 29870}, false},
        LineCase{
            "ShortTimeBeforeTerminatorIsZero", TJ, 2, {5, 5}, {"Lane 2  3.12\r\n"}, {5, 0}, false},
        LineCase{"LaneWithoutTime", TJ, 2, {5, 5}, {"Lane 1   \r\n"}, {0, 5}, false},
        LineCase{"LaneWithOnlyBlanksNoTerminator", TJ, 2, {5, 5}, {"Lane 2 \t "}, {5, 0}, false},
        LineCase{"LaneDigitOutOfRangeIsIgnored",
                 TJ,
                 4,
                 {1, 2, 3, 4},
                 {"Lane 5  3.0000\r\n", "Lane 0  3.0000\r\n", "Lane 9  3.0000\r\n",
                  "Lane x  3.0000\r\n", "Lane\r\n", "Lane"},
                 {1, 2, 3, 4},
                 false},
        LineCase{"OtherLinesAreIgnored",
                 TJ,
                 2,
                 {1, 2},
                 {"lane 1  3.0000\r\n", " Lane 1  3.0000\r\n", "Race over\r\n", "\r\n",
                  std::string("\xff\x00Lane 1", 8)},
                 {1, 2},
                 false},
        // Values of the earlier heat stay for lanes this heat does not send.
        LineCase{"RaceOverUsesWhatTheBufferHolds",
                 TJ,
                 3,
                 {11, 22, 33},
                 {"Lane 2  2.5000\r\n", "Race Over\r\n"},
                 {11, 25000, 33},
                 true},
        LineCase{"LaneCountMatches", TJ, 4, {}, {"Number of Lanes: 4\r\n"}, {0, 0, 0, 0}, false},
        LineCase{"LaneCountDiffers",
                 TJ,
                 6,
                 {},
                 {"Number of Lanes: 4\r\n"},
                 {0, 0, 0, 0, 0, 0},
                 false,
                 1},
        LineCase{"LaneCountNotANumber",
                 TJ,
                 2,
                 {},
                 {"Number of Lanes: 2 \r\n", "Number of Lanes: two\r\n", "Number of Lanes\r\n"},
                 {0, 0},
                 false,
                 3},
        LineCase{"LaneCountWithSign", TJ, 2, {}, {"Number of Lanes: +2\r\n"}, {0, 0}, false}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    FieldLines, TimerLineTest,
    ::testing::Values(
        LineCase{
            "FieldsInAnyLaneOrder", NB, 2, {}, {"2 3.4567   1 3.1234\r\n"}, {31234, 34567}, true},
        LineCase{"FourLanesWithPlaceCharacters",
                 NB,
                 4,
                 {},
                 {"1 3.1001 A 2 3.2002 B 3 3.3003 C 4 3.4004 D\r\n"},
                 {31001, 32002, 33003, 34004},
                 true},
        // The other fields still count and the heat is recorded.
        LineCase{"FieldWithLaneOutOfRangeIsSkipped",
                 NB,
                 3,
                 {1, 2, 3},
                 {"7 3.0000   2 2.5000   x 1.0000\r\n"},
                 {1, 25000, 3},
                 true},
        LineCase{
            "ShortLineKeepsOtherLanes", NB, 3, {1, 2, 3}, {"3 2.9000\r\n"}, {1, 2, 29000}, true},
        LineCase{"NotFinishedLane", NB, 2, {}, {"1 9.9999   2 3.0000\r\n"}, {99999, 30000}, true},
        LineCase{"EmptyLineRecordsTheBuffer", NB, 2, {4, 5}, {"\r\n"}, {4, 5}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TimerLines, SplitAcrossReadsGivesTheSameResult) {
  const std::string bytes =
      "Number of Lanes: 3\r\nLane 1  3.1000\r\nLane 2\t3.2000 \r\n"
      "Lane 3  3.3000\r\nRace Over\r\n";
  for (std::size_t piece : {1u, 2u, 5u, 64u}) {
    SCOPED_TRACE(piece);
    RaceState race = testing::MakeTimedRace(TimerKind::TheJudge, 3);
    RaceRandom random;
    testing::RecordingNotifier notifier;
    LineAssembler assembler;
    for (std::size_t i = 0; i < bytes.size(); i += piece) {
      for (const std::string& line : assembler.Append(std::string_view(bytes).substr(i, piece))) {
        ParseTimerLine(race, line, random, notifier);
      }
    }
    EXPECT_TRUE(notifier.messages.empty());
    EXPECT_TRUE(race.Rounds[0].Heats[0].Raced);
    EXPECT_EQ(RawTimes(race.Rounds[0].Heats[0].Times), (Raw{31000, 32000, 33000}));
  }
}

TEST(TimerLines, RecordingPlacesTheHeatAndComputesStandings) {
  RaceState race = testing::MakeTimedRace(TimerKind::MicroWizard, 3, 3);
  race.CurrentHeat = 2;  // cars 2, 3, 1 in lanes 1 to 3
  RaceRandom random;
  testing::RecordingNotifier notifier;
  EXPECT_EQ(ParseTimerLine(race, "A=3.300 B=3.100 C=3.200\r\n", random, notifier),
            TimerLineEffect::kRecorded);
  const THeat& heat = race.Rounds[0].Heats[1];
  EXPECT_TRUE(heat.Raced);
  EXPECT_EQ(heat.Places, (TIntArray{3, 1, 2}));
  EXPECT_FALSE(race.Rounds[0].Heats[0].Raced);
  ASSERT_EQ(race.Leaders.Items.size(), 3u);
  EXPECT_EQ(race.Leaders.Items[0].CarIndex, 2);  // car 3 ran 3.100
  EXPECT_EQ(race.Cars.Items[2].Wins, 1);
}

TEST(TimerLines, EffectsTellWhatALineDid) {
  RaceRandom random;
  testing::RecordingNotifier notifier;
  RaceState judge = testing::MakeTimedRace(TimerKind::TheJudge, 2);
  EXPECT_EQ(ParseTimerLine(judge, "Lane 1  3.0000\r\n", random, notifier),
            TimerLineEffect::kLaneTimeSet);
  EXPECT_EQ(ParseTimerLine(judge, "Lane 3  3.0000\r\n", random, notifier),
            TimerLineEffect::kIgnored);
  EXPECT_EQ(ParseTimerLine(judge, "Number of Lanes: 3\r\n", random, notifier),
            TimerLineEffect::kLaneCountMismatch);
  EXPECT_EQ(ParseTimerLine(judge, "Race Over\r\n", random, notifier), TimerLineEffect::kRecorded);
}

TEST(TimerLines, NoRaceOrNoHeatOnShowChangesNothing) {
  RaceRandom random;
  testing::RecordingNotifier notifier;
  RaceState empty;  // program start: no race
  empty.TimerKind = TimerKind::MicroWizard;
  EXPECT_EQ(ParseTimerLine(empty, "A=3.000\r\n", random, notifier), TimerLineEffect::kIgnored);
  EXPECT_TRUE(empty.LaneTimes.empty());

  RaceState race = testing::MakeTimedRace(TimerKind::NewBoldDTX000, 2);
  race.CurrentHeat = 3;  // the spare heat is not a heat on show
  EXPECT_EQ(ParseTimerLine(race, "1 3.0000   2 3.1000\r\n", random, notifier),
            TimerLineEffect::kNoHeat);
  EXPECT_FALSE(race.Rounds[0].Heats[0].Raced);
  EXPECT_FALSE(race.Rounds[0].Heats[1].Raced);
  EXPECT_TRUE(race.Rounds[0].Heats[2].Times.empty());
}

TEST(TimerStartCommand, OnlySmartLineIsSentAnything) {
  EXPECT_EQ(TimerStartCommand(TimerKind::SmartLine), std::string("rg\x0d"));
  for (TimerKind kind : {TimerKind::NoTimer, TimerKind::TheJudge, TimerKind::MicroWizard,
                         TimerKind::NewBoldDTX000}) {
    EXPECT_EQ(TimerStartCommand(kind), "");
  }
}

TEST(TimerListNames, ExactNamesOnly) {
  for (const char* name : {"No Timer", "MicroWizard", "TheJudge", "NewBold DTX000", "SmartLine"}) {
    auto kind = TimerKindFromListName(name);
    ASSERT_TRUE(kind.has_value()) << name;
    EXPECT_EQ(TimerListName(*kind), name);
  }
  EXPECT_EQ(TimerKindFromListName("TheJudge"), TimerKind::TheJudge);
  EXPECT_EQ(TimerKindFromListName("NewBold DTX000"), TimerKind::NewBoldDTX000);
  for (const char* name : {"Microwizard", "microwizard", "NewBoldDTX000", "", "SmartLine "}) {
    EXPECT_FALSE(TimerKindFromListName(name).has_value()) << name;
  }
}

}  // namespace
}  // namespace velmora
