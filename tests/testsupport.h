#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A temporary per-user folder: APPDATA points at it while the fixture lives, so no test
// ever touches the real one. The Velmora/roadquiz2015 folder inside is not created.
class TempUserFolder {
 public:
  TempUserFolder();
  ~TempUserFolder();
  QString appData() const { return dir_.path(); }
  // The per-user data folder itself, with a trailing slash.
  QString userFolder() const;
  // Creates the per-user folder with its archive folders and revision lists.
  void install() const;
  QByteArray readFile(const QString& fileName) const;
  void writeFile(const QString& fileName, const QByteArray& content) const;

 private:
  QTemporaryDir dir_;
  QByteArray previous_;
  bool hadPrevious_ = false;
};

// A temporary folder the test can fill with files.
class TempFolder {
 public:
  QString path() const { return dir_.path(); }
  QString filePath(const QString& name) const { return dir_.filePath(name); }
  void write(const QString& name, const QByteArray& content) const;

 private:
  QTemporaryDir dir_;
};

// The program folder the build prepared (bank files, data/, lang.ini).
QString builtProgramFolder();

}  // namespace testsupport
