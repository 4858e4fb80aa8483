// TextToCurrency on any bytes; whatever it reads must print and read back
// to the same value.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "currency.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  const velmora::Currency fallback = velmora::Currency::FromRaw(-123456789);
  velmora::Currency value = velmora::TextToCurrency(text, fallback);
  if (value != fallback) {
    std::string printed = velmora::CurrencyToText(value);
    if (velmora::TextToCurrency(printed, fallback) != value)
      std::abort();
  }
  return 0;
}
