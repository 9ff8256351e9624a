#pragma once

#include <QColor>
#include <QLineF>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>

namespace reports::engine {

// How a text is set: the font, its colour and its place in the object's box.
struct TextStyle {
  QString family = QStringLiteral("DejaVu Sans");
  double sizePt = 10.0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  QColor color = QColor(0x20, 0x20, 0x20);
  Qt::Alignment horizontal = Qt::AlignLeft;
  Qt::Alignment vertical = Qt::AlignTop;
  bool wrap = false;
  // Lets a text that does not fit its box use a smaller font instead of being cut off.
  bool shrink = false;
};

struct TableColumn {
  double widthMm = 0;
  Qt::Alignment horizontal = Qt::AlignLeft;
};

struct TableRow {
  bool head = false;
  QStringList cells;
};

// One object of a template page. Geometry is in millimetres from the top left corner of
// the page's printable area (inside its margins).
struct TemplateObject {
  enum class Kind { Text, Link, Line, Rect, Picture, Table };

  Kind kind = Kind::Text;
  QRectF rect;
  QLineF line;
  QString text;  // text, link and the placeholders in them
  QString url;   // link
  TextStyle style;
  QColor stroke = QColor(0x20, 0x20, 0x20);
  double strokeMm = 0;  // 0: no outline
  QColor fill;          // invalid: no fill
  QString name;         // picture filled by the program
  QString file;         // fixed picture, an absolute path once loaded
  // Tables: rows are stacked from `rect.top()`; `rect.width()` is the sum of the columns.
  QVector<TableColumn> columns;
  QVector<TableRow> rows;
  double rowHeightMm = 6;
  double headHeightMm = 6;
  double paddingMm = 1;
  QColor headFill;
  QColor stripeFill;
};

struct TemplatePage {
  QSizeF sizeMm;
  QMarginsF marginsMm;
  QVector<TemplateObject> objects;
};

struct ReportTemplate {
  QString title;
  QString author;
  QString subject;
  QVector<TemplatePage> pages;
};

// Reads a template file. Relative picture files are resolved against the template's
// folder. On failure `error` names the line and what is wrong with it.
bool loadReportTemplate(const QString& path, ReportTemplate* result, QString* error);

}  // namespace reports::engine
