// The race board painted offscreen: frame, title, headings, lane rows,
// fitted names, times and places, and how the lane count resizes its lists.
#include <QtTest>

#include "display_image.h"
#include "display_paint.h"
#include "race_board.h"

using velmora::Currency;
using velmora::TRaceBoard;
using velmora::race_board::TCurrentRacer;
using velmora::race_board::TLane;
using namespace velmora::displays;
using namespace velmora::testing;

namespace {

// Lane colours no other part of the board uses, red in the low byte.
constexpr int32_t kLaneColors[] = {0x0000E0, 0x00C000, 0xE06000, 0x00A0F0,
                                   0xF000F0, 0x60F0F0, 0x2080A0, 0xA0A0F0};

QColor LaneQColor(int i) {
  return LaneColor(kLaneColors[i]);
}

void FillBoard(TRaceBoard& board, int lanes) {
  board.SetLaneCount(lanes);
  board.SetVehicleType("Car");
  for (int i = 0; i < lanes; ++i) {
    TLane& lane = board.Lanes().Items[static_cast<size_t>(i)];
    lane.Name = "Lane " + std::to_string(i + 1);
    lane.Color = kLaneColors[i];
    TCurrentRacer& racer = board.CurrentRacers().Items[static_cast<size_t>(i)];
    racer.CarName = "Car " + std::to_string(i + 1);
    racer.RacerName = "Racer " + std::to_string(i + 1);
    racer.CarNumber = std::to_string(i + 11);
  }
}

// Where a text of `points` drawn at (x, y) leaves ink of `color`.
QRect ExpectedInk(int x, int y, const QString& text, int points, const QColor& color) {
  QImage blank(TRaceBoard::kWidth, TRaceBoard::kHeight, QImage::Format_RGB32);
  blank.fill(Qt::black);
  return InkBounds(WithText(blank, x, y, text, points, color), blank.rect(), color);
}

int RowBase(int lane) {
  return 90 + 35 * lane;
}

}  // namespace

class RaceBoardTest : public QObject {
  Q_OBJECT

 private slots:
  void frameAndLines_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QColor>("color");
    QTest::newRow("outline top left") << 0 << 0 << kBlack;
    QTest::newRow("outline bottom right") << 549 << 399 << kBlack;
    QTest::newRow("outline bottom left") << 0 << 399 << kBlack;
    QTest::newRow("silver inside outline") << 1 << 1 << kSilver;
    QTest::newRow("silver before black area") << 9 << 9 << kSilver;
    QTest::newRow("silver bottom right") << 548 << 398 << kSilver;
    QTest::newRow("silver right margin") << 545 << 200 << kSilver;
    QTest::newRow("silver below black area") << 275 << 390 << kSilver;
    QTest::newRow("silver right of black area") << 540 << 389 << kSilver;
    QTest::newRow("black area top left") << 10 << 10 << kBlack;
    QTest::newRow("black area bottom right") << 539 << 389 << kBlack;
    QTest::newRow("black inside") << 300 << 200 << kBlack;
    QTest::newRow("line 115 left column") << 114 << 50 << kGrey;
    QTest::newRow("line 115 right column") << 115 << 379 << kGrey;
    QTest::newRow("left of line 115") << 113 << 200 << kBlack;
    QTest::newRow("right of line 115") << 116 << 200 << kBlack;
    QTest::newRow("line 115 starts at 50") << 115 << 49 << kBlack;
    QTest::newRow("line 115 ends before 380") << 115 << 380 << kBlack;
    QTest::newRow("line 220") << 219 << 200 << kGrey;
    QTest::newRow("line 365") << 365 << 200 << kGrey;
    QTest::newRow("line 415") << 414 << 300 << kGrey;
    QTest::newRow("line 500") << 500 << 379 << kGrey;
    QTest::newRow("no separator without lanes") << 300 << 83 << kBlack;
  }
  void frameAndLines() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QColor, color);
    TRaceBoard board;
    QCOMPARE(At(Render(board), x, y), color);
  }

  void title_data() {
    QTest::addColumn<int>("heat");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("text");
    QTest::newRow("at start") << 13 << 20 << "Heat 13 of 20";
    QTest::newRow("empty race") << 0 << 0 << "Heat 0 of 0";
    QTest::newRow("long round") << 7 << 125 << "Heat 7 of 125";
    QTest::newRow("negative") << -1 << 2 << "Heat -1 of 2";
  }
  void title() {
    QFETCH(int, heat);
    QFETCH(int, total);
    QFETCH(QString, text);
    TRaceBoard board;
    if (heat != 13 || total != 20) {
      board.SetCurrentHeat(heat);
      board.SetTotalHeats(total);
    }
    const QImage image = Render(board);
    const QRect ink = InkBounds(image, image.rect(), kYellow);
    QCOMPARE(ink, ExpectedInk(200, 10, text, 20, kYellow));
    QVERIFY(ink.top() >= 10 && ink.bottom() < 45);
  }

  void headings_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("text");
    QTest::newRow("lane") << 20 << 113 << "Lane";
    QTest::newRow("vehicle") << 120 << 218 << "Truck";
    QTest::newRow("name") << 225 << 363 << "Name";
    QTest::newRow("number") << 385 << 413 << "#";
    QTest::newRow("time") << 425 << 498 << "Time";
  }
  void headings() {
    QFETCH(int, x);
    QFETCH(int, right);
    QFETCH(QString, text);
    TRaceBoard board;
    board.SetVehicleType("Truck");
    const QImage image = Render(board);
    const QRect column(x - 3, 40, right - x + 3, 35);
    QCOMPARE(InkBounds(image, column, kWhite), ExpectedInk(x, 45, text, 16, kWhite));
  }

  void emptyVehicleTypeLeavesItsHeadingBlank() {
    TRaceBoard board;
    QCOMPARE(CountColor(Render(board), QRect(117, 40, 100, 35), kWhite), 0);
  }

  // One row per lane: a separator 7 pixels above the row base and the lane's
  // name in its colour; the next row's place stays empty.
  void rows_data() {
    QTest::addColumn<int>("lanes");
    QTest::newRow("one lane") << 1;
    QTest::newRow("four lanes") << 4;
    QTest::newRow("eight lanes") << 8;
  }
  void rows() {
    QFETCH(int, lanes);
    TRaceBoard board;
    FillBoard(board, lanes);
    const QImage image = Render(board);
    for (int i = 0; i < lanes; ++i) {
      const int r = RowBase(i);
      QCOMPARE(At(image, 300, r - 8), kGrey);
      QCOMPARE(At(image, 300, r - 7), kGrey);
      QCOMPARE(At(image, 15, r - 7), kGrey);
      QCOMPARE(At(image, 534, r - 7), kGrey);
      QCOMPARE(At(image, 300, r - 9), kBlack);
      QCOMPARE(At(image, 300, r - 6), kBlack);
      QCOMPARE(At(image, 14, r - 7), kBlack);
      QCOMPARE(At(image, 535, r - 7), kBlack);
      const QString name = QStringLiteral("Lane %1").arg(i + 1);
      const QRect ink = InkBounds(image, image.rect(), LaneQColor(i));
      QCOMPARE(ink, ExpectedInk(23, r + 2, name, 16, LaneQColor(i)));
      // Inside the lane's own row and the black area.
      QVERIFY(ink.top() > r - 6 && ink.bottom() < r + 27 && ink.bottom() < 389);
      QVERIFY(CountColor(image, QRect(116, r - 5, 100, 30), kWhite) > 0);
    }
    if (lanes < 8) {
      QCOMPARE(At(image, 300, RowBase(lanes) - 7), kBlack);
      QCOMPARE(CountColor(image, QRect(116, RowBase(lanes) - 5, 418, 30), kWhite), 0);
    }
  }

  void eightLanesEndInsideTheBlackArea() {
    TRaceBoard board;
    FillBoard(board, 8);
    const QImage image = Render(board);
    QCOMPARE(At(image, 300, 328), kGrey);
    const QRect lastCell = InkBounds(image, QRect(116, 330, 98, 60), kWhite);
    QCOMPARE(lastCell, ExpectedInk(120, 341, "Car 8", 12, kWhite));
    QVERIFY(lastCell.bottom() < 389);
  }

  // A cell with its text drawn must look like the cell left empty with the
  // fitted text drawn on it.
  void fittedCells_data() {
    QTest::addColumn<int>("column");  // 0 car, 1 racer, 2 number
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<int>("widthOver");  // pixels over the room at 12 pt; -1: 60 characters
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("kept");  // characters kept before "..."; -1: all
    for (auto [column, x, width, cut, label] :
         {std::tuple{0, 120, 100, 33, "car"}, std::tuple{1, 225, 115, 38, "racer"},
          std::tuple{2, 370, 40, 13, "number"}}) {
      QTest::addRow("%s exactly at the limit", label) << column << x << width << 0 << 12 << -1;
      QTest::addRow("%s one pixel wider", label) << column << x << width << 1 << 11 << -1;
      QTest::addRow("%s 60 characters", label) << column << x << width << -1 << 6 << cut;
    }
  }
  void fittedCells() {
    QFETCH(int, column);
    QFETCH(int, x);
    QFETCH(int, maxWidth);
    QFETCH(int, widthOver);
    QFETCH(int, points);
    QFETCH(int, kept);
    const QString text =
        widthOver < 0 ? QString(60, QLatin1Char('M')) : TextOfWidth(maxWidth + widthOver, 12);
    QVERIFY2(!text.isEmpty(), "no text of the wanted width found");
    if (points == 11) {
      QVERIFY(TextWidth(text, 11) <= maxWidth);
    }
    const QString drawn = kept < 0 ? text : text.left(kept) + "...";

    TRaceBoard board;
    board.SetLaneCount(1);
    const QImage empty = Render(board);
    TCurrentRacer& racer = board.CurrentRacers().Items[0];
    const std::string value = text.toStdString();
    (column == 0 ? racer.CarName : column == 1 ? racer.RacerName : racer.CarNumber) = value;
    QCOMPARE(Render(board), WithText(empty, x, 96, drawn, points, kWhite));
  }

  void timeAndPlace_data() {
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("timeText");  // empty: neither time nor place drawn
    QTest::addColumn<QString>("placeText");
    QTest::newRow("no time yet") << qint64(0) << 1 << ""
                                 << "";
    QTest::newRow("negative time") << qint64(-32145) << 1 << ""
                                   << "";
    QTest::newRow("smallest time") << qint64(1) << 1 << "0.0001"
                                   << "1st";
    QTest::newRow("four decimals") << qint64(32145) << 2 << "3.2145"
                                   << "2nd";
    QTest::newRow("two decimals") << qint64(32500) << 3 << "3.25"
                                  << "3rd";
    QTest::newRow("whole seconds") << qint64(30000) << 4 << "3"
                                   << "4th";
    QTest::newRow("eighth") << qint64(41234) << 8 << "4.1234"
                            << "8th";
    QTest::newRow("place 0 with a time") << qint64(30000) << 0 << "3"
                                         << "0th";
  }
  void timeAndPlace() {
    QFETCH(qint64, raw);
    QFETCH(int, place);
    QFETCH(QString, timeText);
    QFETCH(QString, placeText);
    TRaceBoard board;
    FillBoard(board, 2);
    const QImage untimed = Render(board);
    TCurrentRacer& racer = board.CurrentRacers().Items[1];
    racer.Time = Currency::FromRaw(raw);
    racer.Place = place;
    QImage expected = untimed;
    if (!timeText.isEmpty()) {
      const int t = 96 + 35;
      expected =
          WithText(WithText(untimed, 430, t, timeText, 12, kWhite), 505, t, placeText, 12, kWhite);
    }
    QCOMPARE(Render(board), expected);
  }

  void laneCountKeepsExistingLanes_data() {
    QTest::addColumn<QList<int>>("counts");  // set in this order after filling the first
    QTest::addColumn<int>("finalCount");
    QTest::addColumn<int>("kept");  // lanes that keep their first values
    QTest::newRow("4 to 6") << QList<int>{4, 6} << 6 << 4;
    QTest::newRow("6 to 2 to 4") << QList<int>{6, 2, 4} << 4 << 2;
    QTest::newRow("0 to 8") << QList<int>{0, 8} << 8 << 0;
    QTest::newRow("4 to 4") << QList<int>{4, 4} << 4 << 4;
    QTest::newRow("negative is none") << QList<int>{4, -3} << 0 << 0;
    QTest::newRow("above eight is eight") << QList<int>{3, 12} << 8 << 3;
  }
  void laneCountKeepsExistingLanes() {
    QFETCH(QList<int>, counts);
    QFETCH(int, finalCount);
    QFETCH(int, kept);
    TRaceBoard board;
    FillBoard(board, counts.front());
    for (qsizetype i = 1; i < counts.size(); ++i) {
      board.SetLaneCount(counts[i]);
    }
    QCOMPARE(board.LaneCount(), finalCount);
    QCOMPARE(board.Lanes().Items.size(), static_cast<size_t>(finalCount));
    QCOMPARE(board.CurrentRacers().Items.size(), static_cast<size_t>(finalCount));
    for (int i = 0; i < finalCount; ++i) {
      const TLane& lane = board.Lanes().Items[static_cast<size_t>(i)];
      const TCurrentRacer& racer = board.CurrentRacers().Items[static_cast<size_t>(i)];
      if (i < kept) {
        QCOMPARE(lane.Name, "Lane " + std::to_string(i + 1));
        QCOMPARE(lane.Color, kLaneColors[i]);
        QCOMPARE(racer.CarName, "Car " + std::to_string(i + 1));
      } else {
        QCOMPARE(lane.Name, std::string());
        QCOMPARE(lane.Color, 0);
        QCOMPARE(racer.CarName, std::string());
        QCOMPARE(racer.RacerName, std::string());
        QCOMPARE(racer.CarNumber, std::string());
        QCOMPARE(racer.Time, Currency());
        QCOMPARE(racer.Place, 0);
      }
    }
    Render(board);
  }

  // Arrays replaced with different lengths: only the rows both have appear.
  void mismatchedArraysDrawCommonRows_data() {
    QTest::addColumn<int>("lanes");
    QTest::addColumn<int>("racers");
    QTest::newRow("more lanes") << 8 << 2;
    QTest::newRow("more racers") << 3 << 8;
    QTest::newRow("no racers") << 5 << 0;
  }
  void mismatchedArraysDrawCommonRows() {
    QFETCH(int, lanes);
    QFETCH(int, racers);
    TRaceBoard board;
    FillBoard(board, 8);
    auto lanesCopy = board.Lanes();
    auto racersCopy = board.CurrentRacers();
    lanesCopy.Items.resize(static_cast<size_t>(lanes));
    racersCopy.Items.resize(static_cast<size_t>(racers));
    board.SetLanes(lanesCopy);
    board.SetCurrentRacers(racersCopy);
    const QImage image = Render(board);
    const int rows = std::min(lanes, racers);
    for (int i = 0; i < 8; ++i) {
      const bool drawn = i < rows;
      QCOMPARE(CountColor(image, image.rect(), LaneQColor(i)) > 0, drawn);
      QCOMPARE(At(image, 300, RowBase(i) - 7), drawn ? kGrey : kBlack);
    }
  }

  void sizeIsFixed() {
    TRaceBoard board;
    board.resize(100, 80);
    QCOMPARE(board.size(), QSize(550, 400));
    board.setGeometry(5, 40, 700, 500);
    QCOMPARE(board.geometry(), QRect(5, 40, 550, 400));
  }

  void startsAtHeat13Of20WithoutLanes() {
    TRaceBoard board;
    QCOMPARE(board.CurrentHeat(), 13);
    QCOMPARE(board.TotalHeats(), 20);
    QCOMPARE(board.LaneCount(), 0);
    QCOMPARE(board.VehicleType(), std::string());
  }
};

QTEST_MAIN(RaceBoardTest)
#include "race_board_test.moc"
