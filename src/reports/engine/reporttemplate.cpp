#include "reports/engine/reporttemplate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QXmlStreamReader>

namespace reports::engine {

namespace {

const QStringList kStyleAttributes = {QStringLiteral("font"),      QStringLiteral("size"),
                                      QStringLiteral("bold"),      QStringLiteral("italic"),
                                      QStringLiteral("underline"), QStringLiteral("color"),
                                      QStringLiteral("align"),     QStringLiteral("valign"),
                                      QStringLiteral("wrap"),      QStringLiteral("shrink")};

// Reads one template. Every problem stops the reading with the line it was found on, so a
// template author sees a typo at once instead of a silently missing object.
class TemplateReader {
 public:
  TemplateReader(QIODevice* device, const QString& folder) : xml_(device), folder_(folder) {}

  bool read(ReportTemplate* result, QString* error);

 private:
  bool fail(const QString& message);
  bool checkAttributes(const QStringList& allowed, bool withStyle);
  bool number(const QString& attribute, double* value, bool required, double minimum = -1e6);
  bool boolean(const QString& attribute, bool* value);
  bool color(const QString& attribute, QColor* value);
  bool horizontal(const QString& attribute, Qt::Alignment* value);
  bool geometry(QRectF* rect);
  // Applies the style named by `style` (or the default style) and then the element's own
  // style attributes on top.
  bool styleOf(TextStyle* style);
  bool styleAttributes(TextStyle* style);

  bool readStyle();
  bool readPage(TemplatePage* page);
  bool readText(TemplateObject* object, bool link);
  bool readLine(TemplateObject* object);
  bool readRect(TemplateObject* object);
  bool readPicture(TemplateObject* object);
  bool readTable(TemplateObject* object);
  bool readPageSize(const QString& text, QSizeF* size);
  bool readMargins(const QString& text, QMarginsF* margins);

  QXmlStreamReader xml_;
  QString folder_;
  QString error_;
  QHash<QString, TextStyle> styles_;
};

bool TemplateReader::fail(const QString& message) {
  if (error_.isEmpty())
    error_ = QStringLiteral("line %1: %2").arg(xml_.lineNumber()).arg(message);
  return false;
}

bool TemplateReader::checkAttributes(const QStringList& allowed, bool withStyle) {
  for (const QXmlStreamAttribute& attribute : xml_.attributes()) {
    const QString name = attribute.name().toString();
    if (allowed.contains(name))
      continue;
    if (withStyle && (name == QLatin1String("style") || kStyleAttributes.contains(name)))
      continue;
    return fail(QStringLiteral("<%1> has no attribute \"%2\"").arg(xml_.name(), name));
  }
  return true;
}

bool TemplateReader::number(const QString& attribute, double* value, bool required,
                            double minimum) {
  const QStringView text = xml_.attributes().value(attribute);
  if (text.isEmpty()) {
    if (required)
      return fail(QStringLiteral("<%1> needs the attribute \"%2\"").arg(xml_.name(), attribute));
    return true;
  }
  bool ok = false;
  const double parsed = text.toDouble(&ok);
  if (!ok || parsed < minimum)
    return fail(QStringLiteral("\"%1\" is not a valid %2").arg(text, attribute));
  *value = parsed;
  return true;
}

bool TemplateReader::boolean(const QString& attribute, bool* value) {
  const QStringView text = xml_.attributes().value(attribute);
  if (text.isEmpty())
    return true;
  if (text == QLatin1String("true")) {
    *value = true;
  } else if (text == QLatin1String("false")) {
    *value = false;
  } else {
    return fail(QStringLiteral("%1 must be true or false, not \"%2\"").arg(attribute, text));
  }
  return true;
}

bool TemplateReader::color(const QString& attribute, QColor* value) {
  const QStringView text = xml_.attributes().value(attribute);
  if (text.isEmpty())
    return true;
  const QColor parsed = QColor::fromString(text);
  if (!parsed.isValid())
    return fail(QStringLiteral("\"%1\" is not a colour").arg(text));
  *value = parsed;
  return true;
}

bool TemplateReader::horizontal(const QString& attribute, Qt::Alignment* value) {
  const QStringView text = xml_.attributes().value(attribute);
  if (text.isEmpty())
    return true;
  if (text == QLatin1String("left"))
    *value = Qt::AlignLeft;
  else if (text == QLatin1String("center"))
    *value = Qt::AlignHCenter;
  else if (text == QLatin1String("right"))
    *value = Qt::AlignRight;
  else
    return fail(QStringLiteral("align must be left, center or right, not \"%1\"").arg(text));
  return true;
}

bool TemplateReader::geometry(QRectF* rect) {
  double x = 0;
  double y = 0;
  double w = 0;
  double h = 0;
  if (!number(QStringLiteral("x"), &x, true) || !number(QStringLiteral("y"), &y, true) ||
      !number(QStringLiteral("w"), &w, true, 0) || !number(QStringLiteral("h"), &h, true, 0))
    return false;
  *rect = QRectF(x, y, w, h);
  return true;
}

bool TemplateReader::styleAttributes(TextStyle* style) {
  const QXmlStreamAttributes attributes = xml_.attributes();
  if (attributes.hasAttribute(QLatin1String("font")))
    style->family = attributes.value(QLatin1String("font")).toString();
  if (!number(QStringLiteral("size"), &style->sizePt, false, 1) ||
      !boolean(QStringLiteral("bold"), &style->bold) ||
      !boolean(QStringLiteral("italic"), &style->italic) ||
      !boolean(QStringLiteral("underline"), &style->underline) ||
      !color(QStringLiteral("color"), &style->color) ||
      !horizontal(QStringLiteral("align"), &style->horizontal) ||
      !boolean(QStringLiteral("wrap"), &style->wrap) ||
      !boolean(QStringLiteral("shrink"), &style->shrink))
    return false;
  const QStringView valign = attributes.value(QLatin1String("valign"));
  if (valign == QLatin1String("top"))
    style->vertical = Qt::AlignTop;
  else if (valign == QLatin1String("middle"))
    style->vertical = Qt::AlignVCenter;
  else if (valign == QLatin1String("bottom"))
    style->vertical = Qt::AlignBottom;
  else if (!valign.isEmpty())
    return fail(QStringLiteral("valign must be top, middle or bottom, not \"%1\"").arg(valign));
  return true;
}

bool TemplateReader::styleOf(TextStyle* style) {
  *style = styles_.value(QStringLiteral("default"));
  const QString named = xml_.attributes().value(QLatin1String("style")).toString();
  if (!named.isEmpty()) {
    if (!styles_.contains(named))
      return fail(QStringLiteral("no style is named \"%1\"").arg(named));
    *style = styles_.value(named);
  }
  return styleAttributes(style);
}

bool TemplateReader::readStyle() {
  if (!checkAttributes({QStringLiteral("name")}, true))
    return false;
  const QString name = xml_.attributes().value(QLatin1String("name")).toString();
  if (name.isEmpty())
    return fail(QStringLiteral("<style> needs a name"));
  // A named style builds on the default style, so a template sets its font only once.
  TextStyle style = styles_.value(QStringLiteral("default"));
  if (!styleAttributes(&style))
    return false;
  styles_.insert(name, style);
  xml_.skipCurrentElement();
  return true;
}

bool TemplateReader::readPageSize(const QString& text, QSizeF* size) {
  if (text.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0) {
    *size = QSizeF(210.0, 297.0);
    return true;
  }
  if (text.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0) {
    *size = QSizeF(215.9, 279.4);
    return true;
  }
  const QStringList parts = text.split(QLatin1Char('x'));
  bool okW = false;
  bool okH = false;
  if (parts.size() == 2) {
    const double w = parts.at(0).trimmed().toDouble(&okW);
    const double h = parts.at(1).trimmed().toDouble(&okH);
    if (okW && okH && w > 0 && h > 0) {
      *size = QSizeF(w, h);
      return true;
    }
  }
  return fail(
      QStringLiteral("page size must be A4, letter or WIDTHxHEIGHT in mm, not \"%1\"").arg(text));
}

bool TemplateReader::readMargins(const QString& text, QMarginsF* margins) {
  const QStringList parts = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  QVector<double> values;
  for (const QString& part : parts) {
    bool ok = false;
    const double value = part.toDouble(&ok);
    if (!ok || value < 0)
      return fail(QStringLiteral("\"%1\" is not a margin").arg(part));
    values.append(value);
  }
  if (values.size() == 1) {
    *margins = QMarginsF(values[0], values[0], values[0], values[0]);
  } else if (values.size() == 4) {
    *margins = QMarginsF(values[0], values[1], values[2], values[3]);
  } else {
    return fail(QStringLiteral("margins take one value or four (left top right bottom)"));
  }
  return true;
}

bool TemplateReader::readText(TemplateObject* object, bool link) {
  QStringList allowed = {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("w"),
                         QStringLiteral("h")};
  if (link)
    allowed << QStringLiteral("url");
  if (!checkAttributes(allowed, true))
    return false;
  object->kind = link ? TemplateObject::Kind::Link : TemplateObject::Kind::Text;
  if (!geometry(&object->rect) || !styleOf(&object->style))
    return false;
  if (link) {
    object->url = xml_.attributes().value(QLatin1String("url")).toString();
    if (object->url.isEmpty())
      return fail(QStringLiteral("<link> needs a url"));
  }
  object->text = xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
  return !xml_.hasError();
}

bool TemplateReader::readLine(TemplateObject* object) {
  if (!checkAttributes({QStringLiteral("x1"), QStringLiteral("y1"), QStringLiteral("x2"),
                        QStringLiteral("y2"), QStringLiteral("width"), QStringLiteral("color")},
                       false))
    return false;
  object->kind = TemplateObject::Kind::Line;
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
  object->strokeMm = 0.3;
  if (!number(QStringLiteral("x1"), &x1, true) || !number(QStringLiteral("y1"), &y1, true) ||
      !number(QStringLiteral("x2"), &x2, true) || !number(QStringLiteral("y2"), &y2, true) ||
      !number(QStringLiteral("width"), &object->strokeMm, false, 0) ||
      !color(QStringLiteral("color"), &object->stroke))
    return false;
  object->line = QLineF(x1, y1, x2, y2);
  xml_.skipCurrentElement();
  return true;
}

bool TemplateReader::readRect(TemplateObject* object) {
  if (!checkAttributes(
          {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("w"), QStringLiteral("h"),
           QStringLiteral("fill"), QStringLiteral("border-width"), QStringLiteral("border-color")},
          false))
    return false;
  object->kind = TemplateObject::Kind::Rect;
  if (!geometry(&object->rect) || !color(QStringLiteral("fill"), &object->fill) ||
      !number(QStringLiteral("border-width"), &object->strokeMm, false, 0) ||
      !color(QStringLiteral("border-color"), &object->stroke))
    return false;
  xml_.skipCurrentElement();
  return true;
}

bool TemplateReader::readPicture(TemplateObject* object) {
  if (!checkAttributes({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("w"),
                        QStringLiteral("h"), QStringLiteral("name"), QStringLiteral("file"),
                        QStringLiteral("border-width"), QStringLiteral("border-color")},
                       false))
    return false;
  object->kind = TemplateObject::Kind::Picture;
  if (!geometry(&object->rect) ||
      !number(QStringLiteral("border-width"), &object->strokeMm, false, 0) ||
      !color(QStringLiteral("border-color"), &object->stroke))
    return false;
  object->name = xml_.attributes().value(QLatin1String("name")).toString();
  const QString file = xml_.attributes().value(QLatin1String("file")).toString();
  if (object->name.isEmpty() == file.isEmpty())
    return fail(QStringLiteral("<picture> needs either a name or a file"));
  if (!file.isEmpty())
    object->file = QDir::cleanPath(QDir(folder_).absoluteFilePath(file));
  xml_.skipCurrentElement();
  return true;
}

bool TemplateReader::readTable(TemplateObject* object) {
  if (!checkAttributes({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("row-height"),
                        QStringLiteral("head-height"), QStringLiteral("padding"),
                        QStringLiteral("head-fill"), QStringLiteral("stripe-fill"),
                        QStringLiteral("border-width"), QStringLiteral("border-color")},
                       true))
    return false;
  object->kind = TemplateObject::Kind::Table;
  double x = 0;
  double y = 0;
  object->strokeMm = 0.2;
  if (!number(QStringLiteral("x"), &x, true) || !number(QStringLiteral("y"), &y, true) ||
      !number(QStringLiteral("row-height"), &object->rowHeightMm, true, 1) ||
      !number(QStringLiteral("head-height"), &object->headHeightMm, false, 1) ||
      !number(QStringLiteral("padding"), &object->paddingMm, false, 0) ||
      !color(QStringLiteral("head-fill"), &object->headFill) ||
      !color(QStringLiteral("stripe-fill"), &object->stripeFill) ||
      !number(QStringLiteral("border-width"), &object->strokeMm, false, 0) ||
      !color(QStringLiteral("border-color"), &object->stroke) || !styleOf(&object->style))
    return false;
  if (!xml_.attributes().hasAttribute(QLatin1String("head-height")))
    object->headHeightMm = object->rowHeightMm;

  double width = 0;
  double height = 0;
  while (xml_.readNextStartElement()) {
    if (xml_.name() == QLatin1String("column")) {
      if (!object->rows.isEmpty())
        return fail(QStringLiteral("columns come before the rows"));
      if (!checkAttributes({QStringLiteral("width"), QStringLiteral("align")}, false))
        return false;
      TableColumn column;
      column.horizontal = object->style.horizontal;
      if (!number(QStringLiteral("width"), &column.widthMm, true, 0) ||
          !horizontal(QStringLiteral("align"), &column.horizontal))
        return false;
      width += column.widthMm;
      object->columns.append(column);
      xml_.skipCurrentElement();
    } else if (xml_.name() == QLatin1String("row")) {
      if (!checkAttributes({QStringLiteral("head")}, false))
        return false;
      TableRow row;
      if (!boolean(QStringLiteral("head"), &row.head))
        return false;
      while (xml_.readNextStartElement()) {
        if (xml_.name() != QLatin1String("cell"))
          return fail(QStringLiteral("a <row> holds only <cell> elements"));
        if (!checkAttributes({}, false))
          return false;
        row.cells.append(xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement));
      }
      if (xml_.hasError())
        return false;
      if (row.cells.size() != object->columns.size())
        return fail(QStringLiteral("the row has %1 cells for %2 columns")
                        .arg(row.cells.size())
                        .arg(object->columns.size()));
      height += row.head ? object->headHeightMm : object->rowHeightMm;
      object->rows.append(row);
    } else {
      return fail(QStringLiteral("a <table> holds <column> and <row>, not <%1>").arg(xml_.name()));
    }
  }
  if (object->columns.isEmpty())
    return fail(QStringLiteral("the table has no columns"));
  object->rect = QRectF(x, y, width, height);
  return !xml_.hasError();
}

bool TemplateReader::readPage(TemplatePage* page) {
  if (!checkAttributes({QStringLiteral("size"), QStringLiteral("margins")}, false))
    return false;
  const QXmlStreamAttributes attributes = xml_.attributes();
  if (!readPageSize(attributes.value(QLatin1String("size")).toString(), &page->sizeMm))
    return false;
  if (attributes.hasAttribute(QLatin1String("margins")) &&
      !readMargins(attributes.value(QLatin1String("margins")).toString(), &page->marginsMm))
    return false;

  while (xml_.readNextStartElement()) {
    TemplateObject object;
    const QStringView name = xml_.name();
    bool ok = false;
    if (name == QLatin1String("text"))
      ok = readText(&object, false);
    else if (name == QLatin1String("link"))
      ok = readText(&object, true);
    else if (name == QLatin1String("line"))
      ok = readLine(&object);
    else if (name == QLatin1String("rect"))
      ok = readRect(&object);
    else if (name == QLatin1String("picture"))
      ok = readPicture(&object);
    else if (name == QLatin1String("table"))
      ok = readTable(&object);
    else
      return fail(QStringLiteral("a page holds no <%1>").arg(name));
    if (!ok)
      return false;
    page->objects.append(object);
  }
  return !xml_.hasError();
}

bool TemplateReader::read(ReportTemplate* result, QString* error) {
  styles_.insert(QStringLiteral("default"), TextStyle());
  bool ok = xml_.readNextStartElement() && xml_.name() == QLatin1String("report");
  if (!ok && !xml_.hasError())
    fail(QStringLiteral("the file is not a report template"));
  if (ok && xml_.attributes().value(QLatin1String("version")) != QLatin1String("1"))
    ok = fail(QStringLiteral("the template is not of version 1"));
  if (ok)
    ok = checkAttributes({QStringLiteral("version"), QStringLiteral("title"),
                          QStringLiteral("author"), QStringLiteral("subject")},
                         false);
  if (ok) {
    const QXmlStreamAttributes attributes = xml_.attributes();
    result->title = attributes.value(QLatin1String("title")).toString();
    result->author = attributes.value(QLatin1String("author")).toString();
    result->subject = attributes.value(QLatin1String("subject")).toString();
  }
  while (ok && xml_.readNextStartElement()) {
    if (xml_.name() == QLatin1String("style")) {
      ok = readStyle();
    } else if (xml_.name() == QLatin1String("page")) {
      TemplatePage page;
      ok = readPage(&page);
      result->pages.append(page);
    } else {
      ok = fail(QStringLiteral("a report holds <style> and <page>, not <%1>").arg(xml_.name()));
    }
  }
  if (xml_.hasError())
    ok = fail(xml_.errorString());
  if (ok && result->pages.isEmpty())
    ok = fail(QStringLiteral("the template has no page"));
  if (!ok && error)
    *error = error_;
  return ok;
}

}  // namespace

bool loadReportTemplate(const QString& path, ReportTemplate* result, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error)
      *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
  }
  ReportTemplate loaded;
  TemplateReader reader(&file, QFileInfo(path).absolutePath());
  QString problem;
  if (!reader.read(&loaded, &problem)) {
    if (error)
      *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), problem);
    return false;
  }
  *result = loaded;
  return true;
}

}  // namespace reports::engine
