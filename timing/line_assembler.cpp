#include "line_assembler.h"

namespace velmora {

std::vector<std::string> LineAssembler::Append(std::string_view bytes) {
  std::vector<std::string> lines;
  buffer_.append(bytes);
  std::size_t start = 0;
  // A terminator may start at the last byte already scanned (CR then LF).
  std::size_t from = scanned_ > 0 ? scanned_ - 1 : 0;
  while (true) {
    std::size_t cr = buffer_.find("\r\n", from);
    if (cr == std::string::npos)
      break;
    lines.emplace_back(buffer_, start, cr + 2 - start);
    start = cr + 2;
    from = start;
  }
  buffer_.erase(0, start);
  if (buffer_.size() > kMaxPending) {
    // Keep the last byte: it may be the CR of a terminator whose LF follows.
    buffer_.erase(0, buffer_.size() - 1);
  }
  scanned_ = buffer_.size();
  return lines;
}

void LineAssembler::Clear() {
  buffer_.clear();
  scanned_ = 0;
}

}  // namespace velmora
