// Comparing names typed by people: letter case does not count (ASCII).
#pragma once

#include <string>

namespace velmora {

bool SameIgnoringCase(const std::string& a, const std::string& b);

}  // namespace velmora
