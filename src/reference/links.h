#pragma once

#include <QUrl>

namespace reference {

// The vendor's web site, whose home page it also is. Its host is a build setting (RQ_VENDOR_SITE) that the
// environment variable ROADQUIZ_VENDOR_SITE overrides, so tests can use a local server.
QUrl vendorSite();

}  // namespace reference
