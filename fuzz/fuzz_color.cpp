// TextToColor on any bytes: a colour or a ConversionError, and a colour's
// text reads back to the same colour.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "errors.h"
#include "race_types.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  try {
    int32_t color = velmora::TextToColor(text);
    if (color < 0 || color > 0xFFFFFF)
      std::abort();
    if (velmora::TextToColor(velmora::ColorToText(color)) != color)
      std::abort();
  } catch (const velmora::ConversionError&) {
  }
  return 0;
}
