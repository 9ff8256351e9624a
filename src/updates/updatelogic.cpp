#include "updates/updatelogic.h"

#include <QSettings>

#include "platform/hosts.h"

namespace updates {

namespace {

QUrl withPath(const QUrl& host, const QString& pathAndQuery) {
  return QUrl(host.toString() + pathAndQuery);
}

}  // namespace

QUrl updateService() {
  return platform::configuredHost("ROADQUIZ_UPDATE_SERVICE", RQ_UPDATE_SERVICE);
}

QUrl updateFileServer() {
  return platform::configuredHost("ROADQUIZ_UPDATE_FILES", RQ_UPDATE_FILES);
}

QStringList readModuleValues(QSettings& registry, bool* failed) {
  QStringList values;
  registry.beginGroup(QStringLiteral("modules"));
  for (int n = 1; n <= kModuleCount; ++n) {
    values << registry.value(QString::number(n)).toString();
  }
  registry.endGroup();
  if (failed)
    *failed = registry.status() == QSettings::AccessError;
  return values;
}

ModuleStrings buildModuleStrings(const QStringList& moduleValues, const QString& languageCode) {
  ModuleStrings strings;
  QString query = QStringLiteral("/updates/2015/updates2015.php?m0=quizmod2015");
  QStringList pairs;
  for (int n = 1; n <= kModuleCount; ++n) {
    const QString value = moduleValues.value(n - 1);
    query += QStringLiteral("&m%1=").arg(n) + QString::fromLatin1(QUrl::toPercentEncoding(value));
    pairs << QStringLiteral("m%1=").arg(n) + value;
  }
  query += QStringLiteral("&lang=") + QString::fromLatin1(QUrl::toPercentEncoding(languageCode));
  strings.updateQuery = query;
  strings.signature = pairs.join(QLatin1Char('&'));
  return strings;
}

QUrl versionCheckUrl() {
  return withPath(updateService(), QStringLiteral("/updates/2015/nwersja2015.php"));
}

QUrl updateListUrl(const ModuleStrings& strings) {
  return withPath(updateService(), strings.updateQuery);
}

bool versionCheckMatches(const QString& title, const QString& signature) {
  return title.size() == kSignatureLength && title == signature;
}

ListAnswer classifyListTitle(const QString& title) {
  if (title.size() != 3)
    return ListAnswer::Invalid;
  if (title == QLatin1String("bad"))
    return ListAnswer::Refused;
  if (title.contains(QLatin1String("um")))
    return ListAnswer::ListWithDownload;
  return ListAnswer::List;
}

QUrl downloadUrl(const QString& title) {
  return withPath(updateFileServer(), QStringLiteral("/updates/2015/") +
                                          QString::fromLatin1(QUrl::toPercentEncoding(title)) +
                                          QLatin1Char('/'));
}

}  // namespace updates
