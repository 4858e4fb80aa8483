#include "portio.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>

#if defined(__linux__)
#include <linux/parport.h>
#include <linux/ppdev.h>
#define VELMORA_HAVE_PPDEV 1
#endif
#if defined(__linux__) && (defined(__x86_64__) || defined(__i386__))
#include <sys/io.h>
#define VELMORA_HAVE_DIRECT_IO 1
#endif

namespace velmora::portio {
namespace {

enum class Route { kUnknown, kPpdev, kDirect, kPending, kDropped };

// How long the first write waits for a port that another driver holds
// before bytes are dropped while the claim goes on in the background.
constexpr auto kClaimWait = std::chrono::milliseconds(200);

int PortIndex(uint16_t address) {
  switch (address) {
    case 888:
      return 0;
    case 632:
      return 1;
    case 956:
      return 2;
    default:
      return -1;
  }
}

std::string ErrorText(int error) {
  return std::strerror(error);
}

// One LPT port. Shared with a background claim, which may outlive the writer.
struct PortState {
  std::mutex mutex;
  std::condition_variable claimed;
  std::atomic<Route> route{Route::kUnknown};
  int fd = -1;
  std::string reason;  // why bytes are dropped, once known
  ~PortState() {
    if (fd >= 0)
      ::close(fd);
  }
};

}  // namespace

struct PortWriter::Impl {
  std::mutex writing;  // PortOut may be called from any thread
  PortWriterOptions options;
  std::array<std::shared_ptr<PortState>, 3> ports;
  std::set<std::string> warned;  // each explanation is given once

  void Warn(const std::string& key, const std::string& text) {
    if (!warned.insert(key).second)
      return;
    std::string line = "velmora: " + text;
    if (options.warn) {
      options.warn(line);
    } else {
      std::fprintf(stderr, "%s\n", line.c_str());
      std::fflush(stderr);
    }
  }

  std::string DevicePath(int index) const {
    return options.deviceDirectory + "/parport" + std::to_string(index);
  }

  // ioperm is granted per thread, so each writing thread asks for itself.
  bool DirectAllowed(uint16_t address, std::string& why) {
#if VELMORA_HAVE_DIRECT_IO
    if (!options.allowDirectIo) {
      why = "direct port I/O is turned off";
      return false;
    }
    thread_local std::set<uint16_t> granted;
    if (granted.count(address))
      return true;
    if (::ioperm(address, 1, 1) == 0) {
      granted.insert(address);
      return true;
    }
    why = "direct port I/O: " + ErrorText(errno);
    return false;
#else
    (void)address;
    why = "direct port I/O is not available on this system";
    return false;
#endif
  }

  void DirectOut(uint16_t address, uint8_t value) {
#if VELMORA_HAVE_DIRECT_IO
    ::outb(value, address);
#else
    (void)address;
    (void)value;
#endif
  }

  // Finds the route of a port at its first write.
  void Setup(int index, uint16_t address, const std::shared_ptr<PortState>& shared) {
    PortState& port = *shared;
    std::string path = DevicePath(index);
    std::string ppdevWhy;
#if VELMORA_HAVE_PPDEV
    int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
      ppdevWhy = path + ": " + ErrorText(errno);
    } else {
      // An exclusive claim never waits: it fails at once when another
      // driver has the port.
      if (::ioctl(fd, PPEXCL) == 0 && ::ioctl(fd, PPCLAIM) == 0) {
        UsePpdev(port, fd);
        return;
      }
      int error = errno;
      ::close(fd);
      if (error == ENOTTY || error == EINVAL) {
        ppdevWhy = path + ": not a parallel port device";
      } else if (ClaimShared(path, shared)) {
        return;
      } else {
        ppdevWhy = path + ": " + port.reason;
      }
    }
#else
    ppdevWhy = "ppdev is not available on this system";
#endif
    std::string directWhy;
    if (DirectAllowed(address, directWhy)) {
      port.route = Route::kDirect;
      return;
    }
    port.reason = ppdevWhy + "; " + directWhy;
    port.route = Route::kDropped;
  }

  static void UsePpdev(PortState& port, int fd) {
#if VELMORA_HAVE_PPDEV
    int forward = 0;
    ::ioctl(fd, PPDATADIR, &forward);  // data lines as outputs; fails harmlessly on SPP
#endif
    port.fd = fd;
    port.route = Route::kPpdev;
  }

  // A shared claim waits while another driver uses the port, so it runs on a
  // thread of its own; the caller waits for it only briefly.
  bool ClaimShared(const std::string& path, const std::shared_ptr<PortState>& shared) {
#if VELMORA_HAVE_PPDEV
    PortState& port = *shared;
    int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
      port.reason = ErrorText(errno);
      return false;
    }
    port.route = Route::kPending;
    try {
      StartClaim(shared, fd);
    } catch (const std::exception& e) {
      ::close(fd);
      port.reason = std::string("cannot start the claim: ") + e.what();
      port.route = Route::kUnknown;
      return false;
    }
    std::unique_lock<std::mutex> lock(port.mutex);
    port.claimed.wait_for(lock, kClaimWait, [&] { return port.route != Route::kPending; });
    return port.route != Route::kDropped;  // claimed, or still pending
#else
    (void)path;
    (void)shared;
    return false;
#endif
  }

  static void StartClaim(const std::shared_ptr<PortState>& shared, int fd) {
#if VELMORA_HAVE_PPDEV
    std::thread([shared, fd]() {
      bool ok = ::ioctl(fd, PPCLAIM) == 0;
      int error = errno;
      std::lock_guard<std::mutex> lock(shared->mutex);
      if (ok) {
        UsePpdev(*shared, fd);
      } else {
        ::close(fd);
        shared->reason = "cannot claim the port: " + ErrorText(error);
        shared->route = Route::kDropped;
      }
      shared->claimed.notify_all();
    }).detach();
#else
    (void)shared;
    (void)fd;
#endif
  }

  void Write(uint16_t address, uint8_t value) {
    int index = PortIndex(address);
    if (index < 0) {
      Warn("address " + std::to_string(address),
           "no parallel port is known at I/O address " + std::to_string(address) +
               " (888, 632 and 956 are); bytes to it are dropped");
      return;
    }
    if (!ports[index])
      ports[index] = std::make_shared<PortState>();
    PortState& port = *ports[index];
    if (port.route == Route::kUnknown)
      Setup(index, address, ports[index]);
    const std::string key = "port " + std::to_string(address);
    switch (port.route.load()) {
      case Route::kPpdev: {
#if VELMORA_HAVE_PPDEV
        unsigned char data = value;
        if (::ioctl(port.fd, PPWDATA, &data) != 0) {
          Warn(key + " write", "writing " + DevicePath(index) + " failed: " + ErrorText(errno) +
                                   "; the byte is dropped");
        }
#endif
        return;
      }
      case Route::kDirect: {
        std::string why;
        if (DirectAllowed(address, why)) {
          DirectOut(address, value);
        } else {
          Warn(key + " thread", "parallel port at I/O address " + std::to_string(address) +
                                    " cannot be written from this thread (" + why +
                                    "); bytes are dropped");
        }
        return;
      }
      case Route::kPending:
        Warn(key + " pending",
             DevicePath(index) + " is held by another driver; bytes are dropped until it is free");
        return;
      case Route::kDropped: {
        std::string reason;
        {
          std::lock_guard<std::mutex> lock(port.mutex);
          reason = port.reason;
        }
        Warn(key, "parallel port at I/O address " + std::to_string(address) +
                      " cannot be written (" + reason + "); start device bytes are dropped");
        return;
      }
      case Route::kUnknown:
        return;
    }
  }
};

PortWriter::PortWriter(PortWriterOptions options) : impl_(std::make_unique<Impl>()) {
  impl_->options = std::move(options);
}

PortWriter::~PortWriter() = default;

void PortWriter::Write(uint16_t address, uint8_t value) {
  try {
    std::lock_guard<std::mutex> lock(impl_->writing);
    impl_->Write(address, value);
  } catch (...) {
    // Out of memory while building a message: the byte is lost, the program goes on.
  }
}

std::string PortWriter::RouteOf(uint16_t address) const {
  int index = PortIndex(address);
  if (index < 0)
    return "dropped";
  if (!impl_->ports[index])
    return "unknown";
  switch (impl_->ports[index]->route.load()) {
    case Route::kPpdev:
      return "ppdev";
    case Route::kDirect:
      return "direct";
    case Route::kPending:
      return "pending";
    case Route::kDropped:
      return "dropped";
    case Route::kUnknown:
      break;
  }
  return "unknown";
}

}  // namespace velmora::portio

extern "C" void PortOut(uint16_t address, uint8_t value) {
  // Never destroyed: a claim thread may still hold its port at exit.
  static auto* writer = new velmora::portio::PortWriter();
  writer->Write(address, value);
}
