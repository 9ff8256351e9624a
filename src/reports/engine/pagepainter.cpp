#include <QPaintEngine>
#include <QPainter>
#include <QProgressDialog>
#include <QTextLayout>

#include "reports/engine/report_p.h"

namespace reports::engine {

namespace {

QRectF toUnits(const QRectF& mm) {
  return QRectF(mm.x() * kUnitsPerMm, mm.y() * kUnitsPerMm, mm.width() * kUnitsPerMm,
                mm.height() * kUnitsPerMm);
}

QPen strokePen(const QColor& color, double widthMm) {
  // A hairline would vanish on a 1200 dpi printer, so lines keep a printable minimum.
  QPen pen(color, qMax(widthMm, 0.05) * kUnitsPerMm);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

void paintText(QPainter& painter, const PreparedItem& item) {
  painter.setFont(reportFont(item.style, item.fontPt));
  painter.setPen(item.style.color);
  painter.drawText(toUnits(item.rectMm), textFlags(item.style), item.text);
}

// A link is laid out as an anchor so that the PDF writer turns it into a clickable link.
void paintLink(QPainter& painter, const PreparedItem& item) {
  const QRectF box = toUnits(item.rectMm);
  QTextLayout layout(item.text, reportFont(item.style, item.fontPt));
  QTextOption option(item.style.horizontal);
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  QTextCharFormat format;
  format.setAnchor(true);
  format.setAnchorHref(item.url);
  format.setForeground(item.style.color);
  format.setFontUnderline(item.style.underline);
  layout.setFormats({QTextLayout::FormatRange{0, int(item.text.size()), format}});
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (line.isValid())
    line.setLineWidth(box.width());
  layout.endLayout();
  if (!line.isValid())
    return;
  double top = box.top();
  if (item.style.vertical & Qt::AlignVCenter)
    top += (box.height() - line.height()) / 2;
  else if (item.style.vertical & Qt::AlignBottom)
    top += box.height() - line.height();
  painter.setPen(item.style.color);
  layout.draw(&painter, QPointF(box.left(), top));
}

void paintPicture(QPainter& painter, const PreparedItem& item, const QVector<Picture>& pictures) {
  if (item.picture < 0 || item.picture >= pictures.size())
    return;
  const Picture& picture = pictures.at(item.picture);
  if (picture.image.isNull())
    return;
  const QRectF box = fittedPictureRect(toUnits(item.rectMm), picture.image.size());
  const QSize deviceSize = painter.deviceTransform().mapRect(box).size().toSize();
  const QPaintEngine* engine = painter.paintEngine();
  const bool vector =
      engine && (engine->type() == QPaintEngine::Pdf || engine->type() == QPaintEngine::Picture);
  // Vector output keeps the picture as it is; a raster page gets a smoothly reduced copy
  // (enlarging is left to the painter, which costs nothing to cache).
  if (vector || deviceSize.width() >= picture.image.width() || deviceSize.isEmpty())
    painter.drawImage(box, picture.image);
  else
    painter.drawImage(box, picture.reducedTo(deviceSize));
  if (item.strokeMm > 0) {
    painter.setPen(strokePen(item.stroke, item.strokeMm));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
  }
}

}  // namespace

QImage Picture::reducedTo(const QSize& size) const {
  const quint64 key = (quint64(quint32(size.width())) << 32) | quint32(size.height());
  const auto found = reduced.constFind(key);
  if (found != reduced.constEnd())
    return *found;
  // Each zoom step of the preview asks for a new size; keep only a handful of them.
  if (reduced.size() >= 6)
    reduced.clear();
  const QImage copy = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  reduced.insert(key, copy);
  return copy;
}

QFont reportFont(const TextStyle& style, double sizePt) {
  QFont font(style.family);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(qMax(1, qRound(sizePt * 25.4 / 72.0 * kUnitsPerMm)));
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
  // Hinted glyph widths differ between screen and printer; unhinted ones keep the layout
  // of a page the same on every device.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

int textFlags(const TextStyle& style) {
  return int(style.horizontal | style.vertical) |
         (style.wrap ? Qt::TextWordWrap : Qt::TextSingleLine);
}

QRectF fittedPictureRect(const QRectF& box, const QSize& imageSize) {
  if (imageSize.isEmpty() || box.isEmpty())
    return box;
  QSizeF size(imageSize);
  size.scale(box.size(), Qt::KeepAspectRatio);
  return QRectF(box.left() + (box.width() - size.width()) / 2,
                box.top() + (box.height() - size.height()) / 2, size.width(), size.height());
}

void paintPreparedPage(QPainter& painter, const PreparedPage& page,
                       const QVector<Picture>& pictures, const QRectF& target) {
  if (page.sizeMm.isEmpty() || target.isEmpty())
    return;
  const double scale =
      qMin(target.width() / page.sizeMm.width(), target.height() / page.sizeMm.height());
  painter.save();
  painter.translate(target.left() + (target.width() - page.sizeMm.width() * scale) / 2,
                    target.top());
  painter.scale(scale / kUnitsPerMm, scale / kUnitsPerMm);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
  painter.setClipRect(QRectF(QPointF(0, 0), page.sizeMm * kUnitsPerMm), Qt::IntersectClip);

  for (const PreparedItem& item : page.items) {
    switch (item.kind) {
      case PreparedItem::Kind::Text:
        paintText(painter, item);
        break;
      case PreparedItem::Kind::Link:
        paintLink(painter, item);
        break;
      case PreparedItem::Kind::Line:
        painter.setPen(strokePen(item.stroke, item.strokeMm));
        painter.drawLine(QLineF(item.lineMm.p1() * kUnitsPerMm, item.lineMm.p2() * kUnitsPerMm));
        break;
      case PreparedItem::Kind::Rect:
        if (item.fill.isValid())
          painter.fillRect(toUnits(item.rectMm), item.fill);
        if (item.strokeMm > 0) {
          painter.setPen(strokePen(item.stroke, item.strokeMm));
          painter.setBrush(Qt::NoBrush);
          painter.drawRect(toUnits(item.rectMm));
        }
        break;
      case PreparedItem::Kind::Picture:
        paintPicture(painter, item, pictures);
        break;
    }
  }
  painter.restore();
}

ExportProgress::ExportProgress(QWidget* parent, const QString& label, int steps) {
  if (!parent)
    return;
  dialog_ = std::make_unique<QProgressDialog>(label, QString(), 0, steps, parent);
  dialog_->setWindowTitle(QObject::tr("Exporting"));
  dialog_->setWindowModality(Qt::WindowModal);
  dialog_->setMinimumDuration(0);
  dialog_->setAccessibleName(label);
  dialog_->setValue(0);
}

ExportProgress::~ExportProgress() = default;

void ExportProgress::setValue(int step) {
  if (dialog_)
    dialog_->setValue(step);
}

}  // namespace reports::engine
