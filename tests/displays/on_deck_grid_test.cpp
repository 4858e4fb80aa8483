// The on-deck grid painted offscreen: frame, title, headings, and the swatch
// rows whose step shrinks as lanes are added.
#include <QtTest>

#include "display_image.h"
#include "display_paint.h"
#include "on_deck_grid.h"

using velmora::TOnDeckGrid;
using velmora::on_deck::TLane;
using namespace velmora::displays;
using namespace velmora::testing;

namespace {

constexpr int32_t kLaneColors[] = {0x0000E0, 0x00C000, 0xE06000, 0x00A0F0,
                                   0xF000F0, 0x60F0F0, 0x2080A0, 0xA0A0F0};

void FillGrid(TOnDeckGrid& grid, int lanes) {
  grid.SetLaneCount(lanes);
  for (int i = 0; i < lanes; ++i) {
    TLane& lane = grid.Lanes().Items[static_cast<size_t>(i)];
    lane.Color = kLaneColors[i];
    lane.Name = std::to_string(i + 1);
    grid.Racers().Items[static_cast<size_t>(i)] = "Next " + std::to_string(i + 1);
  }
}

QRect ExpectedInk(int x, int y, const QString& text, int points, const QColor& color) {
  QImage white(TOnDeckGrid::kWidth, TOnDeckGrid::kHeight, QImage::Format_RGB32);
  white.fill(kWhite);
  return InkBounds(WithText(white, x, y, text, points, color), white.rect(), color);
}

}  // namespace

class OnDeckGridTest : public QObject {
  Q_OBJECT

 private slots:
  void frameTitleAndHeadings() {
    TOnDeckGrid grid;
    const QImage image = Render(grid);
    QCOMPARE(At(image, 0, 0), kBlack);
    QCOMPARE(At(image, 224, 199), kBlack);
    QCOMPARE(At(image, 5, 100), kSilver);
    QCOMPARE(At(image, 215, 189), kSilver);
    QCOMPARE(At(image, 100, 190), kSilver);
    QCOMPARE(At(image, 10, 10), kBlack);
    QCOMPARE(At(image, 214, 189), kBlack);
    QCOMPARE(At(image, 11, 11), kWhite);
    QCOMPARE(At(image, 213, 188), kWhite);
    QCOMPARE(InkBounds(image, image.rect(), kRed), ExpectedInk(70, 10, "On Deck", 20, kRed));
    QCOMPARE(InkBounds(image, QRect(11, 36, 90, 30), kBlue),
             ExpectedInk(20, 40, "Lane", 16, kBlue));
    QCOMPARE(InkBounds(image, QRect(105, 36, 109, 30), kBlue),
             ExpectedInk(110, 40, "Name", 16, kBlue));
    // No lanes: nothing black inside the white area below the headings.
    QCOMPARE(CountColor(image, QRect(11, 70, 203, 119), kBlack), 0);
  }

  // Swatch tops for each lane count: 45 + k * (31 - 2 * lanes).
  void swatches_data() {
    QTest::addColumn<int>("lanes");
    QTest::addColumn<QList<int>>("tops");
    QTest::newRow("one lane") << 1 << QList<int>{74};
    QTest::newRow("four lanes") << 4 << QList<int>{68, 91, 114, 137};
    QTest::newRow("eight lanes") << 8 << QList<int>{60, 75, 90, 105, 120, 135, 150, 165};
  }
  void swatches() {
    QFETCH(int, lanes);
    QFETCH(QList<int>, tops);
    TOnDeckGrid grid;
    FillGrid(grid, lanes);
    const QImage image = Render(grid);
    for (int i = 0; i < lanes; ++i) {
      const int y = tops[i];
      const QColor color = LaneColor(kLaneColors[i]);
      QCOMPARE(At(image, 20, y), kBlack);
      QCOMPARE(At(image, 99, y), kBlack);
      QCOMPARE(At(image, 60, y), kBlack);
      QCOMPARE(At(image, 21, y + 1), color);
      QCOMPARE(At(image, 98, y + 1), color);
      QCOMPARE(At(image, 19, y + 1), kWhite);
      QCOMPARE(At(image, 100, y + 1), kWhite);
      const bool overlapped = i + 1 < lanes && tops[i + 1] < y + 20;
      if (overlapped) {
        // A later swatch is drawn over the bottom of the one before.
        QCOMPARE(At(image, 95, tops[i + 1] - 1), color);
        QCOMPARE(At(image, 95, y + 19), LaneColor(kLaneColors[i + 1]));
      } else {
        QCOMPARE(At(image, 95, y + 18), color);
        QCOMPARE(At(image, 95, y + 19), kBlack);
        QCOMPARE(At(image, 95, y + 20), kWhite);
      }
      const QString racer = QStringLiteral("Next %1").arg(i + 1);
      const QRect cell = InkBounds(image, QRect(105, y, 109, 18), kBlack);
      QVERIFY2(cell.left() >= 110 && cell.top() >= y + 2, qPrintable(racer));
      const QRect expected = ExpectedInk(110, y + 2, racer, 10, kBlack);
      QCOMPARE(cell.left(), expected.left());
      QCOMPARE(cell.right(), expected.right());
      QCOMPARE(cell.top(), expected.top());
    }
    if (lanes == 8) {
      QCOMPARE(At(image, 95, 184), kBlack);  // the lowest reaches y = 185
    }
  }

  void racerTextIsWholeAndBlack() {
    TOnDeckGrid grid;
    FillGrid(grid, 1);
    grid.Racers().Items[0] = "<Racer 12>";
    const QImage image = Render(grid);
    QCOMPARE(InkBounds(image, QRect(105, 70, 109, 30), kBlack),
             ExpectedInk(110, 76, "<Racer 12>", 10, kBlack));
  }

  void laneCountKeepsExistingLanes_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("size");
    QTest::newRow("4 to 6") << 4 << 6 << 6;
    QTest::newRow("6 to 3") << 6 << 3 << 3;
    QTest::newRow("negative") << 4 << -1 << 0;
    QTest::newRow("above eight") << 2 << 9 << 8;
  }
  void laneCountKeepsExistingLanes() {
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, size);
    TOnDeckGrid grid;
    FillGrid(grid, first);
    grid.SetLaneCount(second);
    QCOMPARE(grid.LaneCount(), size);
    QCOMPARE(grid.Lanes().Items.size(), static_cast<size_t>(size));
    QCOMPARE(grid.Racers().Items.size(), static_cast<size_t>(size));
    for (int i = 0; i < size; ++i) {
      const TLane& lane = grid.Lanes().Items[static_cast<size_t>(i)];
      const std::string& racer = grid.Racers().Items[static_cast<size_t>(i)];
      const bool kept = i < first;
      QCOMPARE(lane.Color, kept ? kLaneColors[i] : 0);
      QCOMPARE(lane.Name, kept ? std::to_string(i + 1) : std::string());
      QCOMPARE(racer, kept ? "Next " + std::to_string(i + 1) : std::string());
    }
  }

  void mismatchedArraysDrawCommonRows() {
    TOnDeckGrid grid;
    FillGrid(grid, 4);
    auto racers = grid.Racers();
    racers.Items.resize(2);
    grid.SetRacers(racers);
    const QImage image = Render(grid);
    QCOMPARE(At(image, 95, 69), LaneColor(kLaneColors[0]));
    QCOMPARE(At(image, 95, 92), LaneColor(kLaneColors[1]));
    QCOMPARE(At(image, 95, 115), kWhite);
    QCOMPARE(At(image, 95, 138), kWhite);
  }

  void sizeIsFixed() {
    TOnDeckGrid grid;
    grid.resize(10, 10);
    QCOMPARE(grid.size(), QSize(225, 200));
  }
};

QTEST_MAIN(OnDeckGridTest)
#include "on_deck_grid_test.moc"
