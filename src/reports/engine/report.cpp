#include "reports/engine/report.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QImageWriter>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "reports/engine/expression.h"
#include "reports/engine/report_p.h"

namespace reports::engine {

namespace {

constexpr int kPdfResolution = 1200;
constexpr int kJpegResolution = 150;
constexpr int kJpegQuality = 90;

QImage readPicture(const QString& file, QString* error) {
  QImageReader reader(file);
  reader.setAutoTransform(true);
  QImage image = reader.read();
  if (image.isNull() && error)
    *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file), reader.errorString());
  return image;
}

// The largest font size, down to half the style's, at which the text fits its box.
double fittingFontSize(const TextStyle& style, const QRectF& rectMm, const QString& text) {
  const QRectF box(0, 0, rectMm.width() * kUnitsPerMm, rectMm.height() * kUnitsPerMm);
  const double smallest = style.sizePt / 2;
  double size = style.sizePt;
  while (size > smallest) {
    const QFontMetricsF metrics(reportFont(style, size));
    const QRectF needed = metrics.boundingRect(box, textFlags(style), text);
    if (needed.width() <= box.width() + 1 && needed.height() <= box.height() + 1)
      return size;
    size *= 0.94;
  }
  return smallest;
}

QByteArray xmpMetadata(const QString& title, const QString& author, const QString& subject) {
  const QString created = QDateTime::currentDateTime().toString(Qt::ISODate);
  const QString xmp =
      QStringLiteral(
          "<?xpacket begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
          "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
          " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
          "  <rdf:Description rdf:about=\"\"\n"
          "    xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
          "    xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
          "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li>"
          "</rdf:Alt></dc:title>\n"
          "   <dc:creator><rdf:Seq><rdf:li>%2</rdf:li></rdf:Seq></dc:creator>\n"
          "   <dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">%3</rdf:li>"
          "</rdf:Alt></dc:description>\n"
          "   <xmp:CreatorTool>%2</xmp:CreatorTool>\n"
          "   <xmp:CreateDate>%4</xmp:CreateDate>\n"
          "  </rdf:Description>\n"
          " </rdf:RDF>\n"
          "</x:xmpmeta>\n"
          "<?xpacket end=\"w\"?>")
          .arg(title.toHtmlEscaped(), author.toHtmlEscaped(), subject.toHtmlEscaped(), created);
  return xmp.toUtf8();
}

QPageLayout pageLayoutMm(const QSizeF& sizeMm) {
  return QPageLayout(QPageSize(sizeMm, QPageSize::Millimeter), QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0));
}

}  // namespace

void Report::Private::preparePage(const TemplatePage& source, int number, int total,
                                  const QString& date, const QString& time,
                                  PreparedPage* page) const {
  const PlaceholderLookup lookup = [&](const QString& name, QString* value) {
    if (name == QLatin1String("Page#"))
      *value = QString::number(number);
    else if (name == QLatin1String("TotalPages#"))
      *value = QString::number(total);
    else if (name == QLatin1String("Date"))
      *value = date;
    else if (name == QLatin1String("Time"))
      *value = time;
    else if (values.contains(name))
      *value = values.value(name);
    else
      return false;
    return true;
  };
  const QPointF origin(source.marginsMm.left(), source.marginsMm.top());
  page->sizeMm = source.sizeMm;

  auto addText = [&](PreparedItem::Kind kind, const QRectF& rect, const QString& text,
                     const TextStyle& style, const QString& url) {
    PreparedItem item;
    item.kind = kind;
    item.rectMm = rect;
    item.text = substitutePlaceholders(text, lookup);
    item.url = url;
    item.style = style;
    item.fontPt = style.shrink ? fittingFontSize(style, rect, item.text) : style.sizePt;
    page->items.append(item);
  };

  for (const TemplateObject& object : source.objects) {
    const QRectF rect = object.rect.translated(origin);
    PreparedItem item;
    item.rectMm = rect;
    item.stroke = object.stroke;
    item.strokeMm = object.strokeMm;
    item.fill = object.fill;
    switch (object.kind) {
      case TemplateObject::Kind::Text:
        addText(PreparedItem::Kind::Text, rect, object.text, object.style, QString());
        break;
      case TemplateObject::Kind::Link:
        addText(PreparedItem::Kind::Link, rect, object.text, object.style, object.url);
        break;
      case TemplateObject::Kind::Line:
        item.kind = PreparedItem::Kind::Line;
        item.lineMm = object.line.translated(origin);
        page->items.append(item);
        break;
      case TemplateObject::Kind::Rect:
        item.kind = PreparedItem::Kind::Rect;
        page->items.append(item);
        break;
      case TemplateObject::Kind::Picture:
        item.kind = PreparedItem::Kind::Picture;
        item.picture = object.name.isEmpty() ? pictureByFile.value(object.file, -1)
                                             : pictureByName.value(object.name, -1);
        page->items.append(item);
        break;
      case TemplateObject::Kind::Table: {
        // Row fills first, the grid over them, the cell texts last.
        QVector<double> rowTops;
        double y = rect.top();
        int dataRow = 0;
        for (const TableRow& row : object.rows) {
          const double height = row.head ? object.headHeightMm : object.rowHeightMm;
          const QColor fill =
              row.head ? object.headFill : (dataRow++ % 2 ? object.stripeFill : QColor());
          if (fill.isValid()) {
            PreparedItem band;
            band.kind = PreparedItem::Kind::Rect;
            band.rectMm = QRectF(rect.left(), y, rect.width(), height);
            band.fill = fill;
            page->items.append(band);
          }
          rowTops.append(y);
          y += height;
        }
        rowTops.append(y);
        if (object.strokeMm > 0) {
          PreparedItem rule;
          rule.kind = PreparedItem::Kind::Line;
          rule.stroke = object.stroke;
          rule.strokeMm = object.strokeMm;
          for (const double top : rowTops) {
            rule.lineMm = QLineF(rect.left(), top, rect.right(), top);
            page->items.append(rule);
          }
          double x = rect.left();
          for (int c = 0; c <= object.columns.size(); ++c) {
            rule.lineMm = QLineF(x, rect.top(), x, y);
            page->items.append(rule);
            if (c < object.columns.size())
              x += object.columns.at(c).widthMm;
          }
        }
        for (int r = 0; r < object.rows.size(); ++r) {
          const TableRow& row = object.rows.at(r);
          double x = rect.left();
          for (int c = 0; c < object.columns.size(); ++c) {
            const TableColumn& column = object.columns.at(c);
            TextStyle style = object.style;
            style.horizontal = column.horizontal;
            style.vertical = Qt::AlignVCenter;
            if (row.head) {
              style.bold = true;
              style.wrap = true;
            }
            const QRectF cell(x + object.paddingMm, rowTops.at(r),
                              qMax(0.0, column.widthMm - 2 * object.paddingMm),
                              rowTops.at(r + 1) - rowTops.at(r));
            addText(PreparedItem::Kind::Text, cell, row.cells.at(c), style, QString());
            x += column.widthMm;
          }
        }
        break;
      }
    }
  }
}

Report::Report() : d(std::make_unique<Private>()) {
  setDefaultExportName(QStringLiteral("report"));
}

Report::~Report() = default;

bool Report::loadTemplate(const QString& path, QString* error) {
  ReportTemplate layout;
  // A template that fails to load leaves no template behind, so a failed load can never
  // end in a preview of the previous report.
  const bool loaded = loadReportTemplate(path, &layout, error);
  d->layout = layout;
  d->loaded = loaded;
  d->values.clear();
  d->expressionErrors.clear();
  d->pictures.clear();
  d->pictureByName.clear();
  d->pictureByFile.clear();
  d->pages.clear();
  for (const TemplatePage& page : layout.pages) {
    for (const TemplateObject& object : page.objects) {
      if (object.kind != TemplateObject::Kind::Picture)
        continue;
      if (!object.name.isEmpty() && !d->pictureByName.contains(object.name)) {
        d->pictureByName.insert(object.name, d->pictures.size());
        d->pictures.append(Picture{object.name, QString(), QImage(), {}});
      } else if (!object.file.isEmpty() && !d->pictureByFile.contains(object.file)) {
        // A fixed picture that cannot be read (a logo missing from an installation) leaves
        // its place empty rather than withholding the whole report.
        d->pictureByFile.insert(object.file, d->pictures.size());
        d->pictures.append(Picture{QString(), object.file, readPicture(object.file, nullptr), {}});
      }
    }
  }
  return loaded;
}

bool Report::hasTemplate() const {
  return d->loaded;
}

QString Report::title() const {
  return d->layout.title;
}

void Report::setVariable(const QString& name, const QString& expression) {
  QString value;
  QString problem;
  if (evaluateExpression(expression, &value, &problem)) {
    d->values.insert(name, value);
    d->expressionErrors.remove(name);
  } else {
    d->values.remove(name);
    d->expressionErrors.insert(name, problem);
  }
}

void Report::setIntegerVariable(const QString& name, int value) {
  d->values.insert(name, QString::number(value));
  d->expressionErrors.remove(name);
}

QString Report::variableValue(const QString& name) const {
  return d->values.value(name);
}

bool Report::loadPicture(const QString& objectName, const QString& file, QString* error) {
  const int index = d->pictureByName.value(objectName, -1);
  if (index < 0) {
    if (error)
      *error = QStringLiteral("the template has no picture object %1").arg(objectName);
    return false;
  }
  Picture& picture = d->pictures[index];
  picture.reduced.clear();
  picture.file = file;
  picture.image = readPicture(file, error);
  return !picture.image.isNull();
}

void Report::setReportTime(const QDateTime& time) {
  d->reportTime = time;
}

bool Report::prepare(QString* error) {
  d->pages.clear();
  if (!d->loaded) {
    if (error)
      *error = QStringLiteral("no report template is loaded");
    return false;
  }
  if (!d->expressionErrors.isEmpty()) {
    if (error)
      *error = QStringLiteral("variable %1: %2")
                   .arg(d->expressionErrors.firstKey(), d->expressionErrors.first());
    return false;
  }
  const QDateTime now = d->reportTime.isValid() ? d->reportTime : QDateTime::currentDateTime();
  const QLocale locale;
  const QString date = locale.toString(now.date(), QLocale::ShortFormat);
  const QString time = locale.toString(now.time(), QLocale::ShortFormat);
  const int total = d->layout.pages.size();
  d->pages.resize(total);
  for (int i = 0; i < total; ++i)
    d->preparePage(d->layout.pages.at(i), i + 1, total, date, time, &d->pages[i]);
  return true;
}

int Report::pageCount() const {
  return d->pages.size();
}

QSizeF Report::pageSizeMm(int page) const {
  return page >= 0 && page < d->pages.size() ? d->pages.at(page).sizeMm : QSizeF();
}

QStringList Report::pageTexts(int page) const {
  QStringList texts;
  if (page < 0 || page >= d->pages.size())
    return texts;
  for (const PreparedItem& item : d->pages.at(page).items) {
    if (item.kind == PreparedItem::Kind::Text || item.kind == PreparedItem::Kind::Link)
      texts.append(item.text);
  }
  return texts;
}

void Report::paintPage(QPainter& painter, int page, const QRectF& target) const {
  if (page >= 0 && page < d->pages.size())
    paintPreparedPage(painter, d->pages.at(page), d->pictures, target);
}

bool Report::print(QPrinter* printer) const {
  if (d->pages.isEmpty())
    return false;
  // Printers have one paper size: every page is scaled to fit it, so a letter page comes
  // out whole on A4 paper and the other way round.
  printer->setFullPage(true);
  QPainter painter;
  if (!painter.begin(printer))
    return false;
  for (int i = 0; i < d->pages.size(); ++i) {
    if (i > 0)
      printer->newPage();
    paintPage(painter, i, QRectF(QPointF(0, 0), printer->paperRect(QPrinter::DevicePixel).size()));
  }
  return painter.end();
}

void Report::setDefaultExportName(const QString& baseName) {
  for (const ExportFormat format : {ExportFormat::Pdf, ExportFormat::Html, ExportFormat::Jpeg})
    setDefaultExportFileName(format, baseName + extension(format));
}

void Report::setDefaultExportFileName(ExportFormat format, const QString& fileName) {
  d->exportNames[int(format)] = fileName;
}

QString Report::defaultExportFileName(ExportFormat format) const {
  return d->exportNames[int(format)];
}

bool Report::exportTo(ExportFormat format, const QString& file, QString* error,
                      QWidget* progressParent) const {
  switch (format) {
    case ExportFormat::Pdf:
      return exportPdf(file, error, progressParent);
    case ExportFormat::Html:
      return exportHtml(file, error, progressParent);
    case ExportFormat::Jpeg:
      return exportJpeg(file, error, progressParent);
  }
  return false;
}

bool Report::exportPdf(const QString& file, QString* error, QWidget* progressParent) const {
  if (d->pages.isEmpty()) {
    if (error)
      *error = QStringLiteral("the report has not been prepared");
    return false;
  }
  ExportProgress progress(progressParent, QObject::tr("Writing the PDF document…"),
                          d->pages.size());
  QPdfWriter writer(file);
  writer.setResolution(kPdfResolution);
  writer.setTitle(d->layout.title);
  writer.setCreator(d->layout.author);
  // Qt writes the author and the subject only through the XMP metadata.
  writer.setDocumentXmpMetadata(xmpMetadata(d->layout.title, d->layout.author, d->layout.subject));
  writer.setPageLayout(pageLayoutMm(d->pages.first().sizeMm));
  QPainter painter;
  if (!painter.begin(&writer)) {
    if (error)
      *error = QStringLiteral("%1 cannot be written").arg(QDir::toNativeSeparators(file));
    return false;
  }
  for (int i = 0; i < d->pages.size(); ++i) {
    const QSizeF sizeMm = d->pages.at(i).sizeMm;
    if (i > 0) {
      writer.setPageLayout(pageLayoutMm(sizeMm));
      writer.newPage();
    }
    const QSizeF pixels = sizeMm / 25.4 * kPdfResolution;
    paintPage(painter, i, QRectF(QPointF(0, 0), pixels));
    progress.setValue(i + 1);
  }
  if (!painter.end()) {
    if (error)
      *error = QStringLiteral("%1 cannot be written").arg(QDir::toNativeSeparators(file));
    return false;
  }
  return true;
}

bool Report::exportHtml(const QString& file, QString* error, QWidget* progressParent) const {
  if (d->pages.isEmpty()) {
    if (error)
      *error = QStringLiteral("the report has not been prepared");
    return false;
  }
  return writeHtml(d->layout.title, d->pages, d->pictures, file, error, progressParent);
}

bool Report::exportJpeg(const QString& file, QString* error, QWidget* progressParent) const {
  if (d->pages.isEmpty()) {
    if (error)
      *error = QStringLiteral("the report has not been prepared");
    return false;
  }
  ExportProgress progress(progressParent, QObject::tr("Writing the JPEG pictures…"),
                          d->pages.size());
  for (int i = 0; i < d->pages.size(); ++i) {
    const QSizeF pixels = d->pages.at(i).sizeMm / 25.4 * kJpegResolution;
    QImage image(pixels.toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(kJpegResolution / 0.0254));
    image.setDotsPerMeterY(qRound(kJpegResolution / 0.0254));
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      paintPage(painter, i, QRectF(image.rect()));
    }
    const QString name = jpegPageFileName(file, i + 1);
    QImageWriter writer(name, "jpeg");
    writer.setQuality(kJpegQuality);
    if (!writer.write(image)) {
      if (error)
        *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(name), writer.errorString());
      return false;
    }
    progress.setValue(i + 1);
  }
  return true;
}

QString Report::jpegPageFileName(const QString& file, int page) {
  if (page <= 1)
    return file;
  const QFileInfo info(file);
  QString name = info.completeBaseName() + QLatin1Char('_') + QString::number(page);
  if (!info.suffix().isEmpty())
    name += QLatin1Char('.') + info.suffix();
  const int slash = file.lastIndexOf(QLatin1Char('/'));
  return slash < 0 ? name : file.left(slash + 1) + name;
}

QString Report::extension(ExportFormat format) {
  switch (format) {
    case ExportFormat::Pdf:
      return QStringLiteral(".pdf");
    case ExportFormat::Html:
      return QStringLiteral(".html");
    case ExportFormat::Jpeg:
      return QStringLiteral(".jpg");
  }
  return QString();
}

QString Report::fileFilter(ExportFormat format) {
  switch (format) {
    case ExportFormat::Pdf:
      return QObject::tr("PDF document (*.pdf)");
    case ExportFormat::Html:
      return QObject::tr("HTML page (*.html *.htm)");
    case ExportFormat::Jpeg:
      return QObject::tr("JPEG pictures (*.jpg *.jpeg)");
  }
  return QString();
}

}  // namespace reports::engine
