#pragma once

#include <QString>

namespace learning {

// Messages of the revision list that the text catalogue has no slot for, in the
// interface language (English for any other code).
QString importSkippedMessage(const QString& languageCode, int skipped, int questionCount);
QString cannotReadMessage(const QString& languageCode, const QString& path);
QString cannotWriteMessage(const QString& languageCode, const QString& path);
// The caption of the information dialogs that start and end a revision run.
QString informationCaption(const QString& languageCode);

}  // namespace learning
