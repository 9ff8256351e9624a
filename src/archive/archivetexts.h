#pragma once

#include <QString>

namespace archive {

// The note of a stored test whose points cannot be read, in the interface language.
QString unreadableNote(const QString& languageCode);

}  // namespace archive
