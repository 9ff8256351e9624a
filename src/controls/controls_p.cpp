#include "controls/controls_p.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPixmap>
#include <QTextLayout>

#include <algorithm>

namespace controls::detail {

QColor greyedOut(const QColor& color) {
  // Keep a hint of the original brightness so a dark button stays darker than a light one.
  const int gray = qGray(color.rgb());
  const int level = 175 + gray / 5;
  return QColor(level, level, level);
}

QColor textColorOn(const QColor& background) {
  const double luminance =
      0.299 * background.red() + 0.587 * background.green() + 0.114 * background.blue();
  return luminance < 140.0 ? QColor(Qt::white) : QColor(0x1d, 0x26, 0x33);
}

qreal cornerRadius(const QRectF& rect, qreal preferred) {
  const qreal limit = std::min(rect.width(), rect.height()) / 2.0 - 0.5;
  return std::max<qreal>(0.0, std::min(preferred, limit));
}

void paintRoundedBody(QPainter& painter, const QRectF& rect, qreal radius, const QColor& top,
                      const QColor& bottom, const QColor& border) {
  if (rect.width() < 2 || rect.height() < 2) {
    return;
  }
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QRectF outline = rect.adjusted(0.5, 0.5, -0.5, -0.5);

  QLinearGradient fill(outline.topLeft(), outline.bottomLeft());
  fill.setColorAt(0.0, top);
  fill.setColorAt(1.0, bottom);
  QPainterPath body;
  body.addRoundedRect(outline, radius, radius);
  painter.fillPath(body, fill);

  // A soft light edge along the top half makes the surface look gently raised.
  if (outline.height() > 6) {
    QLinearGradient shine(outline.topLeft(), outline.bottomLeft());
    shine.setColorAt(0.0, QColor(255, 255, 255, 130));
    shine.setColorAt(0.5, QColor(255, 255, 255, 0));
    painter.setPen(QPen(QBrush(shine), 1.0));
    painter.setBrush(Qt::NoBrush);
    const QRectF inner = outline.adjusted(1, 1, -1, -1);
    const qreal innerRadius = std::max<qreal>(0.0, radius - 1);
    painter.drawRoundedRect(inner, innerRadius, innerRadius);
  }

  painter.setPen(QPen(border, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(body);
  painter.restore();
}

void paintFocusRing(QPainter& painter, const QRectF& rect, qreal radius, const QPalette& palette) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  QColor ring = palette.color(QPalette::Highlight);
  ring.setAlpha(220);
  painter.setPen(QPen(ring, 2.0));
  painter.setBrush(Qt::NoBrush);
  const QRectF inner = rect.adjusted(2, 2, -2, -2);
  const qreal innerRadius = std::max<qreal>(0.0, radius - 1.5);
  painter.drawRoundedRect(inner, innerRadius, innerRadius);
  painter.restore();
}

bool showsFocusRing(const QWidget* widget) {
  return widget->hasFocus() && widget->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

QFont badgeFont(const QFont& base) {
  QFont font = base;
  font.setBold(true);
  if (base.pointSizeF() > 0) {
    // A badge is a label, not a headline: a big caption font must not make it shout.
    font.setPointSizeF(std::clamp(base.pointSizeF() * 0.82, 7.0, 10.0));
  } else if (base.pixelSize() > 0) {
    font.setPixelSize(std::clamp(static_cast<int>(base.pixelSize() * 0.82), 9, 13));
  }
  return font;
}

QSizeF pillSize(const QFont& font, const QString& text) {
  const QFontMetricsF metrics(font);
  const qreal height = metrics.height() + 2.0;
  const qreal width = std::max(height, metrics.horizontalAdvance(text) + height * 0.9);
  return {std::ceil(width), std::ceil(height)};
}

void paintPill(QPainter& painter, const QRectF& rect, const QColor& fill, const QFont& font,
               const QString& text) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QRectF outline = rect.adjusted(0.5, 0.5, -0.5, -0.5);
  const qreal radius = outline.height() / 2.0;
  QLinearGradient gradient(outline.topLeft(), outline.bottomLeft());
  gradient.setColorAt(0.0, fill.lighter(125));
  gradient.setColorAt(1.0, fill);
  painter.setPen(QPen(fill.darker(140), 1.0));
  painter.setBrush(gradient);
  painter.drawRoundedRect(outline, radius, radius);

  painter.setFont(font);
  painter.setPen(Qt::white);
  const QFontMetricsF metrics(font);
  const qreal room = std::max<qreal>(0.0, outline.width() - radius);
  const QString shown = metrics.elidedText(text, Qt::ElideRight, room);
  painter.drawText(outline, Qt::AlignCenter | Qt::TextSingleLine, shown);
  painter.restore();
}

void drawWrappedText(QPainter& painter, const QRectF& rect, Qt::Alignment alignment,
                     const QString& text) {
  if (text.isEmpty() || rect.width() < 1 || rect.height() < 1) {
    return;
  }
  QString prepared = text;
  prepared.replace(QLatin1Char('\n'), QChar::LineSeparator);
  const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
  QTextLayout layout(prepared, painter.font(), painter.device());
  QTextOption option(horizontal);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);

  struct Line {
    int start;
    qreal y;
    qreal height;
  };
  QVector<Line> lines;
  bool truncated = false;
  qreal y = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(rect.width());
    if (!lines.isEmpty() && y + line.height() > rect.height()) {
      truncated = true;
      break;
    }
    line.setPosition(QPointF(0, y));
    lines.append({line.textStart(), y, line.height()});
    y += line.height();
  }
  layout.endLayout();

  qreal top = rect.top();
  if (alignment & Qt::AlignVCenter) {
    top += (rect.height() - y) / 2.0;
  } else if (alignment & Qt::AlignBottom) {
    top += rect.height() - y;
  }
  // A single line taller than the room stays centred on it rather than hanging below.
  top = std::max(top, rect.top() + std::min(0.0, (rect.height() - y) / 2.0));

  const int shown = static_cast<int>(lines.size()) - (truncated ? 1 : 0);
  for (int i = 0; i < shown; ++i) {
    layout.lineAt(i).draw(&painter, QPointF(rect.left(), top));
  }
  if (truncated) {
    const Line& last = lines.last();
    const QString rest =
        prepared.mid(last.start).replace(QChar::LineSeparator, QLatin1Char(' ')).simplified();
    const QFontMetricsF metrics(painter.font());
    painter.drawText(QRectF(rect.left(), top + last.y, rect.width(), last.height),
                     horizontal | Qt::AlignVCenter | Qt::TextSingleLine,
                     metrics.elidedText(rest, Qt::ElideRight, rect.width()));
  }
}

QSize fitInto(const QSize& natural, const QSize& box, bool allowUpscale) {
  if (natural.isEmpty() || box.isEmpty()) {
    return {0, 0};
  }
  QSize size = natural.scaled(box, Qt::KeepAspectRatio);
  if (!allowUpscale && size.width() > natural.width()) {
    size = natural;
  }
  return size;
}

QRectF paintPicture(QPainter& painter, const QPixmap& picture, const QRectF& box, bool allowUpscale,
                    bool enabled) {
  if (picture.isNull() || box.isEmpty()) {
    return {};
  }
  const QSize natural = picture.deviceIndependentSize().toSize();
  const QSize size = fitInto(natural, box.size().toSize(), allowUpscale);
  if (size.isEmpty()) {
    return {};
  }
  QRectF target(QPointF(0, 0), QSizeF(size));
  target.moveCenter(box.center());
  // Whole pixels keep small pictures crisp.
  target.moveTopLeft(QPointF(std::round(target.left()), std::round(target.top())));
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  if (!enabled) {
    painter.setOpacity(painter.opacity() * 0.45);
  }
  painter.drawPixmap(target, picture, QRectF(picture.rect()));
  painter.restore();
  return target;
}

}  // namespace controls::detail
