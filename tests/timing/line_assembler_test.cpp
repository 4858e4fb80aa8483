#include "line_assembler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

using Lines = std::vector<std::string>;

// Feeds `bytes` in pieces of `piece` bytes and collects every line.
Lines FeedInPieces(const std::string& bytes, std::size_t piece, LineAssembler& assembler) {
  Lines out;
  for (std::size_t i = 0; i < bytes.size(); i += piece) {
    for (std::string& line : assembler.Append(std::string_view(bytes).substr(i, piece))) {
      out.push_back(std::move(line));
    }
  }
  return out;
}

TEST(LineAssembler, LinesComeOutWholeWhateverTheReadSizes) {
  const std::string stream =
      "Lane 1  3.1234\r\nLane 2  3.2345\r\n\r\nA=3.001! B=3.002\"\r\nRace Over\r\npartial";
  const Lines expected = {"Lane 1  3.1234\r\n", "Lane 2  3.2345\r\n", "\r\n",
                          "A=3.001! B=3.002\"\r\n", "Race Over\r\n"};
  for (std::size_t piece : {1u, 2u, 3u, 7u, 15u, 16u, 17u, 1000u}) {
    SCOPED_TRACE(piece);
    LineAssembler assembler;
    EXPECT_EQ(FeedInPieces(stream, piece, assembler), expected);
    EXPECT_EQ(assembler.Pending(), "partial");
  }
}

TEST(LineAssembler, OnlyCarriageReturnThenLineFeedEndsALine) {
  LineAssembler assembler;
  EXPECT_TRUE(assembler.Append("A=1\rB=2\nC=3\n\r").empty());
  // A CR at the end of one read and an LF at the start of the next end a line.
  EXPECT_EQ(assembler.Append("\n"), Lines{"A=1\rB=2\nC=3\n\r\n"});
  EXPECT_TRUE(assembler.Append("\r").empty());
  EXPECT_TRUE(assembler.Append("x\n").empty());
  EXPECT_EQ(assembler.Pending(), "\rx\n");
  EXPECT_EQ(assembler.Append("\r\n"), Lines{"\rx\n\r\n"});
  EXPECT_EQ(assembler.Pending(), "");
}

TEST(LineAssembler, BinaryBytesPassUnchanged) {
  LineAssembler assembler;
  std::string junk("\x00\xff\x80\x1b[2J", 7);
  Lines lines = assembler.Append(junk + "\r\n");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], junk + "\r\n");
}

TEST(LineAssembler, EndlessJunkIsBoundedAndLaterLinesStillArrive) {
  LineAssembler assembler;
  std::string junk(LineAssembler::kMaxPending + 5000, 'x');
  junk.back() = '\r';
  EXPECT_TRUE(assembler.Append(junk).empty());
  EXPECT_LE(assembler.Pending().size(), LineAssembler::kMaxPending);
  // The CR kept from the junk and this LF end the junk line.
  Lines lines = assembler.Append("\nA=3.000\r\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "A=3.000\r\n");
}

TEST(LineAssembler, ClearDropsAPartialLine) {
  LineAssembler assembler;
  assembler.Append("A=3.0");
  assembler.Clear();
  EXPECT_EQ(assembler.Append("B=1.000\r\n"), Lines{"B=1.000\r\n"});
}

}  // namespace
}  // namespace velmora
