#pragma once

#include <QString>

namespace platform {

// The folder of the read-only program data (bank files, data/, lang.ini, templates).
// An installed program keeps it in <prefix>/share/roadquiz2015 beside <prefix>/bin;
// the build tree has the same layout. ROADQUIZ_PROGRAM_DIR overrides both. Returns an
// empty string when no candidate holds lang.ini.
QString resolveProgramFolder(const QString& executableFolder);

}  // namespace platform
