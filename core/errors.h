// Failures that end the operation in which they happen. what() is the text
// the user reads.
#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

// A text that is not a number where one is required.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that cannot be opened, read, created or written.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace velmora
