// render-displays writes the four pictures at the displays' sizes, places
// the displays as the main window does, and refuses bad arguments.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
  int status = -1;
  QString errors;
};

Run RenderDisplays(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(RENDER_DISPLAYS), arguments);
  if (!process.waitForFinished(30000)) {
    process.kill();
    return {};
  }
  return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

}  // namespace

class RenderDisplaysTest : public QObject {
  Q_OBJECT

 private slots:
  void writesThePictures_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("demo race") << QStringList{};
    QTest::newRow("one lane, first heat") << QStringList{"--lanes", "1", "--heat", "1"};
    QTest::newRow("eight lanes, last heat")
        << QStringList{"--lanes", "8", "--round", "1", "--heat", "8"};
  }
  void writesThePictures() {
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const Run run = RenderDisplays(arguments + QStringList{"--out", dir.path()});
    QCOMPARE(run.status, 0);
    const QImage board(dir.filePath("race-board.png"));
    const QImage grid(dir.filePath("on-deck-grid.png"));
    const QImage box(dir.filePath("leader-box.png"));
    const QImage window(dir.filePath("main-window.png"));
    QCOMPARE(board.size(), QSize(550, 400));
    QCOMPARE(grid.size(), QSize(225, 200));
    QCOMPARE(box.size(), QSize(225, 280));
    QCOMPARE(window.size(), QSize(793, 564));
    // Each display sits at its place on the window: its outline corner black,
    // the pixel inside silver, and the same picture as on its own.
    for (auto [image, origin] : {std::pair{board, QPoint(5, 40)}, std::pair{grid, QPoint(560, 40)},
                                 std::pair{box, QPoint(560, 248)}}) {
      QCOMPARE(window.pixelColor(origin), QColor(0, 0, 0));
      QCOMPARE(window.pixelColor(origin + QPoint(1, 1)), QColor(192, 192, 192));
      const QImage placed = window.copy(QRect(origin, image.size()));
      QCOMPARE(placed.convertToFormat(QImage::Format_RGB32),
               image.convertToFormat(QImage::Format_RGB32));
    }
  }

  void refusesBadArguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("heat past the round") << QStringList{"--heat", "9"} << 1 << "has no heat 9";
    QTest::newRow("heat 0") << QStringList{"--heat", "0"} << 1 << "has no heat 0";
    QTest::newRow("no such round") << QStringList{"--round", "2"} << 1 << "has no round 2";
    QTest::newRow("heat not a number") << QStringList{"--heat", "x"} << 2 << "whole number";
    QTest::newRow("nine lanes") << QStringList{"--lanes", "9"} << 2 << "from 1 to 8";
    QTest::newRow("stray argument") << QStringList{"extra"} << 2 << "unexpected argument";
    QTest::newRow("missing folder")
        << QStringList{"--out", "/nonexistent/velmora"} << 1 << "no folder";
  }
  void refusesBadArguments() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const bool hasOut = arguments.contains("--out");
    const Run run =
        RenderDisplays(hasOut ? arguments : arguments + QStringList{"--out", dir.path()});
    QCOMPARE(run.status, status);
    QVERIFY2(run.errors.contains("error: ") && run.errors.contains(message),
             qPrintable(run.errors));
    if (!hasOut) {
      QVERIFY(QDir(dir.path()).isEmpty());
    }
  }

#ifdef RACE_FIXTURES
  // A saved race: heat 1 is timed, heat 2 is not and has an empty lane.
  void showsASavedRace() {
    const QString race = QStringLiteral(RACE_FIXTURES "/three-lanes.vsr");
    QTemporaryDir timed;
    QTemporaryDir untimed;
    QCOMPARE(RenderDisplays({"--race", race, "--heat", "1", "--out", timed.path()}).status, 0);
    QCOMPARE(RenderDisplays({"--race", race, "--heat", "2", "--out", untimed.path()}).status, 0);
    const QImage timedBoard(timed.filePath("race-board.png"));
    const QImage untimedBoard(untimed.filePath("race-board.png"));
    QCOMPARE(timedBoard.size(), QSize(550, 400));
    // Times and places are drawn in the last two columns only for the timed heat.
    const auto whiteIn = [](const QImage& image, const QRect& area) {
      int count = 0;
      for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
          count += image.pixelColor(x, y) == QColor(255, 255, 255) ? 1 : 0;
        }
      }
      return count;
    };
    const QRect times(420, 85, 115, 100);
    QVERIFY(whiteIn(timedBoard, times) > 0);
    QCOMPARE(whiteIn(untimedBoard, times), 0);
  }

  void refusesAMissingRaceFile() {
    QTemporaryDir dir;
    const Run run = RenderDisplays({"--race", dir.filePath("none.vsr"), "--out", dir.path()});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.errors.contains("error: ") && run.errors.contains("none.vsr"),
             qPrintable(run.errors));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
  }
#endif
};

QTEST_GUILESS_MAIN(RenderDisplaysTest)
#include "render_displays_test.moc"
