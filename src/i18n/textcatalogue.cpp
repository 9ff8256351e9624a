#include "i18n/textcatalogue.h"

#include <QFileInfo>

#include "platform/inifile.h"

namespace i18n {

bool isKnownLanguage(const QString& code) {
  return code == QLatin1String("en") || code == QLatin1String("pl") || code == QLatin1String("de");
}

bool TextCatalogue::read(const QString& langIniPath, const QString& languageCode) {
  if (!QFileInfo(langIniPath).isFile())
    return false;
  if (!isKnownLanguage(languageCode))
    return true;
  platform::IniFile ini;
  if (!ini.load(langIniPath))
    return false;
  for (int n = 1; n <= kSlotCount; ++n) {
    slots_[n - 1] = ini.value(QStringLiteral("s%1").arg(n), languageCode);
  }
  return true;
}

}  // namespace i18n
