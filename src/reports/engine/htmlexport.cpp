#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QUrl>

#include "reports/engine/report_p.h"

namespace reports::engine {

namespace {

QString mm(double value) {
  QString text = QString::number(value, 'f', 2);
  while (text.endsWith(QLatin1Char('0')))
    text.chop(1);
  if (text.endsWith(QLatin1Char('.')))
    text.chop(1);
  return text + QStringLiteral("mm");
}

QString box(const QRectF& rect) {
  return QStringLiteral("left:%1;top:%2;width:%3;height:%4")
      .arg(mm(rect.left()), mm(rect.top()), mm(rect.width()), mm(rect.height()));
}

QString cssColor(const QColor& color) {
  if (color.alpha() == 255)
    return color.name(QColor::HexRgb);
  return QStringLiteral("rgba(%1,%2,%3,%4)")
      .arg(color.red())
      .arg(color.green())
      .arg(color.blue())
      .arg(color.alphaF(), 0, 'f', 3);
}

QString textStyle(const PreparedItem& item) {
  const TextStyle& style = item.style;
  QString family = style.family;
  family.remove(QLatin1Char('\'')).remove(QLatin1Char('"'));
  QString css =
      QStringLiteral("font:%1%2%3pt '%4',sans-serif;color:%5")
          .arg(style.italic ? QStringLiteral("italic ") : QString(),
               style.bold ? QStringLiteral("bold ") : QString(),
               QString::number(item.fontPt, 'f', 2), family.toHtmlEscaped(), cssColor(style.color));
  if (style.horizontal & Qt::AlignHCenter)
    css += QStringLiteral(";text-align:center");
  else if (style.horizontal & Qt::AlignRight)
    css += QStringLiteral(";text-align:right");
  if (style.vertical & Qt::AlignVCenter)
    css += QStringLiteral(";justify-content:center");
  else if (style.vertical & Qt::AlignBottom)
    css += QStringLiteral(";justify-content:flex-end");
  css += style.wrap ? QStringLiteral(";white-space:pre-wrap") : QStringLiteral(";white-space:pre");
  css += style.underline ? QStringLiteral(";text-decoration:underline")
                         : QStringLiteral(";text-decoration:none");
  return css;
}

QString lineElement(const PreparedItem& item) {
  const QLineF& line = item.lineMm;
  const double width = qMax(item.strokeMm, 0.05);
  const QString color = cssColor(item.stroke);
  if (line.dy() == 0 || line.dx() == 0) {
    const QRectF rect =
        line.dy() == 0
            ? QRectF(qMin(line.x1(), line.x2()), line.y1() - width / 2, qAbs(line.dx()), width)
            : QRectF(line.x1() - width / 2, qMin(line.y1(), line.y2()), width, qAbs(line.dy()));
    return QStringLiteral("<div style=\"%1;background:%2\"></div>\n").arg(box(rect), color);
  }
  const QRectF bounds = QRectF(line.p1(), line.p2()).normalized();
  const QRectF area = bounds.adjusted(-width, -width, width, width);
  const QPointF p1 = line.p1() - area.topLeft();
  const QPointF p2 = line.p2() - area.topLeft();
  return QStringLiteral(
             "<svg style=\"%1\" viewBox=\"0 0 %2 %3\"><line x1=\"%4\" y1=\"%5\" x2=\"%6\" "
             "y2=\"%7\" stroke=\"%8\" stroke-width=\"%9\"/></svg>\n")
      .arg(box(area), QString::number(area.width()), QString::number(area.height()),
           QString::number(p1.x()), QString::number(p1.y()), QString::number(p2.x()),
           QString::number(p2.y()), color, QString::number(width));
}

// A file name for a picture in the pictures folder: its object name or its file's name,
// made unique.
QString pictureFileName(const Picture& picture, QSet<QString>* taken) {
  QString base = picture.name.isEmpty() ? QFileInfo(picture.file).completeBaseName() : picture.name;
  for (QChar& c : base) {
    if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_'))
      c = QLatin1Char('_');
  }
  if (base.isEmpty())
    base = QStringLiteral("picture");
  QString name = base + QStringLiteral(".png");
  for (int n = 2; taken->contains(name.toLower()); ++n)
    name = base + QLatin1Char('_') + QString::number(n) + QStringLiteral(".png");
  taken->insert(name.toLower());
  return name;
}

}  // namespace

bool writeHtml(const QString& title, const QVector<PreparedPage>& pages,
               const QVector<Picture>& pictures, const QString& file, QString* error,
               QWidget* progressParent) {
  ExportProgress progress(progressParent, QObject::tr("Writing the HTML page…"), pages.size());
  const QFileInfo info(file);
  const QString folderName = info.completeBaseName() + QStringLiteral("_files");
  const QDir folder(info.absoluteDir().filePath(folderName));
  auto fail = [&](const QString& what) {
    if (error)
      *error = what;
    return false;
  };

  QString html;
  html += QStringLiteral(
              "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
              "<title>%1</title>\n<style>\n"
              "body { margin: 0; padding: 8px; }\n"
              ".page { position: relative; overflow: hidden; margin: 0 0 8px 0; "
              "border: 1px solid #c8c8c8; }\n"
              ".page > * { position: absolute; margin: 0; padding: 0; box-sizing: border-box; }\n"
              ".t { display: flex; flex-direction: column; overflow: hidden; "
              "line-height: 1.17; }\n"
              "@media print { body { padding: 0; } .page { border: none; margin: 0; "
              "break-after: page; } }\n"
              "</style>\n</head>\n<body>\n")
              .arg(title.toHtmlEscaped());

  QHash<int, QString> savedPictures;
  QSet<QString> takenNames;
  for (int p = 0; p < pages.size(); ++p) {
    const PreparedPage& page = pages.at(p);
    html += QStringLiteral("<div class=\"page\" style=\"width:%1;height:%2\">\n")
                .arg(mm(page.sizeMm.width()), mm(page.sizeMm.height()));
    for (const PreparedItem& item : page.items) {
      switch (item.kind) {
        case PreparedItem::Kind::Text:
          html += QStringLiteral("<div class=\"t\" style=\"%1;%2\">%3</div>\n")
                      .arg(box(item.rectMm), textStyle(item), item.text.toHtmlEscaped());
          break;
        case PreparedItem::Kind::Link:
          html += QStringLiteral("<a class=\"t\" href=\"%1\" style=\"%2;%3\">%4</a>\n")
                      .arg(item.url.toHtmlEscaped(), box(item.rectMm), textStyle(item),
                           item.text.toHtmlEscaped());
          break;
        case PreparedItem::Kind::Line:
          html += lineElement(item);
          break;
        case PreparedItem::Kind::Rect: {
          QString css = box(item.rectMm);
          if (item.fill.isValid())
            css += QStringLiteral(";background:") + cssColor(item.fill);
          if (item.strokeMm > 0)
            css +=
                QStringLiteral(";border:%1 solid %2").arg(mm(item.strokeMm), cssColor(item.stroke));
          html += QStringLiteral("<div style=\"%1\"></div>\n").arg(css);
          break;
        }
        case PreparedItem::Kind::Picture: {
          if (item.picture < 0 || item.picture >= pictures.size())
            break;
          const Picture& picture = pictures.at(item.picture);
          if (picture.image.isNull())
            break;
          QString name = savedPictures.value(item.picture);
          if (name.isEmpty()) {
            if (!folder.exists() && !QDir().mkpath(folder.path()))
              return fail(QStringLiteral("%1 cannot be created")
                              .arg(QDir::toNativeSeparators(folder.path())));
            name = pictureFileName(picture, &takenNames);
            if (!picture.image.save(folder.filePath(name), "PNG"))
              return fail(QStringLiteral("%1 cannot be written")
                              .arg(QDir::toNativeSeparators(folder.filePath(name))));
            savedPictures.insert(item.picture, name);
          }
          const QRectF rect = fittedPictureRect(item.rectMm, picture.image.size());
          QString css = box(rect);
          if (item.strokeMm > 0)
            css +=
                QStringLiteral(";border:%1 solid %2").arg(mm(item.strokeMm), cssColor(item.stroke));
          const QString source = QString::fromLatin1(QUrl::toPercentEncoding(folderName)) +
                                 QLatin1Char('/') +
                                 QString::fromLatin1(QUrl::toPercentEncoding(name));
          const QString alt =
              picture.name.isEmpty() ? QFileInfo(picture.file).completeBaseName() : picture.name;
          html += QStringLiteral("<img src=\"%1\" alt=\"%2\" style=\"%3\">\n")
                      .arg(source.toHtmlEscaped(), alt.toHtmlEscaped(), css);
          break;
        }
      }
    }
    html += QStringLiteral("</div>\n");
    progress.setValue(p + 1);
  }
  html += QStringLiteral("</body>\n</html>\n");

  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly) || out.write(html.toUtf8()) < 0 || !out.commit())
    return fail(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file), out.errorString()));
  return true;
}

}  // namespace reports::engine
