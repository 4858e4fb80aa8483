#include "heat_lines.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace velmora::timersim {
namespace {

constexpr int64_t kKeyedNotFinished = 99990;  // 9.999
constexpr int64_t kFieldNotFinished = 99999;  // 9.9999

std::string Decimal(int64_t raw, int decimals) {
  char buffer[32];
  if (decimals == 3) {
    std::snprintf(buffer, sizeof buffer, "%lld.%03lld", static_cast<long long>(raw / 10000),
                  static_cast<long long>((raw % 10000) / 10));
  } else {
    std::snprintf(buffer, sizeof buffer, "%lld.%04lld", static_cast<long long>(raw / 10000),
                  static_cast<long long>(raw % 10000));
  }
  return buffer;
}

// Lane indexes of the finishers, fastest first; equal times keep lane order.
std::vector<int> FinishOrder(const HeatResult& heat, bool keyed) {
  std::vector<int> order;
  for (int l = 0; l < static_cast<int>(heat.times.size()); ++l) {
    if (heat.times[l])
      order.push_back(l);
  }
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    int64_t ta = *heat.times[a], tb = *heat.times[b];
    if (keyed) {
      ta /= 10;
      tb /= 10;
    }
    return ta < tb;
  });
  return order;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

bool Unescape(const std::string& text, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i >= text.size())
      return false;
    switch (text[i]) {
      case 'r':
        out += '\r';
        break;
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case '\\':
        out += '\\';
        break;
      case 'x': {
        int hi = i + 1 < text.size() ? HexValue(text[i + 1]) : -1;
        int lo = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
        if (hi < 0 || lo < 0)
          return false;
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
        break;
      }
      default:
        return false;
    }
  }
  return true;
}

}  // namespace

HeatResult RandomHeat(int lanes, std::mt19937& random) {
  std::uniform_int_distribution<int64_t> time(25000, 45000);
  std::uniform_int_distribution<int> finish(0, 19);
  HeatResult heat;
  for (int l = 0; l < lanes; ++l) {
    if (finish(random) == 0) {
      heat.times.emplace_back();
    } else {
      heat.times.emplace_back(time(random));
    }
  }
  return heat;
}

int64_t ReportedTime(TimerKind kind, const std::optional<int64_t>& time) {
  bool keyed = kind == TimerKind::MicroWizard || kind == TimerKind::SmartLine;
  if (!time)
    return keyed ? kKeyedNotFinished : kFieldNotFinished;
  return keyed ? *time / 10 * 10 : *time;
}

std::string HeatText(TimerKind kind, const HeatResult& heat, bool announceLanes) {
  const int lanes = static_cast<int>(heat.times.size());
  std::string out;
  switch (kind) {
    case TimerKind::MicroWizard:
    case TimerKind::SmartLine: {
      std::vector<int> place(lanes, 0);
      std::vector<int> order = FinishOrder(heat, true);
      for (std::size_t k = 0; k < order.size(); ++k)
        place[order[k]] = static_cast<int>(k) + 1;
      for (int l = 0; l < lanes; ++l) {
        if (l)
          out += ' ';
        out += static_cast<char>('A' + l);
        out += '=';
        out += Decimal(ReportedTime(kind, heat.times[l]), 3);
        // '!' for first, '"' for second, and so on.
        out += place[l] ? static_cast<char>('!' + place[l] - 1) : ' ';
      }
      out += "\r\n";
      break;
    }
    case TimerKind::TheJudge:
      if (announceLanes)
        out += "Number of Lanes: " + std::to_string(lanes) + "\r\n";
      for (int l = 0; l < lanes; ++l) {
        out += "Lane " + std::to_string(l + 1) + "  " +
               Decimal(ReportedTime(kind, heat.times[l]), 4) + "\r\n";
      }
      out += "Race Over\r\n";
      break;
    case TimerKind::NewBoldDTX000: {
      std::vector<int> order = FinishOrder(heat, false);
      for (int l = 0; l < lanes; ++l) {
        if (!heat.times[l])
          order.push_back(l);
      }
      for (int l : order) {
        std::string field =
            std::to_string(l + 1) + " " + Decimal(ReportedTime(kind, heat.times[l]), 4);
        field.resize(11, ' ');
        out += field;
      }
      while (!out.empty() && out.back() == ' ')
        out.pop_back();
      out += "\r\n";
      break;
    }
    case TimerKind::NoTimer:
      break;
  }
  return out;
}

bool ParseCapture(const std::vector<std::string>& lines, std::vector<CaptureLine>& out,
                  std::string& error) {
  out.clear();
  for (std::size_t n = 0; n < lines.size(); ++n) {
    std::string line = lines[n];
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (line.empty() || line[0] == '#')
      continue;
    CaptureLine item;
    std::string text = line;
    std::size_t tab = line.find('\t');
    if (tab != std::string::npos) {
      std::string delay = line.substr(0, tab);
      char* end = nullptr;
      double seconds = std::strtod(delay.c_str(), &end);
      if (!delay.empty() && end == delay.c_str() + delay.size() && seconds >= 0 &&
          seconds < 86400) {
        item.pause = seconds;
        text = line.substr(tab + 1);
      }
    }
    if (!Unescape(text, item.bytes)) {
      error = "line " + std::to_string(n + 1) + ": bad escape in \"" + text + "\"";
      return false;
    }
    if (item.bytes.size() < 2 || item.bytes.compare(item.bytes.size() - 2, 2, "\r\n") != 0) {
      item.bytes += "\r\n";
    }
    out.push_back(std::move(item));
  }
  return true;
}

}  // namespace velmora::timersim
