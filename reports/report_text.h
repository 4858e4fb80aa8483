// Small text helpers of the report writers.
#pragma once

#include <string>

namespace velmora {

// The text with & < > " replaced by their HTML entities and nothing else
// changed, so names typed by the organiser cannot break the page.
std::string HtmlEscape(const std::string& text);

}  // namespace velmora
