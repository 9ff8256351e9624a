#include "reference/links.h"

namespace reference {

QUrl vendorSite() {
  QString site = qEnvironmentVariable("ROADQUIZ_VENDOR_SITE");
  if (site.isEmpty())
    site = QStringLiteral(RQ_VENDOR_SITE);
  if (!site.endsWith(QLatin1Char('/')))
    site += QLatin1Char('/');
  return QUrl(site);
}


}  // namespace reference
