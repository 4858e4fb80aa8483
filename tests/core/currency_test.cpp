#include "currency.h"

#include <gtest/gtest.h>

#include <limits>

namespace velmora {
namespace {

const Currency kFallback = Currency::FromRaw(-77);

struct TextCase {
  const char* text;
  int64_t raw;  // -77: the fallback
};

class TextToCurrencyTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextToCurrencyTest, ReadsOrFallsBack) {
  const TextCase& c = GetParam();
  EXPECT_EQ(TextToCurrency(c.text, kFallback).Raw(), c.raw) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToCurrencyTest,
    ::testing::Values(
        TextCase{"3.456", 34560}, TextCase{" 3.45 ", 34500}, TextCase{"3.45\r", -77},
        TextCase{"3.45\n", -77}, TextCase{"", -77}, TextCase{"   ", -77},
        TextCase{"2.34567", 23457},
        // exact halves at the fifth decimal go to the even neighbour
        TextCase{"2.34565", 23456}, TextCase{"2.34575", 23458}, TextCase{"2.345650001", 23457},
        TextCase{"-2.34565", -23456}, TextCase{".5", 5000}, TextCase{"5.", 50000},
        TextCase{".", -77}, TextCase{"+3", 30000}, TextCase{"-0.0001", -1}, TextCase{"-", -77},
        TextCase{"1e3", 10000000}, TextCase{"1.5E-2", 150}, TextCase{"2e+1", 200000},
        TextCase{"1e", -77}, TextCase{"e5", -77}, TextCase{"3,45", -77}, TextCase{"3.4.5", -77},
        TextCase{"0x10", -77}, TextCase{"\t3", -77}, TextCase{"00003.1", 31000},
        TextCase{"922337203685477.5807", std::numeric_limits<int64_t>::max()},
        TextCase{"922337203685477.5808", -77}, TextCase{"1e400", -77}, TextCase{"0e999999", 0},
        TextCase{"1e-999999", 0}, TextCase{"99999999999999999999999", -77}));

TEST(TextToCurrency, DecimalSeparatorIsAParameter) {
  EXPECT_EQ(TextToCurrency("3,45", kFallback, ',').Raw(), 34500);
  EXPECT_EQ(TextToCurrency("3.45", kFallback, ',').Raw(), -77);
}

TEST(CurrencyToText, ShortestPlainForm) {
  struct {
    int64_t raw;
    const char* text;
  } cases[] = {{34560, "3.456"},
               {30000, "3"},
               {0, "0"},
               {1, "0.0001"},
               {-1, "-0.0001"},
               {-34500, "-3.45"},
               {10, "0.001"},
               {123456789, "12345.6789"},
               {std::numeric_limits<int64_t>::min(), "-922337203685477.5808"}};
  for (const auto& c : cases) {
    EXPECT_EQ(CurrencyToText(Currency::FromRaw(c.raw)), c.text) << c.raw;
  }
  EXPECT_EQ(CurrencyToText(Currency::FromRaw(34560), ','), "3,456");
}

TEST(Currency, DividedByRoundsHalfToEven) {
  struct {
    int64_t raw, divisor, expected;
  } cases[] = {{62000, 3, 20667}, {5, 2, 2},  {7, 2, 4},  {-5, 2, -2}, {-7, 2, -4},
               {50000, 3, 16667}, {10, 4, 2}, {14, 4, 4}, {1, 0, 0},   {9, -2, -4}};
  for (const auto& c : cases) {
    EXPECT_EQ(Currency::FromRaw(c.raw).DividedBy(c.divisor).Raw(), c.expected)
        << c.raw << "/" << c.divisor;
  }
}

}  // namespace
}  // namespace velmora
