#pragma once

#include <QString>

#include "platform/dialogs.h"

namespace platform {

// The only access to per-user INI values: every call opens the file in the per-user
// folder, reads or writes one value and closes it again, so nothing goes stale.
class UserIni {
 public:
  explicit UserIni(Dialogs& dialogs) : dialogs_(dialogs) {}

  // A missing file, section or key gives the default.
  QString ReadUserIni(const QString& fileName, const QString& section, const QString& key,
                      const QString& defaultValue) const;
  // On failure (typically a missing per-user folder) tells the user to reinstall and
  // returns false; the caller goes on.
  bool WriteUserIni(const QString& fileName, const QString& section, const QString& key,
                    const QString& value);

  static const QString& missingFilesMessage();

 private:
  Dialogs& dialogs_;
};

}  // namespace platform
