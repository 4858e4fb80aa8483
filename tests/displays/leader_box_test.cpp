// The leader box painted offscreen: frame, heading, the three-entry rule, the
// ten-row limit and scores only where there is one.
#include <QtTest>

#include "display_image.h"
#include "display_paint.h"
#include "leader_box.h"

using velmora::Currency;
using velmora::TLeader;
using velmora::TLeaderBox;
using velmora::TLeaders;
using namespace velmora::displays;
using namespace velmora::testing;

namespace {

TLeaders MakeLeaders(int count) {
  TLeaders leaders;
  for (int i = 0; i < count; ++i) {
    leaders.Items.push_back(
        TLeader{"Car " + std::to_string(i + 1), Currency::FromRaw(30000 + 1000 * i), i});
  }
  return leaders;
}

QImage Blue() {
  QImage image(TLeaderBox::kWidth, TLeaderBox::kHeight, QImage::Format_RGB32);
  image.fill(kBlue);
  return image;
}

QRect ExpectedInk(int x, int y, const QString& text, int points, const QColor& color) {
  return InkBounds(WithText(Blue(), x, y, text, points, color), Blue().rect(), color);
}

}  // namespace

class LeaderBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void frame_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QColor>("color");
    QTest::newRow("outline top left") << 0 << 0 << kBlack;
    QTest::newRow("outline bottom right") << 224 << 279 << kBlack;
    QTest::newRow("silver") << 5 << 5 << kSilver;
    QTest::newRow("silver bottom right") << 223 << 278 << kSilver;
    QTest::newRow("silver right of blue") << 215 << 100 << kSilver;
    QTest::newRow("silver below blue") << 100 << 270 << kSilver;
    QTest::newRow("blue outline") << 10 << 10 << kBlack;
    QTest::newRow("blue outline bottom right") << 214 << 269 << kBlack;
    QTest::newRow("blue") << 11 << 11 << kBlue;
    QTest::newRow("blue bottom right") << 213 << 268 << kBlue;
  }
  void frame() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QColor, color);
    TLeaderBox box;
    QCOMPARE(At(Render(box), x, y), color);
  }

  void heading_data() {
    QTest::addColumn<QString>("scoreType");
    QTest::newRow("average time") << "Avg Time";
    QTest::newRow("points") << "Avg Pts";
    QTest::newRow("best time") << "Best Time";
    QTest::newRow("none") << "";
  }
  void heading() {
    QFETCH(QString, scoreType);
    TLeaderBox box;
    box.SetScoreType(scoreType.toStdString());
    const QImage image = Render(box);
    QCOMPARE(InkBounds(image, QRect(11, 11, 125, 30), kWhite),
             ExpectedInk(20, 20, "Leaders", 11, kWhite));
    QCOMPARE(InkBounds(image, QRect(137, 11, 77, 30), kWhite),
             ExpectedInk(140, 20, scoreType, 11, kWhite));
  }

  // Rows appear from three entries on, at most ten of them, 20 pixels apart.
  void rows_data() {
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("rows");
    QTest::newRow("empty") << 0 << 0;
    QTest::newRow("one") << 1 << 0;
    QTest::newRow("two") << 2 << 0;
    QTest::newRow("three") << 3 << 3;
    QTest::newRow("ten") << 10 << 10;
    QTest::newRow("twelve") << 12 << 10;
  }
  void rows() {
    QFETCH(int, entries);
    QFETCH(int, rows);
    TLeaderBox box;
    box.SetScoreType("Avg Time");
    box.SetLeaders(MakeLeaders(entries));
    const QImage image = Render(box);
    for (int i = 0; i < rows; ++i) {
      const int y = 52 + 20 * i;
      const QRect row(11, y - 4, 203, 20);
      QCOMPARE(InkBounds(image, QRect(11, y - 4, 125, 20), kYellow),
               ExpectedInk(23, y, QStringLiteral("Car %1").arg(i + 1), 10, kYellow));
      const QString score =
          QString::fromStdString(CurrencyToText(Currency::FromRaw(30000 + 1000 * i)));
      QCOMPARE(InkBounds(image, QRect(137, y - 4, 77, 20), kYellow),
               ExpectedInk(140, y, score, 10, kYellow));
      QVERIFY(row.contains(InkBounds(image, row, kYellow)));
    }
    // Nothing yellow below the last row.
    const int below = 52 + 20 * rows - 4;
    QCOMPARE(CountColor(image, QRect(11, below, 203, 269 - below), kYellow), 0);
  }

  void zeroScoreShowsTheNameOnly_data() {
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<bool>("shown");
    QTest::newRow("zero") << qint64(0) << false;
    QTest::newRow("negative") << qint64(-10000) << false;
    QTest::newRow("smallest") << qint64(1) << true;
  }
  void zeroScoreShowsTheNameOnly() {
    QFETCH(qint64, raw);
    QFETCH(bool, shown);
    TLeaderBox box;
    TLeaders leaders = MakeLeaders(3);
    leaders.Items[1].Score = Currency::FromRaw(raw);
    box.SetLeaders(leaders);
    const QImage image = Render(box);
    QVERIFY(CountColor(image, QRect(11, 68, 125, 20), kYellow) > 0);
    QCOMPARE(CountColor(image, QRect(137, 68, 77, 20), kYellow) > 0, shown);
  }

  void leaderCountResizesTheList_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("size");
    QTest::newRow("grow") << 7 << 7;
    QTest::newRow("shrink") << 2 << 2;
    QTest::newRow("negative") << -4 << 0;
  }
  void leaderCountResizesTheList() {
    QFETCH(int, count);
    QFETCH(int, size);
    TLeaderBox box;
    box.SetLeaders(MakeLeaders(4));
    box.SetLeaderCount(count);
    QCOMPARE(box.LeaderCount(), size);
    QCOMPARE(box.Leaders().Items.size(), static_cast<size_t>(size));
    for (int i = 0; i < size; ++i) {
      const TLeader& leader = box.Leaders().Items[static_cast<size_t>(i)];
      QCOMPARE(leader.Name, i < 4 ? "Car " + std::to_string(i + 1) : std::string());
    }
  }

  // Painting follows the list itself, whatever the stored count says.
  void paintingUsesTheListNotTheCount() {
    TLeaderBox box;
    box.SetLeaderCount(12);
    box.SetLeaders(MakeLeaders(3));
    QCOMPARE(box.LeaderCount(), 12);
    const QImage image = Render(box);
    QVERIFY(CountColor(image, QRect(11, 88, 125, 20), kYellow) > 0);
    QCOMPARE(CountColor(image, QRect(11, 108, 203, 160), kYellow), 0);
  }

  void sizeIsFixed() {
    TLeaderBox box;
    box.resize(400, 400);
    QCOMPARE(box.size(), QSize(225, 280));
  }
};

QTEST_MAIN(LeaderBoxTest)
#include "leader_box_test.moc"
