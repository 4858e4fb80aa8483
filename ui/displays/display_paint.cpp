#include "display_paint.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringDecoder>

namespace velmora::displays {

int PointsToPixels(int points) {
  // Rounded to the nearest pixel, as the layout's fonts were sized.
  return (points * 96 + 36) / 72;
}

QFont DisplayFont(int points) {
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPixelSize(PointsToPixels(points < 1 ? 1 : points));
  return font;
}

QColor LaneColor(int32_t color) {
  const auto bits = static_cast<uint32_t>(color);
  return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                static_cast<int>((bits >> 16) & 0xFFu));
}

QString ToDisplayText(const std::string& text) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded = utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  if (utf8.hasError()) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  }
  return decoded;
}

std::string PlaceText(int32_t place) {
  const char* suffix = "th";
  if (place == 1) {
    suffix = "st";
  } else if (place == 2) {
    suffix = "nd";
  } else if (place == 3) {
    suffix = "rd";
  }
  return std::to_string(place) + suffix;
}

void DrawFramedRect(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& outline,
                    const QColor& fill) {
  const int width = x2 - x1;
  const int height = y2 - y1;
  if (width <= 0 || height <= 0) {
    return;
  }
  painter.fillRect(x1, y1, width, height, outline);
  if (width > 2 && height > 2) {
    painter.fillRect(x1 + 1, y1 + 1, width - 2, height - 2, fill);
  }
}

void DrawVerticalLine(QPainter& painter, int x, int y1, int y2, int width, const QColor& color) {
  if (y2 > y1 && width > 0) {
    painter.fillRect(x - width / 2, y1, width, y2 - y1, color);
  }
}

void DrawHorizontalLine(QPainter& painter, int x1, int x2, int y, int width, const QColor& color) {
  if (x2 > x1 && width > 0) {
    painter.fillRect(x1, y - width / 2, x2 - x1, width, color);
  }
}

void DrawTextAt(QPainter& painter, int x, int y, const QString& text, const QColor& color) {
  if (text.isEmpty()) {
    return;
  }
  painter.setPen(color);
  painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

QString FirstCharacters(const QString& text, int count) {
  if (count <= 0) {
    return QString();
  }
  qsizetype units = 0;
  int characters = 0;
  while (units < text.size() && characters < count) {
    const bool pair = text.at(units).isHighSurrogate() && units + 1 < text.size() &&
                      text.at(units + 1).isLowSurrogate();
    units += pair ? 2 : 1;
    ++characters;
  }
  return text.left(units);
}

FittedText FitText(const QString& text, int maxWidth, int points, const TextWidthAt& widthAt) {
  int size = points;
  while (size > kCutPointSize && widthAt(size, text) > maxWidth) {
    --size;
    if (size <= kCutPointSize) {
      return FittedText{size, FirstCharacters(text, maxWidth / 3) + QStringLiteral("..."), true};
    }
  }
  // A start size at or below the cut size is drawn whole: there is nothing
  // smaller to shrink to.
  return FittedText{size, text, false};
}

}  // namespace velmora::displays
