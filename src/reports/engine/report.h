#pragma once

#include <QDateTime>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;
class QPrinter;
class QWidget;

namespace reports::engine {

enum class ExportFormat { Pdf, Html, Jpeg };

// A report: a template filled with variables and pictures, prepared into pages that can be
// painted, printed and exported. Use it in this order: loadTemplate, setVariable /
// setIntegerVariable / loadPicture, prepare, then show or export the prepared pages.
class Report {
 public:
  Report();
  ~Report();
  Report(const Report&) = delete;
  Report& operator=(const Report&) = delete;

  // Loads a template file. The variables, pictures and prepared pages of an earlier
  // template are forgotten, also when loading fails (hasTemplate() is then false); the
  // default export names and the report time are kept.
  bool loadTemplate(const QString& path, QString* error = nullptr);
  bool hasTemplate() const;
  // The document title the template gives (used for the PDF title and the HTML title).
  QString title() const;

  // Sets a variable from an engine expression: 'text' in single quotes, or plain digits.
  // An invalid expression makes prepare() fail with a message naming the variable.
  void setVariable(const QString& name, const QString& expression);
  // Sets a variable to a whole number without going through an expression.
  void setIntegerVariable(const QString& name, int value);
  // The value a variable has (empty when it is unset or its expression is invalid).
  QString variableValue(const QString& name) const;

  // Fills the picture object of that name from a picture file. Returns false, and leaves the
  // object empty (it then draws nothing), when the template has no such object or the file
  // is missing or not a picture; the caller decides whether that matters.
  bool loadPicture(const QString& objectName, const QString& file, QString* error = nullptr);

  // The time the [Date] and [Time] placeholders show; unset means the time prepare() runs.
  void setReportTime(const QDateTime& time);

  // Discards any earlier prepared pages and lays the template out afresh with the current
  // variables and pictures.
  bool prepare(QString* error = nullptr);
  int pageCount() const;
  QSizeF pageSizeMm(int page) const;
  // The texts of a prepared page in drawing order, placeholders filled in; for reading a
  // page out (screen readers, tests) without rendering it.
  QStringList pageTexts(int page) const;

  // Paints a prepared page (0-based) into `target`, in the painter's coordinates, keeping the
  // page's proportions. The preview, printing and every export paint through this.
  void paintPage(QPainter& painter, int page, const QRectF& target) const;
  // Paints every prepared page onto a printer, each scaled to fit the printer's paper.
  bool print(QPrinter* printer) const;

  // The file name (without folder and extension) the exports offer; each export adds its
  // own extension. setDefaultExportFileName overrides one export's full file name.
  void setDefaultExportName(const QString& baseName);
  void setDefaultExportFileName(ExportFormat format, const QString& fileName);
  QString defaultExportFileName(ExportFormat format) const;

  // Exports write over an existing file without asking. With a progress parent, a modal
  // progress window is shown while the pages are written.
  bool exportTo(ExportFormat format, const QString& file, QString* error = nullptr,
                QWidget* progressParent = nullptr) const;
  bool exportPdf(const QString& file, QString* error = nullptr,
                 QWidget* progressParent = nullptr) const;
  // One HTML file with every page; pictures go as PNG files into "<basename>_files" beside it.
  bool exportHtml(const QString& file, QString* error = nullptr,
                  QWidget* progressParent = nullptr) const;
  // One JPEG file a page: page 1 is written to `file`, page n to jpegPageFileName(file, n).
  bool exportJpeg(const QString& file, QString* error = nullptr,
                  QWidget* progressParent = nullptr) const;

  // The JPEG file of page n (1-based): "name.jpg" for page 1, "name_2.jpg" for page 2...
  static QString jpegPageFileName(const QString& file, int page);
  static QString extension(ExportFormat format);
  // A file dialog filter for the format, e.g. "PDF document (*.pdf)".
  static QString fileFilter(ExportFormat format);

  struct Private;

 private:
  std::unique_ptr<Private> d;
};

}  // namespace reports::engine
