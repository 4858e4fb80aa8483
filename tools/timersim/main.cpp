// velmora-timersim: behaves like a finish-line timer on a pseudo-terminal.
// Velmora opens the printed device path as its timer port.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "heat_lines.h"
#include "timer_protocols.h"

namespace {

using namespace velmora;
using namespace velmora::timersim;
using SteadyTime = std::chrono::steady_clock::time_point;

volatile sig_atomic_t stopRequested = 0;
void OnSignal(int) {
  stopRequested = 1;
}

struct Options {
  TimerKind kind = TimerKind::MicroWizard;
  int lanes = 4;
  double every = 0;    // seconds between heats; 0: on Enter only
  double reply = 0.5;  // SmartLine: seconds from "rg" to the result
  std::string replay;
  unsigned seed = 0;
  bool seeded = false;
};

const char* kUsage =
    "usage: velmora-timersim [--timer KIND] [--lanes N] [--every SECONDS] [--replay FILE]\n"
    "                        [--reply SECONDS] [--seed N]\n"
    "  --timer   MicroWizard (default), TheJudge, \"NewBold DTX000\" or SmartLine\n"
    "  --lanes   1 to 8 (default 4)\n"
    "  --every   send a heat every SECONDS as well as on Enter\n"
    "  --replay  send a recorded capture instead: one line per line sent,\n"
    "            \"SECONDS<TAB>TEXT\" (pause before it) or TEXT; \\r \\n \\t \\\\ \\xHH allowed\n"
    "  --reply   SmartLine: seconds from receiving \"rg\" CR to sending the result (0.5)\n"
    "  --seed    start of the random times, for repeatable heats\n"
    "SmartLine sends a heat after it receives \"rg\" and a carriage return; the others on\n"
    "Enter or --every. Ctrl-C (or Ctrl-D at a terminal) quits.\n";

bool ParseNumber(const char* text, double& value) {
  char* end = nullptr;
  errno = 0;
  value = std::strtod(text, &end);
  return errno == 0 && end != text && *end == '\0';
}

bool ParseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      std::exit(0);
    }
    if (i + 1 >= argc) {
      std::cerr << "velmora-timersim: " << arg << " needs a value\n" << kUsage;
      return false;
    }
    const char* value = argv[++i];
    double number = 0;
    if (arg == "--timer") {
      auto kind = TimerKindFromListName(value);
      if (!kind || *kind == TimerKind::NoTimer) {
        std::cerr << "velmora-timersim: unknown timer '" << value << "'\n";
        return false;
      }
      o.kind = *kind;
    } else if (arg == "--lanes") {
      if (!ParseNumber(value, number) || number < 1 || number > 8 || number != int(number)) {
        std::cerr << "velmora-timersim: --lanes must be 1 to 8\n";
        return false;
      }
      o.lanes = static_cast<int>(number);
    } else if (arg == "--every" || arg == "--reply") {
      if (!ParseNumber(value, number) || number < 0 || number > 86400) {
        std::cerr << "velmora-timersim: " << arg << " must be a number of seconds\n";
        return false;
      }
      (arg == "--every" ? o.every : o.reply) = number;
    } else if (arg == "--replay") {
      o.replay = value;
    } else if (arg == "--seed") {
      if (!ParseNumber(value, number) || number < 0 || number > 4294967295.0) {
        std::cerr << "velmora-timersim: --seed must be a whole number\n";
        return false;
      }
      o.seed = static_cast<unsigned>(number);
      o.seeded = true;
    } else {
      std::cerr << "velmora-timersim: unknown option " << arg << "\n" << kUsage;
      return false;
    }
  }
  return true;
}

// The pseudo-terminal: the master is ours, the slave is the timer port.
struct Pty {
  int master = -1;
  int slave = -1;  // held open so the master never reads a hang-up between runs
  std::string path;
};

bool OpenPty(Pty& pty) {
  pty.master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (pty.master < 0 || ::grantpt(pty.master) != 0 || ::unlockpt(pty.master) != 0) {
    std::perror("velmora-timersim: pseudo-terminal");
    return false;
  }
  const char* name = ::ptsname(pty.master);
  if (!name) {
    std::perror("velmora-timersim: ptsname");
    return false;
  }
  pty.path = name;
  pty.slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (pty.slave < 0) {
    std::perror("velmora-timersim: open slave");
    return false;
  }
  // Raw, so the line discipline neither echoes our lines back nor edits them.
  termios tio{};
  if (::tcgetattr(pty.slave, &tio) == 0) {
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    ::tcsetattr(pty.slave, TCSANOW, &tio);
  }
  ::fcntl(pty.master, F_SETFL, ::fcntl(pty.master, F_GETFL) | O_NONBLOCK);
  return true;
}

std::string Printable(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c < 32 || c >= 127) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

void Send(const Pty& pty, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(pty.master, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      // Nobody reads the port and its queue is full: the heat is lost, as
      // it would be on a cable with nothing at the other end.
      std::cerr << "velmora-timersim: port queue full, " << (bytes.size() - done)
                << " bytes dropped\n";
      return;
    }
    done += static_cast<std::size_t>(n);
  }
  std::cout << "sent: " << Printable(bytes) << std::endl;
}

int DelayMs(SteadyTime now, SteadyTime at) {
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(at - now).count();
  return ms < 0 ? 0 : static_cast<int>(ms > 1000 ? 1000 : ms);
}

std::chrono::steady_clock::duration Seconds(double s) {
  return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
      std::chrono::duration<double>(s));
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options))
    return 2;

  std::vector<CaptureLine> capture;
  if (!options.replay.empty()) {
    std::ifstream in(options.replay, std::ios::binary);
    if (!in) {
      std::cerr << "velmora-timersim: cannot read " << options.replay << ": "
                << std::strerror(errno) << "\n";
      return 1;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
      lines.push_back(line);
    std::string error;
    if (!ParseCapture(lines, capture, error)) {
      std::cerr << "velmora-timersim: " << options.replay << ": " << error << "\n";
      return 1;
    }
  }

  Pty pty;
  if (!OpenPty(pty))
    return 1;
  struct sigaction action {};
  action.sa_handler = OnSignal;
  ::sigaction(SIGINT, &action, nullptr);
  ::sigaction(SIGTERM, &action, nullptr);
  ::signal(SIGPIPE, SIG_IGN);

  std::mt19937 random(options.seeded ? options.seed : std::random_device{}());
  std::cout << "velmora-timersim: " << TimerListName(options.kind) << " timer, " << options.lanes
            << " lanes, on " << pty.path << "\n"
            << "export VELMORA_EXTRA_PORTS=" << pty.path << "\n";
  if (!capture.empty()) {
    std::cout << "Replaying " << capture.size() << " lines from " << options.replay << ".\n";
  } else if (options.kind == TimerKind::SmartLine) {
    std::cout << "Sends a heat after \"rg\" CR arrives, or on Enter.\n";
  } else {
    std::cout << "Press Enter to send a heat.\n";
  }
  std::cout << std::flush;

  const bool stdinIsTerminal = ::isatty(STDIN_FILENO);
  bool stdinOpen = true;
  bool announced = false;
  std::string received;
  std::size_t replayNext = 0;
  const SteadyTime started = std::chrono::steady_clock::now();
  SteadyTime replayAt = capture.empty() ? SteadyTime::max() : started + Seconds(capture[0].pause);
  SteadyTime everyAt = options.every > 0 ? started + Seconds(options.every) : SteadyTime::max();
  SteadyTime replyAt = SteadyTime::max();

  auto sendHeat = [&]() {
    HeatResult heat = RandomHeat(options.lanes, random);
    Send(pty, HeatText(options.kind, heat, !announced));
    announced = true;
  };

  while (!stopRequested) {
    SteadyTime now = std::chrono::steady_clock::now();
    if (now >= replayAt) {
      Send(pty, capture[replayNext].bytes);
      ++replayNext;
      replayAt = replayNext < capture.size() ? now + Seconds(capture[replayNext].pause)
                                             : SteadyTime::max();
      if (replayNext == capture.size())
        std::cout << "Replay done." << std::endl;
      continue;
    }
    if (now >= everyAt) {
      sendHeat();
      everyAt = now + Seconds(options.every);
    }
    if (now >= replyAt) {
      sendHeat();
      replyAt = SteadyTime::max();
    }
    SteadyTime next = std::min({replayAt, everyAt, replyAt});
    int timeout = next == SteadyTime::max() ? 1000 : DelayMs(now, next);

    pollfd fds[2] = {{pty.master, POLLIN, 0}, {stdinOpen ? STDIN_FILENO : -1, POLLIN, 0}};
    int ready = ::poll(fds, 2, timeout);
    if (ready < 0) {
      if (errno == EINTR)
        continue;
      std::perror("velmora-timersim: poll");
      return 1;
    }
    if (fds[0].revents & POLLIN) {
      char buffer[512];
      ssize_t n = ::read(pty.master, buffer, sizeof buffer);
      if (n > 0) {
        std::string bytes(buffer, static_cast<std::size_t>(n));
        std::cout << "received: " << Printable(bytes) << std::endl;
        received += bytes;
        std::size_t start = received.find("rg\r");
        if (start != std::string::npos) {
          received.erase(0, start + 3);
          if (options.kind == TimerKind::SmartLine && capture.empty()) {
            replyAt = std::chrono::steady_clock::now() + Seconds(options.reply);
          }
        }
        if (received.size() > 64)
          received.erase(0, received.size() - 2);
      }
    }
    if (stdinOpen && (fds[1].revents & (POLLIN | POLLHUP))) {
      char buffer[256];
      ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
      if (n <= 0) {
        stdinOpen = false;
        if (stdinIsTerminal)
          break;  // Ctrl-D
      } else if (capture.empty()) {
        for (ssize_t k = 0; k < n; ++k) {
          if (buffer[k] == '\n')
            sendHeat();
        }
      }
    }
  }
  std::cout << "velmora-timersim: stopped" << std::endl;
  ::close(pty.slave);
  ::close(pty.master);
  return 0;
}
