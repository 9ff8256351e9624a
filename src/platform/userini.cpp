#include "platform/userini.h"

#include "platform/inifile.h"
#include "platform/userfolder.h"

namespace platform {

const QString& UserIni::missingFilesMessage() {
  static const QString text =
      QStringLiteral("Please reinstall this software. Some files are missing");
  return text;
}

QString UserIni::ReadUserIni(const QString& fileName, const QString& section, const QString& key,
                             const QString& defaultValue) const {
  return IniFile::read(userFilePath(fileName), section, key, defaultValue);
}

bool UserIni::WriteUserIni(const QString& fileName, const QString& section, const QString& key,
                           const QString& value) {
  if (IniFile::write(userFilePath(fileName), section, key, value))
    return true;
  dialogs_.error(QStringLiteral("Roadquiz 2015"), missingFilesMessage());
  return false;
}

}  // namespace platform
