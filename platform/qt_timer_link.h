// The timer link on QSerialPort. It lives on the user interface thread; Qt
// reads the port through that thread's event loop, so lines arrive there.
#pragma once

#include <QObject>
#include <QSerialPort>

#include "line_assembler.h"
#include "timer_link.h"

namespace velmora {

class QtTimerLink : public QObject, public TimerLink {
  Q_OBJECT

 public:
  static constexpr qint64 kBufferSize = 8192;

  explicit QtTimerLink(QObject* parent = nullptr);
  ~QtTimerLink() override;

  void Open(const std::string& name) override;
  void Close() override;
  bool IsOpen() const override;
  std::string OpenName() const override;
  void Send(const std::string& bytes) override;
  void SetLineHandler(LineHandler handler) override { lineHandler_ = std::move(handler); }
  void SetErrorHandler(ErrorHandler handler) override { errorHandler_ = std::move(handler); }

 private slots:
  void PortReadyRead();
  void PortErrorOccurred(QSerialPort::SerialPortError error);

 private:
  QSerialPort port_;
  LineAssembler assembler_;
  std::string openName_;
  LineHandler lineHandler_;
  ErrorHandler errorHandler_;
  unsigned generation_ = 0;  // changes at every close, so delivery stops
};

}  // namespace velmora
