// Turns the bytes of a serial timer into lines. A line is everything up to
// and including the first carriage return + line feed; bytes may arrive in
// pieces of any size, a terminator split between two reads included.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class LineAssembler {
 public:
  // A timer sends lines of a few dozen bytes. Junk without any terminator is
  // not kept beyond this many bytes, so a babbling device cannot grow the
  // buffer without bound; the bytes dropped would only have formed one
  // over-long junk line.
  static constexpr std::size_t kMaxPending = 65536;

  // Appends bytes and returns every line that is now complete, in order,
  // each ending with "\r\n".
  std::vector<std::string> Append(std::string_view bytes);

  // Bytes received after the last complete line.
  const std::string& Pending() const { return buffer_; }
  void Clear();

 private:
  std::string buffer_;
  std::size_t scanned_ = 0;  // the buffer before this index holds no "\r\n"
};

}  // namespace velmora
