// The serial link to a finish-line timer: open a port by name, send bytes,
// and receive each complete line (ending with CR LF) on the thread that owns
// the link, which is the user interface thread.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace velmora {

// A port that cannot be opened; what() names the port and the system's reason.
class SerialPortError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TimerLink {
 public:
  using LineHandler = std::function<void(const std::string& line)>;
  using ErrorHandler = std::function<void(const std::string& message)>;

  virtual ~TimerLink() = default;

  // Opens the port at 9600 baud, 8 data bits, no parity, 1 stop bit, no flow
  // control, with pending data discarded and DTR and RTS cleared. While the
  // link is open this does nothing: it stays open under its first name.
  // Throws SerialPortError.
  virtual void Open(const std::string& name) = 0;
  // Closes the port; a partly received line is dropped. Closing a closed link
  // does nothing.
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // The name the open port was opened under; empty while closed.
  virtual std::string OpenName() const = 0;
  // Sends the bytes unchanged; nothing when closed.
  virtual void Send(const std::string& bytes) = 0;

  // Called for every complete line, in arrival order.
  virtual void SetLineHandler(LineHandler handler) = 0;
  // Called when an open port fails (the device went away); the link is
  // closed by then.
  virtual void SetErrorHandler(ErrorHandler handler) = 0;
};

}  // namespace velmora
