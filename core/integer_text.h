// Whole numbers typed by people or stored in files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

// Leading spaces, an optional sign and decimal digits, nothing after them,
// within the 32-bit range. Anything else gives nothing.
std::optional<int32_t> TextToInteger(const std::string& text);

// The message for a text that is not a whole number:
// "'TEXT' is not a valid integer value".
std::string NotAnIntegerMessage(const std::string& text);

}  // namespace velmora
