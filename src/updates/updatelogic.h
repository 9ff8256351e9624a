#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QSettings;

namespace updates {

constexpr int kModuleCount = 10;
constexpr int kSignatureLength = 50;
// A refused list request is asked again this many times at most.
constexpr int kMaxListRetries = 3;

// The vendor's update service (version check and list) and its update file server.
// Both are build settings that ROADQUIZ_UPDATE_SERVICE and ROADQUIZ_UPDATE_FILES
// override, so tests can point them at a local server.
QUrl updateService();
QUrl updateFileServer();

// The ten module values "1".."10" of the add-on registry; missing values are empty.
// failed tells whether the store could not be read.
QStringList readModuleValues(QSettings& registry, bool* failed);

struct ModuleStrings {
  QString updateQuery;  // path and query of the update list request
  QString signature;    // what the version check page's title must equal
};

// The query carries the values percent-encoded, so no value can add keys of its own;
// the signature keeps them as they are, since it is compared with a page title.
ModuleStrings buildModuleStrings(const QStringList& moduleValues, const QString& languageCode);

QUrl versionCheckUrl();
QUrl updateListUrl(const ModuleStrings& strings);

// Updates are available when the version check title is exactly the 50-character
// signature.
bool versionCheckMatches(const QString& title, const QString& signature);

enum class ListAnswer {
  Invalid,           // not a three-character title: an error page or the wrong page
  List,              // a valid list
  ListWithDownload,  // a valid list that offers a download
  Refused,           // "bad": the service refused the request
};
ListAnswer classifyListTitle(const QString& title);

// Where the download of a list titled like this is opened.
QUrl downloadUrl(const QString& title);

}  // namespace updates
