// Fixed-point number type of every time, average and score.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace velmora {

// A signed 64-bit count of ten-thousandths: 3.4560 s is stored as 34560.
// Sums are exact; the only rounding is in DividedBy and TextToCurrency.
class Currency {
 public:
  static constexpr int64_t kScale = 10000;

  constexpr Currency() = default;
  static constexpr Currency FromRaw(int64_t raw) { return Currency(raw); }
  static constexpr Currency FromWhole(int64_t whole) { return Currency(whole * kScale); }

  constexpr int64_t Raw() const { return raw_; }

  constexpr Currency operator+(Currency o) const { return Currency(raw_ + o.raw_); }
  constexpr Currency operator-(Currency o) const { return Currency(raw_ - o.raw_); }
  constexpr Currency operator-() const { return Currency(-raw_); }
  constexpr Currency& operator+=(Currency o) {
    raw_ += o.raw_;
    return *this;
  }
  constexpr Currency& operator-=(Currency o) {
    raw_ -= o.raw_;
    return *this;
  }
  constexpr auto operator<=>(const Currency&) const = default;

  // This value divided by a whole number, rounded to the nearest
  // ten-thousandth with exact halves going to the even neighbour.
  // A divisor of 0 gives 0.
  Currency DividedBy(int64_t divisor) const;

 private:
  constexpr explicit Currency(int64_t raw) : raw_(raw) {}
  int64_t raw_ = 0;
};

// Integer division rounded half to even (divisor != 0).
int64_t DivideHalfEven(int64_t numerator, int64_t denominator);

// Reads a decimal number: leading and trailing spaces, optional sign, digits
// with an optional separator and fraction (at least one digit in all), an
// optional exponent. Anything else, or a value outside the range, gives
// `fallback`. Rounded to four decimals, exact halves to even.
Currency TextToCurrency(const std::string& text, Currency fallback, char decimalSeparator = '.');

// Shortest plain decimal text with at most four decimals: 3.4560 -> "3.456".
std::string CurrencyToText(Currency value, char decimalSeparator = '.');

}  // namespace velmora
