#pragma once

#include "platform/dialogs.h"

class QWidget;

namespace platform {

// Message boxes and file dialogs on screen.
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  bool askYesNo(const QString& caption, const QString& text) override;
  void information(const QString& caption, const QString& text) override;
  void error(const QString& caption, const QString& text) override;
  bool confirmOkCancel(const QString& caption, const QString& text) override;
  QString openFileName(const QString& title, const QString& folder, const QString& filter) override;
  QString saveFileName(const QString& title, const QString& proposedPath,
                       const QString& filter) override;

 private:
  QWidget* parent_ = nullptr;
};

}  // namespace platform
