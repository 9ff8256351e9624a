#include "reference/links.h"

#include "platform/hosts.h"

namespace reference {

QUrl vendorSite() {
  return QUrl(platform::configuredHost("ROADQUIZ_VENDOR_SITE", RQ_VENDOR_SITE).toString() +
              QLatin1Char('/'));
}

}  // namespace reference
