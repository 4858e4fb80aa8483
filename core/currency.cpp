#include "currency.h"

#include <cstdint>
#include <limits>

namespace velmora {

// Wide enough for any product or remainder of two int64 values.
__extension__ typedef __int128 Int128;

int64_t DivideHalfEven(int64_t numerator, int64_t denominator) {
  if (denominator == 0)
    return 0;
  Int128 n = numerator;
  Int128 d = denominator;
  Int128 q = n / d;
  Int128 r = n % d;
  Int128 twiceRest = 2 * (r < 0 ? -r : r);
  Int128 absDen = d < 0 ? -d : d;
  bool negative = (n < 0) != (d < 0);
  if (twiceRest > absDen || (twiceRest == absDen && (q % 2 != 0))) {
    q += negative ? -1 : 1;
  }
  if (q > std::numeric_limits<int64_t>::max())
    return std::numeric_limits<int64_t>::max();
  if (q < std::numeric_limits<int64_t>::min())
    return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(q);
}

Currency Currency::DividedBy(int64_t divisor) const {
  return Currency(DivideHalfEven(raw_, divisor));
}

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Exact value digits x 10^exponent, rounded half to even to an integer;
// false when the magnitude does not fit into int64.
bool RoundDecimal(const std::string& digits, int64_t exponent, bool negative, int64_t& out) {
  constexpr uint64_t kMax = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  std::string kept = digits;
  bool roundUp = false;
  if (exponent < 0) {
    uint64_t drop = static_cast<uint64_t>(-exponent);
    if (drop > kept.size()) {
      kept.clear();  // the value is below one half of a unit: rounds to zero
      out = 0;
      return true;
    }
    std::string rest = kept.substr(kept.size() - drop);
    kept.resize(kept.size() - drop);
    char first = rest[0];
    bool restNonZero = rest.find_first_not_of('0', 1) != std::string::npos;
    if (first > '5' || (first == '5' && restNonZero)) {
      roundUp = true;
    } else if (first == '5') {
      int last = kept.empty() ? 0 : kept.back() - '0';
      roundUp = (last % 2) != 0;
    }
  } else {
    if (kept.size() + static_cast<uint64_t>(exponent) > 20)
      return false;
    kept.append(static_cast<size_t>(exponent), '0');
  }
  uint64_t value = 0;
  for (char c : kept) {
    uint64_t digit = static_cast<uint64_t>(c - '0');
    if (value > (kMax - digit) / 10)
      return false;
    value = value * 10 + digit;
  }
  if (roundUp) {
    if (value == kMax)
      return false;
    ++value;
  }
  out = negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
  return true;
}

}  // namespace

Currency TextToCurrency(const std::string& text, Currency fallback, char decimalSeparator) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == ' ')
    ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::string digits;
  int64_t exponent = 0;
  bool anyDigit = false;
  while (i < n && IsDigit(text[i])) {
    digits += text[i++];
    anyDigit = true;
  }
  if (i < n && text[i] == decimalSeparator) {
    ++i;
    while (i < n && IsDigit(text[i])) {
      digits += text[i++];
      --exponent;
      anyDigit = true;
    }
  }
  if (!anyDigit)
    return fallback;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool expNegative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      expNegative = text[i] == '-';
      ++i;
    }
    if (i >= n || !IsDigit(text[i]))
      return fallback;
    int64_t e = 0;
    while (i < n && IsDigit(text[i])) {
      if (e < 1000000)
        e = e * 10 + (text[i] - '0');
      ++i;
    }
    exponent += expNegative ? -e : e;
  }
  while (i < n && text[i] == ' ')
    ++i;
  if (i != n)
    return fallback;

  size_t firstNonZero = digits.find_first_not_of('0');
  if (firstNonZero == std::string::npos)
    return Currency::FromRaw(0);
  digits.erase(0, firstNonZero);
  int64_t raw = 0;
  if (!RoundDecimal(digits, exponent + 4, negative, raw))
    return fallback;
  return Currency::FromRaw(raw);
}

std::string CurrencyToText(Currency value, char decimalSeparator) {
  int64_t raw = value.Raw();
  bool negative = raw < 0;
  uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(raw) : static_cast<uint64_t>(raw);
  std::string text = std::to_string(magnitude / Currency::kScale);
  uint64_t fraction = magnitude % Currency::kScale;
  if (fraction != 0) {
    std::string digits = std::to_string(fraction);
    digits.insert(0, 4 - digits.size(), '0');
    while (digits.back() == '0')
      digits.pop_back();
    text += decimalSeparator;
    text += digits;
  }
  return negative ? "-" + text : text;
}

}  // namespace velmora
