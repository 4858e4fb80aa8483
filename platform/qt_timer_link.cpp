#include "qt_timer_link.h"

#include <vector>

namespace velmora {

QtTimerLink::QtTimerLink(QObject* parent) : QObject(parent) {
  connect(&port_, &QSerialPort::readyRead, this, &QtTimerLink::PortReadyRead);
  connect(&port_, &QSerialPort::errorOccurred, this, &QtTimerLink::PortErrorOccurred);
}

QtTimerLink::~QtTimerLink() {
  // No handler may run while the object goes away.
  lineHandler_ = nullptr;
  errorHandler_ = nullptr;
  Close();
}

void QtTimerLink::Open(const std::string& name) {
  if (port_.isOpen())
    return;
  port_.setPortName(QString::fromStdString(name));
  port_.setBaudRate(QSerialPort::Baud9600);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  port_.setReadBufferSize(kBufferSize);
  if (name.empty() || !port_.open(QIODevice::ReadWrite)) {
    std::string reason =
        name.empty() ? std::string("no port name given") : port_.errorString().toStdString();
    port_.clearError();
    throw SerialPortError("Cannot open serial port " + name + ": " + reason);
  }
  // A pseudo-terminal has no modem lines, so clearing them can fail there;
  // the port works all the same.
  port_.setDataTerminalReady(false);
  port_.setRequestToSend(false);
  port_.clear(QSerialPort::AllDirections);
  port_.clearError();
  assembler_.Clear();
  openName_ = name;
}

void QtTimerLink::Close() {
  ++generation_;
  if (port_.isOpen())
    port_.close();
  port_.clearError();
  assembler_.Clear();
  openName_.clear();
}

bool QtTimerLink::IsOpen() const {
  return port_.isOpen();
}

std::string QtTimerLink::OpenName() const {
  return openName_;
}

void QtTimerLink::Send(const std::string& bytes) {
  if (!port_.isOpen() || bytes.empty())
    return;
  port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
  port_.flush();
}

void QtTimerLink::PortReadyRead() {
  const QByteArray data = port_.readAll();
  const std::vector<std::string> lines =
      assembler_.Append(std::string_view(data.constData(), static_cast<size_t>(data.size())));
  const unsigned generation = generation_;
  for (const std::string& line : lines) {
    // A handler that stops the timer closes the link: later lines of the
    // same read are not for this run any more.
    if (generation != generation_ || !lineHandler_)
      return;
    lineHandler_(line);
  }
}

void QtTimerLink::PortErrorOccurred(QSerialPort::SerialPortError error) {
  if (error == QSerialPort::NoError || !port_.isOpen())
    return;
  // A failed modem-line call or a timeout leaves a working port. A device
  // that went away shows as a resource or read error, which Qt repeats for
  // as long as the port stays open, so the link closes.
  if (error != QSerialPort::ResourceError && error != QSerialPort::PermissionError &&
      error != QSerialPort::ReadError) {
    return;
  }
  // After a read error Qt's text is that of an unrelated earlier call.
  std::string reason = error == QSerialPort::ReadError ? std::string("the device cannot be read")
                                                       : port_.errorString().toStdString();
  std::string message = "Serial port " + openName_ + " stopped: " + reason;
  Close();
  if (errorHandler_)
    errorHandler_(message);
}

}  // namespace velmora
