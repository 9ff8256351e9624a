#include "platform/dialogs.h"

namespace platform {

Dialogs::~Dialogs() = default;

int ScriptedDialogs::count(Kind kind) const {
  int n = 0;
  for (const Shown& s : shown_)
    n += s.kind == kind ? 1 : 0;
  return n;
}

bool ScriptedDialogs::nextAnswer() {
  return answers_.isEmpty() ? false : answers_.takeFirst();
}

QString ScriptedDialogs::nextFileName() {
  return fileNames_.isEmpty() ? QString() : fileNames_.takeFirst();
}

bool ScriptedDialogs::askYesNo(const QString& caption, const QString& text) {
  shown_.append({Kind::YesNo, caption, text});
  return nextAnswer();
}

void ScriptedDialogs::information(const QString& caption, const QString& text) {
  shown_.append({Kind::Information, caption, text});
}

void ScriptedDialogs::error(const QString& caption, const QString& text) {
  shown_.append({Kind::Error, caption, text});
}

bool ScriptedDialogs::confirmOkCancel(const QString& caption, const QString& text) {
  shown_.append({Kind::OkCancel, caption, text});
  return nextAnswer();
}

QString ScriptedDialogs::openFileName(const QString& title, const QString& folder, const QString&) {
  shown_.append({Kind::OpenFile, title, folder});
  return nextFileName();
}

QString ScriptedDialogs::saveFileName(const QString& title, const QString& proposedPath,
                                      const QString&) {
  shown_.append({Kind::SaveFile, title, proposedPath});
  return nextFileName();
}

}  // namespace platform
