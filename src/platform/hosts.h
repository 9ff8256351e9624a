#pragma once

#include <QUrl>

namespace platform {

// A server address that is a build setting, overridden by an environment variable when
// that is set (tests point it at a local server). Without a trailing slash.
QUrl configuredHost(const char* environmentVariable, const char* builtIn);

}  // namespace platform
