#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <string>
#include <vector>

#include "qt_timer_link.h"
#include "race_fixture.h"
#include "recording_notifier.h"
#include "serial_ports.h"
#include "start_devices.h"
#include "system_clock.h"
#include "timer_protocols.h"

using namespace velmora;

namespace {

// Our end of a pseudo-terminal pair; the link opens the slave path.
struct PtyPair {
  int master = -1;
  std::string slavePath;
  PtyPair() {
    master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
      return;
    slavePath = ::ptsname(master);
    // Raw before anyone opens the slave: no echo of what we write.
    int slave = ::open(slavePath.c_str(), O_RDWR | O_NOCTTY);
    termios tio{};
    ::tcgetattr(slave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slave, TCSANOW, &tio);
    ::close(slave);
  }
  ~PtyPair() { CloseMaster(); }
  void CloseMaster() {
    if (master >= 0)
      ::close(master);
    master = -1;
  }
  void Write(const std::string& bytes) const {
    QCOMPARE_EQ(::write(master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  // Reads until `count` bytes came or a second passed.
  std::string Read(std::size_t count) const {
    std::string out;
    QElapsedTimer timer;
    timer.start();
    while (out.size() < count && timer.elapsed() < 1000) {
      pollfd p{master, POLLIN, 0};
      if (::poll(&p, 1, 50) > 0) {
        char buffer[256];
        ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n > 0)
          out.append(buffer, static_cast<std::size_t>(n));
      }
    }
    return out;
  }
};

// Lines the link delivered, and the thread they arrived on.
struct Received {
  std::vector<std::string> lines;
  bool onOwnThread = true;
  void Attach(TimerLink& link) {
    link.SetLineHandler([this](const std::string& line) {
      lines.push_back(line);
      onOwnThread = onOwnThread && QThread::currentThread() == qApp->thread();
    });
  }
};

// The simulator as a person runs it: started, its export line read, fed Enter.
class Simulator {
 public:
  explicit Simulator(const QStringList& args) {
    process_.start(VELMORA_TIMERSIM_PATH, args);
    if (!process_.waitForStarted(5000))
      return;
    QElapsedTimer timer;
    timer.start();
    QByteArray out;
    while (timer.elapsed() < 5000) {
      process_.waitForReadyRead(100);
      out += process_.readAllStandardOutput();
      int at = out.indexOf("export VELMORA_EXTRA_PORTS=");
      int end = at < 0 ? -1 : out.indexOf('\n', at);
      if (end > 0) {
        int from = at + int(strlen("export VELMORA_EXTRA_PORTS="));
        path_ = out.mid(from, end - from).toStdString();
        break;
      }
    }
  }
  ~Simulator() {
    process_.terminate();
    if (!process_.waitForFinished(3000))
      process_.kill();
    process_.waitForFinished(1000);
  }
  const std::string& Path() const { return path_; }
  void PressEnter() {
    process_.write("\n");
    process_.waitForBytesWritten(1000);
  }

 private:
  QProcess process_;
  std::string path_;
};

}  // namespace

class TimerLinkTest : public QObject {
  Q_OBJECT

 private slots:
  void lineWrittenOnTheOtherSideArrivesWhole() {
    PtyPair pty;
    QVERIFY(!pty.slavePath.empty());
    QtTimerLink link;
    Received got;
    got.Attach(link);
    link.Open(pty.slavePath);
    QVERIFY(link.IsOpen());
    QCOMPARE(link.OpenName(), pty.slavePath);
    pty.Write("A=3.001! B=3.");
    QTest::qWait(50);
    pty.Write("002\"\r");
    QTest::qWait(50);
    pty.Write("\nLane 1  3.1234\r\nRace Over\r\nLane 2");
    QTRY_COMPARE(got.lines.size(), std::size_t(3));
    QCOMPARE(got.lines[0], std::string("A=3.001! B=3.002\"\r\n"));
    QCOMPARE(got.lines[1], std::string("Lane 1  3.1234\r\n"));
    QCOMPARE(got.lines[2], std::string("Race Over\r\n"));
    QVERIFY(got.onOwnThread);
    // The partial "Lane 2" waits for its terminator.
    QTest::qWait(50);
    QCOMPARE(got.lines.size(), std::size_t(3));
    pty.Write("  3.3\r\n");
    QTRY_COMPARE(got.lines.size(), std::size_t(4));
    QCOMPARE(got.lines[3], std::string("Lane 2  3.3\r\n"));
  }

  void bytesAreSentUnchanged() {
    PtyPair pty;
    QtTimerLink link;
    link.Open(pty.slavePath);
    const std::string bytes =
        TimerStartCommand(TimerKind::SmartLine) + std::string("\x00\xff\n", 3);
    link.Send(bytes);
    QCOMPARE(pty.Read(bytes.size()), bytes);
  }

  void pendingInputIsDiscardedOnOpen() {
    PtyPair pty;
    int holder = ::open(pty.slavePath.c_str(), O_RDWR | O_NOCTTY);  // keeps the input queue
    pty.Write("A=9.999 B=9.999\r\n");
    QTest::qWait(100);
    QtTimerLink link;
    Received got;
    got.Attach(link);
    link.Open(pty.slavePath);
    pty.Write("A=1.000 B=2.000\r\n");
    QTRY_COMPARE(got.lines.size(), std::size_t(1));
    QCOMPARE(got.lines[0], std::string("A=1.000 B=2.000\r\n"));
    ::close(holder);
  }

  void openErrorNamesThePortAndTheReason() {
    QtTimerLink link;
    const std::string missing = "/dev/velmora-no-such-port";
    try {
      link.Open(missing);
      QFAIL("opened a port that does not exist");
    } catch (const SerialPortError& e) {
      const std::string text = e.what();
      QVERIFY2(text.find(missing) != std::string::npos, text.c_str());
      QVERIFY2(text.find("No such file") != std::string::npos, text.c_str());
    }
    QVERIFY(!link.IsOpen());
    QVERIFY_THROWS_EXCEPTION(SerialPortError, link.Open(""));
    // A failed open leaves the link usable.
    PtyPair pty;
    link.Open(pty.slavePath);
    QVERIFY(link.IsOpen());
  }

  void openWhileOpenKeepsTheFirstPort() {
    PtyPair first;
    PtyPair second;
    QtTimerLink link;
    Received got;
    got.Attach(link);
    link.Open(first.slavePath);
    link.Open(second.slavePath);
    QCOMPARE(link.OpenName(), first.slavePath);
    first.Write("A=1.000\r\n");
    QTRY_COMPARE(got.lines.size(), std::size_t(1));
    link.Close();
    QVERIFY(!link.IsOpen());
    QCOMPARE(link.OpenName(), std::string());
    link.Close();  // twice is harmless
  }

  void closingInTheHandlerStopsDelivery() {
    PtyPair pty;
    QtTimerLink link;
    std::vector<std::string> lines;
    link.SetLineHandler([&](const std::string& line) {
      lines.push_back(line);
      link.Close();
    });
    link.Open(pty.slavePath);
    pty.Write("A=1.000\r\nA=2.000\r\nA=3.000\r\n");
    QTRY_COMPARE(lines.size(), std::size_t(1));
    QTest::qWait(50);
    QCOMPARE(lines.size(), std::size_t(1));
    QVERIFY(!link.IsOpen());
  }

  void vanishedDeviceClosesTheLinkAndSaysSo() {
    auto pty = std::make_unique<PtyPair>();
    QtTimerLink link;
    std::vector<std::string> errors;
    link.SetErrorHandler([&](const std::string& message) { errors.push_back(message); });
    const std::string path = pty->slavePath;
    link.Open(path);
    pty->CloseMaster();
    QTRY_VERIFY(!link.IsOpen());
    QCOMPARE(errors.size(), std::size_t(1));
    QVERIFY2(errors[0].find(path) != std::string::npos, errors[0].c_str());
  }

  void splitPortList_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("paths");
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("one") << "/dev/pts/4" << QStringList{"/dev/pts/4"};
    QTest::newRow("two") << "/dev/pts/4:/tmp/timer" << QStringList{"/dev/pts/4", "/tmp/timer"};
    QTest::newRow("empty items") << "::/dev/pts/4::/dev/ttyS1:"
                                 << QStringList{"/dev/pts/4", "/dev/ttyS1"};
  }
  void splitPortList() {
    QFETCH(QString, list);
    QFETCH(QStringList, paths);
    QStringList got;
    for (const std::string& p : SplitPortList(list.toStdString()))
      got << QString::fromStdString(p);
    QCOMPARE(got, paths);
  }

  void extraPortsAreListedWhenTheyCanBeOpened() {
    PtyPair pty;
    const QByteArray list = QByteArray("/dev/velmora-no-such-port:") + pty.slavePath.c_str() + ":" +
                            pty.slavePath.c_str();
    qputenv("VELMORA_EXTRA_PORTS", list);
    std::vector<std::string> ports = AvailableTimerPorts();
    qunsetenv("VELMORA_EXTRA_PORTS");
    QCOMPARE(std::count(ports.begin(), ports.end(), pty.slavePath), 1);
    QCOMPARE(std::count(ports.begin(), ports.end(), "/dev/velmora-no-such-port"), 0);
    std::vector<std::string> without = AvailableTimerPorts();
    QCOMPARE(std::count(without.begin(), without.end(), pty.slavePath), 0);
  }

  void simulatorHeatsArriveAndRecord_data() {
    QTest::addColumn<QString>("timer");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("lanes");
    QTest::addColumn<int>("linesPerHeat");
    QTest::newRow("MicroWizard") << "MicroWizard" << int(TimerKind::MicroWizard) << 4 << 1;
    QTest::newRow("TheJudge") << "TheJudge" << int(TimerKind::TheJudge) << 3 << 5;
    QTest::newRow("NewBold") << "NewBold DTX000" << int(TimerKind::NewBoldDTX000) << 6 << 1;
    QTest::newRow("SmartLine") << "SmartLine" << int(TimerKind::SmartLine) << 8 << 1;
  }
  void simulatorHeatsArriveAndRecord() {
    QFETCH(QString, timer);
    QFETCH(int, kind);
    QFETCH(int, lanes);
    QFETCH(int, linesPerHeat);
    Simulator sim(
        {"--timer", timer, "--lanes", QString::number(lanes), "--seed", "7", "--reply", "0.1"});
    QVERIFY(!sim.Path().empty());
    QtTimerLink link;
    Received got;
    got.Attach(link);
    link.Open(sim.Path());
    const auto timerKind = static_cast<TimerKind>(kind);
    link.Send(TimerStartCommand(timerKind));
    if (timerKind != TimerKind::SmartLine)
      sim.PressEnter();
    QTRY_COMPARE(got.lines.size(), std::size_t(linesPerHeat));

    RaceState race = testing::MakeTimedRace(timerKind, lanes);
    RaceRandom random;
    testing::RecordingNotifier notifier;
    for (const std::string& line : got.lines)
      ParseTimerLine(race, line, random, notifier);
    QVERIFY(notifier.messages.empty());
    const THeat& heat = race.Rounds[0].Heats[0];
    QVERIFY(heat.Raced);
    QCOMPARE(heat.Times.size(), std::size_t(lanes));
    // The keyed kinds never read lanes 7 and 8, which stay 0 in a new race.
    const bool keyed = timerKind == TimerKind::MicroWizard || timerKind == TimerKind::SmartLine;
    for (int l = 0; l < lanes; ++l) {
      const Currency t = heat.Times[l];
      if (keyed && l >= 6) {
        QCOMPARE(t, Currency());
      } else {
        QVERIFY2(t >= Currency::FromRaw(25000) && t <= Currency::FromRaw(99999),
                 CurrencyToText(t).c_str());
      }
    }
  }

  void simulatorReplaysACaptureWithItsPauses() {
    QTemporaryDir dir;
    const QString capture = dir.filePath("heat.cap");
    QFile file(capture);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "# two heats from a MicroWizard\n0.5\tA=3.001! B=3.002\"\n"
        "0.3\tA=3.100\\x22 B=3.050!\\r\\n\n");
    file.close();
    Simulator sim({"--timer", "MicroWizard", "--lanes", "2", "--replay", capture});
    QVERIFY(!sim.Path().empty());
    QtTimerLink link;
    std::vector<std::pair<std::string, qint64>> lines;
    QElapsedTimer clock;
    clock.start();
    link.SetLineHandler([&](const std::string& l) { lines.emplace_back(l, clock.elapsed()); });
    link.Open(sim.Path());
    QTRY_COMPARE(lines.size(), std::size_t(2));
    QCOMPARE(lines[0].first, std::string("A=3.001! B=3.002\"\r\n"));
    QCOMPARE(lines[1].first, std::string("A=3.100\" B=3.050!\r\n"));
    QVERIFY2(lines[1].second - lines[0].second >= 250,
             QByteArray::number(lines[1].second - lines[0].second));
  }

  void steadyClockWaitsInRealTime() {
    struct NullPort : PortOutput {
      int writes = 0;
      void PortOut(uint16_t, uint8_t) override { ++writes; }
    } port;
    RaceState race;
    race.LightTreeEnabled = true;
    race.LightTreePins = {3, 4, 5, 6, 7, 8};
    race.LightTreeDuration = 20;
    race.SolenoidEnabled = true;
    race.SolenoidPin = 2;
    race.SolenoidDuration = 30;
    SteadyClock clock;
    QElapsedTimer timer;
    timer.start();
    RunStartSequence(race, port, clock);
    // Each of the six waits counts whole milliseconds, so it may be short by
    // under one millisecond of real time.
    QVERIFY2(timer.elapsed() >= 130 - 6, QByteArray::number(timer.elapsed()));
    QVERIFY2(timer.elapsed() < 1000, QByteArray::number(timer.elapsed()));
    QCOMPARE(port.writes, 6);
  }
};

QTEST_GUILESS_MAIN(TimerLinkTest)
#include "timer_link_test.moc"
