#pragma once

#include <QDialog>

#include <functional>
#include <memory>

#include "reports/engine/report.h"

class QComboBox;
class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;

namespace reports::engine {

// The modal preview of a prepared report, with exactly four controls: print, export (PDF,
// HTML or JPEG under a chosen name), zoom, and quick export (PDF under the default name in
// the quick export folder). It starts at 100 %.
class PreviewDialog : public QDialog {
  Q_OBJECT

 public:
  // The dialogs the preview opens. Any function left empty uses the Qt dialog; tests fill
  // them in so that nothing waits for a modal window.
  struct Callbacks {
    // Asks where to save an export; an empty answer means the user cancelled.
    std::function<QString(QWidget* parent, const QString& title, const QString& proposedPath,
                          const QString& filter)>
        saveFileName;
    // Lets the user confirm (and adjust) printing on `printer`, the default printer at first.
    std::function<bool(QWidget* parent, QPrinter* printer)> confirmPrint;
    // Tells the user that something failed.
    std::function<void(QWidget* parent, const QString& title, const QString& text)> showError;
  };

  // The report must be prepared and must outlive the dialog.
  explicit PreviewDialog(const Report& report, QWidget* parent = nullptr);
  ~PreviewDialog() override;

  void setCallbacks(const Callbacks& callbacks);

  // Where quick export writes; by default the user's Documents folder, or the home folder
  // when there is none.
  void setQuickExportFolder(const QString& folder);
  QString quickExportFolder() const;
  static QString defaultQuickExportFolder();

  QPrintPreviewWidget* previewWidget() const { return preview_; }
  double zoomFactor() const;

 public slots:
  // Asks for a file name (proposing the report's default name) and exports to it.
  bool exportReport(reports::engine::ExportFormat format);
  // Exports the PDF under its default name into the quick export folder; returns the file
  // written, or an empty string when that failed.
  QString quickExport();
  bool printReport();
  void setZoomFactor(double factor);
  void zoomIn();
  void zoomOut();

 signals:
  void exported(const QString& file);

 private:
  void paintPreview(QPrinter* printer);
  void updatePageLabel();
  void showError(const QString& text);

  const Report& report_;
  Callbacks callbacks_;
  std::unique_ptr<QPrinter> previewPrinter_;
  QPrintPreviewWidget* preview_ = nullptr;
  QPushButton* printButton_ = nullptr;
  QPushButton* exportButton_ = nullptr;
  QComboBox* zoomBox_ = nullptr;
  QPushButton* quickExportButton_ = nullptr;
  QLabel* pageLabel_ = nullptr;
  QLabel* statusLabel_ = nullptr;
  QString quickExportFolder_;
  QString exportFolder_;
};

}  // namespace reports::engine
