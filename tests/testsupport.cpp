#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/userfolder.h"

namespace testsupport {

TempUserFolder::TempUserFolder() {
  hadPrevious_ = qEnvironmentVariableIsSet("APPDATA");
  previous_ = qgetenv("APPDATA");
  qputenv("APPDATA", dir_.path().toUtf8());
}

TempUserFolder::~TempUserFolder() {
  if (hadPrevious_) {
    qputenv("APPDATA", previous_);
  } else {
    qunsetenv("APPDATA");
  }
}

QString TempUserFolder::userFolder() const {
  return platform::userFolder();
}

void TempUserFolder::install() const {
  platform::ensureUserFolder();
}

QByteArray TempUserFolder::readFile(const QString& fileName) const {
  QFile file(userFolder() + fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TempUserFolder::writeFile(const QString& fileName, const QByteArray& content) const {
  const QString path = userFolder() + fileName;
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (file.open(QIODevice::WriteOnly))
    file.write(content);
}

void TempFolder::write(const QString& name, const QByteArray& content) const {
  const QString path = dir_.filePath(name);
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (file.open(QIODevice::WriteOnly))
    file.write(content);
}

QString builtProgramFolder() {
  return QStringLiteral(RQ_TEST_PROGRAM_DIR);
}

}  // namespace testsupport
