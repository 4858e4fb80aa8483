// The displays' font, texts and fitting rule.
#include <QFontInfo>
#include <QtTest>

#include "display_image.h"
#include "display_paint.h"

using namespace velmora::displays;
using velmora::testing::TextOfWidth;
using velmora::testing::TextWidth;

namespace {

// A width rule that is easy to follow by hand: each character is as many
// pixels wide as the size in points.
int PointsPerCharacter(int points, const QString& text) {
  return points * static_cast<int>(text.size());
}

}  // namespace

class DisplayTextTest : public QObject {
  Q_OBJECT

 private slots:
  void arialIsLiberationSansBold() {
    const QFontInfo info(DisplayFont(12));
    QCOMPARE(info.family(), QStringLiteral("Liberation Sans"));
    QVERIFY(info.bold());
    QCOMPARE(info.pixelSize(), 16);
  }

  void pointsToPixels_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("pixels");
    QTest::newRow("6") << 6 << 8;
    QTest::newRow("7") << 7 << 9;
    QTest::newRow("10") << 10 << 13;
    QTest::newRow("11") << 11 << 15;
    QTest::newRow("12") << 12 << 16;
    QTest::newRow("16") << 16 << 21;
    QTest::newRow("20") << 20 << 27;
  }
  void pointsToPixels() {
    QFETCH(int, points);
    QFETCH(int, pixels);
    QCOMPARE(PointsToPixels(points), pixels);
  }

  void placeText_data() {
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << "1st";
    QTest::newRow("2") << 2 << "2nd";
    QTest::newRow("3") << 3 << "3rd";
    QTest::newRow("4") << 4 << "4th";
    QTest::newRow("8") << 8 << "8th";
    QTest::newRow("0") << 0 << "0th";
    QTest::newRow("11") << 11 << "11th";
    QTest::newRow("-1") << -1 << "-1th";
  }
  void placeText() {
    QFETCH(int, place);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(PlaceText(place)), text);
  }

  void laneColorReadsRedFromTheLowByte() {
    QCOMPARE(LaneColor(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(LaneColor(0xFF8000), QColor(0, 128, 255));
    QCOMPARE(LaneColor(static_cast<int32_t>(0x80123456)), QColor(0x56, 0x34, 0x12));
  }

  void displayTextFallsBackToLatin1() {
    QCOMPARE(ToDisplayText("Caf\xc3\xa9"), QString::fromUtf8("Caf\xc3\xa9"));
    // A lone 0xE9 is Latin-1 e-acute, not broken UTF-8.
    QCOMPARE(ToDisplayText("Caf\xe9"), QString::fromUtf8("Caf\xc3\xa9"));
    QCOMPARE(ToDisplayText(std::string("a\0b", 3)).size(), 3);
  }

  void firstCharactersKeepsSurrogatePairs() {
    const QString text = QString::fromUtf8(
        "a\xf0\x9f\x8f\x81"
        "bc");  // a, chequered flag, b, c
    QCOMPARE(FirstCharacters(text, 2), QString::fromUtf8("a\xf0\x9f\x8f\x81"));
    QCOMPARE(FirstCharacters(text, 0), QString());
    QCOMPARE(FirstCharacters(text, -3), QString());
    QCOMPARE(FirstCharacters(text, 99), text);
  }

  // Widths by the easy rule: a text of n characters is n * size pixels.
  void fitTextRule_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("fittedPoints");
    QTest::addColumn<QString>("fittedText");
    QTest::addColumn<bool>("cut");
    QTest::newRow("fits") << "abcd" << 48 << 12 << 12 << "abcd" << false;
    QTest::newRow("one point smaller") << "abcd" << 47 << 12 << 11 << "abcd" << false;
    QTest::newRow("down to seven") << "abcdefghij" << 70 << 12 << 7 << "abcdefghij" << false;
    // 69 / 3 = 23 characters: the whole text and "...", wider than the room.
    QTest::newRow("cut at six") << "abcdefghij" << 69 << 12 << 6 << "abcdefghij..." << true;
    QTest::newRow("cut to W/3 characters")
        << QString(60, 'x') << 100 << 12 << 6 << QString(33, 'x') + "..." << true;
    QTest::newRow("empty") << "" << 10 << 12 << 12 << "" << false;
    QTest::newRow("no room") << "abc" << 0 << 12 << 6 << "..." << true;
    QTest::newRow("negative room") << "abc" << -5 << 12 << 6 << "..." << true;
    QTest::newRow("start at six") << "abcdefghij" << 10 << 6 << 6 << "abcdefghij" << false;
  }
  void fitTextRule() {
    QFETCH(QString, text);
    QFETCH(int, maxWidth);
    QFETCH(int, points);
    QFETCH(int, fittedPoints);
    QFETCH(QString, fittedText);
    QFETCH(bool, cut);
    const FittedText fitted = FitText(text, maxWidth, points, PointsPerCharacter);
    QCOMPARE(fitted.points, fittedPoints);
    QCOMPARE(fitted.text, fittedText);
    QCOMPARE(fitted.cut, cut);
  }

  // The same rule with the real font, at the three column widths.
  void fitTextRealFont_data() {
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<int>("cutLength");
    QTest::newRow("vehicle column") << 100 << 33;
    QTest::newRow("name column") << 115 << 38;
    QTest::newRow("number column") << 40 << 13;
  }
  void fitTextRealFont() {
    QFETCH(int, maxWidth);
    QFETCH(int, cutLength);
    const auto measure = [](int points, const QString& text) { return TextWidth(text, points); };

    const QString exact = TextOfWidth(maxWidth, 12);
    QVERIFY2(!exact.isEmpty(), "no text of the exact width found");
    QCOMPARE(FitText(exact, maxWidth, 12, measure), (FittedText{12, exact, false}));

    const QString wider = TextOfWidth(maxWidth + 1, 12);
    QVERIFY2(!wider.isEmpty(), "no text one pixel wider found");
    const FittedText shrunk = FitText(wider, maxWidth, 12, measure);
    QCOMPARE(shrunk.points, 11);
    QVERIFY(!shrunk.cut);

    const QString long60 = QString(60, QLatin1Char('M'));
    QVERIFY(TextWidth(long60, 7) > maxWidth);
    const FittedText cut = FitText(long60, maxWidth, 12, measure);
    QCOMPARE(cut.points, 6);
    QCOMPARE(cut.text, QString(cutLength, QLatin1Char('M')) + "...");
  }
};

QTEST_MAIN(DisplayTextTest)
#include "display_text_test.moc"
