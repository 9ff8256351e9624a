#pragma once

// Inside the engine: the prepared pages and the pieces the painter and the exports share.

#include <QDateTime>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QMap>
#include <QPointer>
#include <QVector>

#include <memory>

#include "reports/engine/report.h"
#include "reports/engine/reporttemplate.h"

class QProgressDialog;

namespace reports::engine {

// Painting works in hundredths of a millimetre, so that fonts are laid out at a large size
// and the same page looks alike on screen, paper, PDF and JPEG.
constexpr double kUnitsPerMm = 100.0;

// A picture of the report: a named picture object or a fixed picture file of the template.
struct Picture {
  QString name;  // object name; empty for a fixed picture
  QString file;  // fixed picture file
  QImage image;  // null: the object draws nothing
  // Smoothly reduced copies by device size, so that repainting a zoomed preview or writing
  // JPEG pages does not scale the same picture again and again.
  mutable QHash<quint64, QImage> reduced;

  QImage reducedTo(const QSize& size) const;
};

struct PreparedItem {
  enum class Kind { Text, Link, Line, Rect, Picture };

  Kind kind = Kind::Text;
  QRectF rectMm;  // absolute on the page
  QLineF lineMm;
  QString text;
  QString url;
  TextStyle style;
  double fontPt = 10;  // the style's size, or less after shrinking to fit
  QColor stroke;
  double strokeMm = 0;
  QColor fill;
  int picture = -1;
};

struct PreparedPage {
  QSizeF sizeMm;
  QVector<PreparedItem> items;
};

// The font of a text in painting units.
QFont reportFont(const TextStyle& style, double sizePt);
int textFlags(const TextStyle& style);
// Where a picture of that size goes inside its box: as large as fits, proportions kept, centred.
QRectF fittedPictureRect(const QRectF& box, const QSize& imageSize);
void paintPreparedPage(QPainter& painter, const PreparedPage& page,
                       const QVector<Picture>& pictures, const QRectF& target);

// A modal progress window for an export, shown only when there is a parent to show it over.
class ExportProgress {
 public:
  ExportProgress(QWidget* parent, const QString& label, int steps);
  ~ExportProgress();
  void setValue(int step);

 private:
  std::unique_ptr<QProgressDialog> dialog_;
};

bool writeHtml(const QString& title, const QVector<PreparedPage>& pages,
               const QVector<Picture>& pictures, const QString& file, QString* error,
               QWidget* progressParent);

struct Report::Private {
  ReportTemplate layout;
  bool loaded = false;
  QHash<QString, QString> values;
  QMap<QString, QString> expressionErrors;
  QVector<Picture> pictures;
  QHash<QString, int> pictureByName;
  QHash<QString, int> pictureByFile;
  QDateTime reportTime;
  QVector<PreparedPage> pages;
  QString exportNames[3];

  void preparePage(const TemplatePage& source, int number, int total, const QString& date,
                   const QString& time, PreparedPage* page) const;
};

}  // namespace reports::engine
