// Drawing helpers shared by the race board, the leader box and the on-deck
// grid: their one font, exact rectangles and lines, text placed by its
// top-left corner, and the fitting rule for names in narrow columns.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

class QPainter;

namespace velmora::displays {

// The colours the displays are painted in.
inline const QColor kBlack{0, 0, 0};
inline const QColor kSilver{192, 192, 192};
inline const QColor kYellow{255, 255, 0};
inline const QColor kWhite{255, 255, 255};
inline const QColor kGrey{128, 128, 128};
inline const QColor kBlue{0, 0, 255};
inline const QColor kRed{255, 0, 0};

// The smallest size the fitting rule still draws a whole text at; at this
// size a text is cut instead.
inline constexpr int kCutPointSize = 6;

// Sizes are given in points and laid out for 96 pixels per inch; converting
// once here keeps the pixel layout the same on every screen and image.
int PointsToPixels(int points);

// "Arial" bold at a size in points (fontconfig maps Arial to Liberation
// Sans, which has the same metrics).
QFont DisplayFont(int points);

// A lane colour as the race stores it: red in the low byte, then green, then
// blue; the top byte is ignored.
QColor LaneColor(int32_t color);

// The race's 8-bit text: UTF-8 when it is valid UTF-8, Latin-1 otherwise, so
// no name ever turns into replacement marks.
QString ToDisplayText(const std::string& text);

// A place followed by its suffix: 1st, 2nd, 3rd, and "th" for every other
// number (0th, 4th ... 11th).
std::string PlaceText(int32_t place);

// Fills the pixels from (x1, y1) up to but not including (x2, y2) and draws a
// one-pixel outline on the outermost of them.
void DrawFramedRect(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& outline,
                    const QColor& fill);

// A line `width` pixels wide from (x, y1) down to y2 (not included); it
// covers the columns x - width/2 up to x - width/2 + width - 1.
void DrawVerticalLine(QPainter& painter, int x, int y1, int y2, int width, const QColor& color);
// The same across, from x1 to x2 (not included) at row y.
void DrawHorizontalLine(QPainter& painter, int x1, int x2, int y, int width, const QColor& color);

// Draws `text` with its top-left corner at (x, y), glyphs only, in the
// painter's current font.
void DrawTextAt(QPainter& painter, int x, int y, const QString& text, const QColor& color);

// What the fitting rule draws: the text at a size, possibly cut.
struct FittedText {
  int points = 0;
  QString text;
  bool cut = false;
  bool operator==(const FittedText&) const = default;
};

// Width in pixels of a text in the display font at a size in points.
using TextWidthAt = std::function<int(int points, const QString& text)>;

// The text shrunk point by point from `points` until it is no wider than
// `maxWidth`; when it is still too wide above the cut size, its first
// maxWidth / 3 characters followed by "..." at the cut size. The cut counts
// characters and is not measured again.
FittedText FitText(const QString& text, int maxWidth, int points, const TextWidthAt& widthAt);

// The first `count` characters of a text, never splitting a surrogate pair.
QString FirstCharacters(const QString& text, int count);

}  // namespace velmora::displays
