// Rendering a display into an image and looking at its pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QWidget>
#include <functional>

#include "display_paint.h"

namespace velmora::testing {

// The widget as it paints itself, on a background no display ever uses.
inline QImage Render(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  image.fill(QColor(1, 2, 3));
  widget.render(&image);
  return image;
}

inline QColor At(const QImage& image, int x, int y) {
  return image.pixelColor(x, y);
}

// Pixels of exactly `color` inside `area`.
inline int CountColor(const QImage& image, const QRect& area, const QColor& color) {
  const QRect bounded = area.intersected(image.rect());
  const QRgb wanted = color.rgb();
  int count = 0;
  for (int y = bounded.top(); y <= bounded.bottom(); ++y) {
    for (int x = bounded.left(); x <= bounded.right(); ++x) {
      if (image.pixel(x, y) == wanted) {
        ++count;
      }
    }
  }
  return count;
}

// The smallest rectangle holding every pixel of `color` inside `area`.
inline QRect InkBounds(const QImage& image, const QRect& area, const QColor& color) {
  const QRect bounded = area.intersected(image.rect());
  const QRgb wanted = color.rgb();
  QRect ink;
  for (int y = bounded.top(); y <= bounded.bottom(); ++y) {
    for (int x = bounded.left(); x <= bounded.right(); ++x) {
      if (image.pixel(x, y) == wanted) {
        ink = ink.united(QRect(x, y, 1, 1));
      }
    }
  }
  return ink;
}

// `image` with `text` drawn on it at (x, y) in the display font: what a
// display should look like once it has drawn that text.
inline QImage WithText(QImage image, int x, int y, const QString& text, int points,
                       const QColor& color) {
  QPainter painter(&image);
  painter.setFont(displays::DisplayFont(points));
  displays::DrawTextAt(painter, x, y, text, color);
  return image;
}

// Width of a text in the display font, measured as the displays measure it.
inline int TextWidth(const QString& text, int points) {
  QImage device(1, 1, QImage::Format_RGB32);
  return QFontMetrics(displays::DisplayFont(points), &device).horizontalAdvance(text);
}

// A text of capitals and small letters exactly `width` pixels wide at
// `points`, or an empty text when none is found.
inline QString TextOfWidth(int width, int points) {
  for (int wide = 0; wide < 12; ++wide) {
    for (int mid = 0; mid < 12; ++mid) {
      for (int narrow = 0; narrow < 30; ++narrow) {
        const QString text = QString(wide, QLatin1Char('W')) + QString(mid, QLatin1Char('a')) +
                             QString(narrow, QLatin1Char('i'));
        if (!text.isEmpty() && TextWidth(text, points) == width) {
          return text;
        }
      }
    }
  }
  return QString();
}

}  // namespace velmora::testing
