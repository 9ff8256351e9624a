#include "platform/hosts.h"

namespace platform {

QUrl configuredHost(const char* environmentVariable, const char* builtIn) {
  QString host = qEnvironmentVariable(environmentVariable);
  if (host.isEmpty())
    host = QString::fromUtf8(builtIn);
  while (host.endsWith(QLatin1Char('/')))
    host.chop(1);
  return QUrl(host);
}

}  // namespace platform
