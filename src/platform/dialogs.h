#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace platform {

// Every message box and file dialog of the program goes through this interface, so a
// test can script the answers and no test ever blocks on a modal window.
class Dialogs {
 public:
  virtual ~Dialogs();

  // A question with Yes and No; true means Yes.
  virtual bool askYesNo(const QString& caption, const QString& text) = 0;
  // An information box with OK.
  virtual void information(const QString& caption, const QString& text) = 0;
  // An error box with OK: something went wrong and the user should know what.
  virtual void error(const QString& caption, const QString& text) = 0;
  // A box with OK and Cancel; true means OK.
  virtual bool confirmOkCancel(const QString& caption, const QString& text) = 0;
  // File dialogs; an empty string means the user cancelled.
  virtual QString openFileName(const QString& title, const QString& folder,
                               const QString& filter) = 0;
  virtual QString saveFileName(const QString& title, const QString& proposedPath,
                               const QString& filter) = 0;
};

// Answers dialogs from a script and records what was shown. Unscripted questions are
// answered No / Cancel, unscripted file dialogs are cancelled.
class ScriptedDialogs : public Dialogs {
 public:
  enum class Kind { YesNo, Information, Error, OkCancel, OpenFile, SaveFile };
  struct Shown {
    Kind kind;
    QString caption;
    QString text;
  };

  void queueAnswer(bool yesOrOk) { answers_.append(yesOrOk); }
  void queueFileName(const QString& path) { fileNames_.append(path); }

  const QVector<Shown>& shown() const { return shown_; }
  int count(Kind kind) const;
  Shown last() const { return shown_.isEmpty() ? Shown{Kind::Information, {}, {}} : shown_.last(); }
  void clear() { shown_.clear(); }

  bool askYesNo(const QString& caption, const QString& text) override;
  void information(const QString& caption, const QString& text) override;
  void error(const QString& caption, const QString& text) override;
  bool confirmOkCancel(const QString& caption, const QString& text) override;
  QString openFileName(const QString& title, const QString& folder, const QString& filter) override;
  QString saveFileName(const QString& title, const QString& proposedPath,
                       const QString& filter) override;

 private:
  bool nextAnswer();
  QString nextFileName();

  QVector<bool> answers_;
  QStringList fileNames_;
  QVector<Shown> shown_;
};

}  // namespace platform
