#pragma once

#include <QUrl>

namespace reference {

// The vendor's web site. Its host is a build setting (RQ_VENDOR_SITE) that the
// environment variable ROADQUIZ_VENDOR_SITE overrides, so tests can use a local server.
QUrl vendorSite();
QUrl vendorHomeUrl();

}  // namespace reference
