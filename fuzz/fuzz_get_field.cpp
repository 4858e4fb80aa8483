// GetField on any line, delimiter and field number: never reads outside the
// line, and every field is a part of it without the delimiter.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2)
    return 0;
  char delimiter = static_cast<char>(data[0]);
  int n = static_cast<int8_t>(data[1]);
  std::string line(reinterpret_cast<const char*>(data + 2), size - 2);
  std::string field = velmora::GetField(delimiter, line, n);
  if (field.find(delimiter) != std::string::npos)
    std::abort();
  if (!field.empty() && line.find(field) == std::string::npos)
    std::abort();
  return 0;
}
