#include "integer_text.h"

namespace velmora {

std::optional<int32_t> TextToInteger(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ')
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size())
    return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9')
      return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > int64_t{2147483648})
      return std::nullopt;
  }
  if (negative)
    value = -value;
  if (value > INT32_MAX || value < INT32_MIN)
    return std::nullopt;
  return static_cast<int32_t>(value);
}

std::string NotAnIntegerMessage(const std::string& text) {
  return "'" + text + "' is not a valid integer value";
}

}  // namespace velmora
