#pragma once

#include <QUrl>

namespace reference {

// The vendor's web site, which is also its home page, with a trailing slash. Its host
// is the build setting RQ_VENDOR_SITE, overridden by ROADQUIZ_VENDOR_SITE.
QUrl vendorSite();

}  // namespace reference
