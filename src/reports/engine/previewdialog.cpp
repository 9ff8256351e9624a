#include "reports/engine/previewdialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace reports::engine {

namespace {

const double kZoomSteps[] = {0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};

QString formatName(ExportFormat format) {
  switch (format) {
    case ExportFormat::Pdf:
      return PreviewDialog::tr("PDF document");
    case ExportFormat::Html:
      return PreviewDialog::tr("HTML page");
    case ExportFormat::Jpeg:
      return PreviewDialog::tr("JPEG pictures");
  }
  return QString();
}

}  // namespace

PreviewDialog::PreviewDialog(const Report& report, QWidget* parent)
    : QDialog(parent),
      report_(report),
      previewPrinter_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      quickExportFolder_(defaultQuickExportFolder()),
      exportFolder_(quickExportFolder_) {
  setObjectName(QStringLiteral("reportPreview"));
  setWindowTitle(report.title().isEmpty() ? tr("Report preview")
                                          : tr("%1 – preview").arg(report.title()));
  setAccessibleName(windowTitle());
  setModal(true);
  setSizeGripEnabled(true);

  previewPrinter_->setFullPage(true);
  preview_ = new QPrintPreviewWidget(previewPrinter_.get(), this);
  preview_->setObjectName(QStringLiteral("previewPages"));
  preview_->setAccessibleName(tr("Report pages"));
  preview_->setFocusPolicy(Qt::StrongFocus);
  // The pages are a scrolling view inside the preview widget: let it take the keyboard
  // focus, so the arrow and page keys scroll through the report.
  if (auto* view = preview_->findChild<QGraphicsView*>()) {
    view->setFocusPolicy(Qt::StrongFocus);
    view->setAccessibleName(tr("Report pages"));
    preview_->setFocusProxy(view);
  }
  connect(preview_, &QPrintPreviewWidget::paintRequested, this, &PreviewDialog::paintPreview);
  connect(preview_, &QPrintPreviewWidget::previewChanged, this, &PreviewDialog::updatePageLabel);

  printButton_ = new QPushButton(tr("&Print…"), this);
  printButton_->setObjectName(QStringLiteral("printButton"));
  printButton_->setAccessibleName(tr("Print"));
  printButton_->setAccessibleDescription(tr("Prints the report on the default printer"));
  connect(printButton_, &QPushButton::clicked, this, &PreviewDialog::printReport);

  exportButton_ = new QPushButton(tr("&Export"), this);
  exportButton_->setObjectName(QStringLiteral("exportButton"));
  exportButton_->setAccessibleName(tr("Export"));
  exportButton_->setAccessibleDescription(tr("Saves the report as PDF, HTML or JPEG"));
  auto* exportMenu = new QMenu(exportButton_);
  exportMenu->setObjectName(QStringLiteral("exportMenu"));
  exportMenu->setAccessibleName(tr("Export formats"));
  for (const ExportFormat format : {ExportFormat::Pdf, ExportFormat::Html, ExportFormat::Jpeg}) {
    QAction* action = exportMenu->addAction(formatName(format) + QStringLiteral("…"));
    connect(action, &QAction::triggered, this, [this, format] { exportReport(format); });
  }
  exportButton_->setMenu(exportMenu);

  auto* zoomLabel = new QLabel(tr("&Zoom:"), this);
  zoomBox_ = new QComboBox(this);
  zoomBox_->setObjectName(QStringLiteral("zoomBox"));
  zoomBox_->setAccessibleName(tr("Zoom"));
  for (const double step : kZoomSteps)
    zoomBox_->addItem(QStringLiteral("%1 %").arg(qRound(step * 100)), step);
  zoomLabel->setBuddy(zoomBox_);
  connect(zoomBox_, &QComboBox::activated, this,
          [this](int index) { setZoomFactor(zoomBox_->itemData(index).toDouble()); });

  quickExportButton_ = new QPushButton(tr("&Quick export"), this);
  quickExportButton_->setObjectName(QStringLiteral("quickExportButton"));
  quickExportButton_->setAccessibleName(tr("Quick export"));
  quickExportButton_->setAccessibleDescription(
      tr("Saves the report as a PDF document in your Documents folder"));
  connect(quickExportButton_, &QPushButton::clicked, this, &PreviewDialog::quickExport);

  // Enter in the zoom box must not press a button.
  for (QPushButton* button : {printButton_, exportButton_, quickExportButton_}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }

  pageLabel_ = new QLabel(this);
  pageLabel_->setObjectName(QStringLiteral("pageLabel"));
  statusLabel_ = new QLabel(this);
  statusLabel_->setObjectName(QStringLiteral("statusLabel"));
  statusLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* bar = new QHBoxLayout;
  bar->addWidget(printButton_);
  bar->addWidget(exportButton_);
  bar->addSpacing(12);
  bar->addWidget(zoomLabel);
  bar->addWidget(zoomBox_);
  bar->addSpacing(12);
  bar->addWidget(quickExportButton_);
  bar->addStretch(1);
  bar->addWidget(pageLabel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(preview_, 1);
  layout->addWidget(statusLabel_);

  setTabOrder(preview_, printButton_);
  setTabOrder(printButton_, exportButton_);
  setTabOrder(exportButton_, zoomBox_);
  setTabOrder(zoomBox_, quickExportButton_);

  auto* in = new QShortcut(QKeySequence::ZoomIn, this);
  connect(in, &QShortcut::activated, this, &PreviewDialog::zoomIn);
  auto* out = new QShortcut(QKeySequence::ZoomOut, this);
  connect(out, &QShortcut::activated, this, &PreviewDialog::zoomOut);

  setZoomFactor(1.0);
  preview_->setFocus();
  resize(980, 860);
}

PreviewDialog::~PreviewDialog() = default;

void PreviewDialog::setCallbacks(const Callbacks& callbacks) {
  callbacks_ = callbacks;
}

void PreviewDialog::setQuickExportFolder(const QString& folder) {
  quickExportFolder_ = folder;
  exportFolder_ = folder;
}

QString PreviewDialog::quickExportFolder() const {
  return quickExportFolder_;
}

QString PreviewDialog::defaultQuickExportFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir())
    return documents;
  return QDir::homePath();
}

double PreviewDialog::zoomFactor() const {
  return preview_->zoomFactor();
}

void PreviewDialog::setZoomFactor(double factor) {
  preview_->setZoomMode(QPrintPreviewWidget::CustomZoom);
  preview_->setZoomFactor(factor);
  int nearest = 0;
  for (int i = 0; i < zoomBox_->count(); ++i) {
    if (qAbs(zoomBox_->itemData(i).toDouble() - factor) <
        qAbs(zoomBox_->itemData(nearest).toDouble() - factor))
      nearest = i;
  }
  zoomBox_->setCurrentIndex(nearest);
}

void PreviewDialog::zoomIn() {
  const int index = qMin(zoomBox_->currentIndex() + 1, zoomBox_->count() - 1);
  setZoomFactor(zoomBox_->itemData(index).toDouble());
}

void PreviewDialog::zoomOut() {
  const int index = qMax(zoomBox_->currentIndex() - 1, 0);
  setZoomFactor(zoomBox_->itemData(index).toDouble());
}

void PreviewDialog::paintPreview(QPrinter* printer) {
  report_.print(printer);
}

void PreviewDialog::updatePageLabel() {
  pageLabel_->setText(tr("Page %1 of %2").arg(preview_->currentPage()).arg(preview_->pageCount()));
}

void PreviewDialog::showError(const QString& text) {
  if (callbacks_.showError)
    callbacks_.showError(this, windowTitle(), text);
  else
    QMessageBox::warning(this, windowTitle(), text);
}

bool PreviewDialog::exportReport(ExportFormat format) {
  const QString title = tr("Export as %1").arg(formatName(format));
  const QString proposed = QDir(exportFolder_).filePath(report_.defaultExportFileName(format));
  const QString filter = Report::fileFilter(format);
  QString file = callbacks_.saveFileName
                     ? callbacks_.saveFileName(this, title, proposed, filter)
                     : QFileDialog::getSaveFileName(this, title, proposed, filter, nullptr,
                                                    QFileDialog::DontConfirmOverwrite);
  if (file.isEmpty())
    return false;
  if (QFileInfo(file).suffix().isEmpty())
    file += Report::extension(format);
  exportFolder_ = QFileInfo(file).absolutePath();

  QString error;
  if (!report_.exportTo(format, file, &error, this)) {
    showError(tr("The report could not be exported.\n%1").arg(error));
    return false;
  }
  statusLabel_->setText(tr("Saved as %1").arg(QDir::toNativeSeparators(file)));
  emit exported(file);
  return true;
}

QString PreviewDialog::quickExport() {
  const QString file =
      QDir(quickExportFolder_).filePath(report_.defaultExportFileName(ExportFormat::Pdf));
  QString error;
  if (!QDir().mkpath(quickExportFolder_) || !report_.exportPdf(file, &error, this)) {
    showError(tr("The report could not be exported.\n%1")
                  .arg(error.isEmpty() ? QDir::toNativeSeparators(quickExportFolder_) : error));
    return QString();
  }
  statusLabel_->setText(tr("Saved as %1").arg(QDir::toNativeSeparators(file)));
  emit exported(file);
  return file;
}

bool PreviewDialog::printReport() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(report_.title());
  const bool confirmed = callbacks_.confirmPrint ? callbacks_.confirmPrint(this, &printer) : [&] {
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print report"));
    return dialog.exec() == QDialog::Accepted;
  }();
  if (!confirmed)
    return false;
  if (!report_.print(&printer)) {
    showError(tr("The report could not be printed."));
    return false;
  }
  statusLabel_->setText(
      tr("Sent to %1")
          .arg(printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName()));
  return true;
}

}  // namespace reports::engine
