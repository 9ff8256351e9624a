#include "platform/qtdialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace platform {

bool QtDialogs::askYesNo(const QString& caption, const QString& text) {
  return QMessageBox::question(parent_, caption, text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

void QtDialogs::information(const QString& caption, const QString& text) {
  QMessageBox::information(parent_, caption, text);
}

void QtDialogs::error(const QString& caption, const QString& text) {
  QMessageBox::warning(parent_, caption, text);
}

bool QtDialogs::confirmOkCancel(const QString& caption, const QString& text) {
  return QMessageBox::information(parent_, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                                  QMessageBox::Ok) == QMessageBox::Ok;
}

QString QtDialogs::openFileName(const QString& title, const QString& folder,
                                const QString& filter) {
  return QFileDialog::getOpenFileName(parent_, title, folder, filter);
}

QString QtDialogs::saveFileName(const QString& title, const QString& proposedPath,
                                const QString& filter) {
  // Overwriting is confirmed by the dialog itself.
  return QFileDialog::getSaveFileName(parent_, title, proposedPath, filter);
}

}  // namespace platform
