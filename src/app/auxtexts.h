#pragma once

#include <QString>
#include <QStringList>

namespace app {

// The built-in texts of the test-rules window, one set per interface language.
struct RulesTexts {
  QString caption;
  QStringList lines;
};

// The rules of a language code; false for any other code, so that the window keeps
// what it showed before.
bool rulesTexts(const QString& languageCode, RulesTexts* texts);

// The texts of the keyboard-shortcut hint; English for any code but "pl" and "de".
struct ShortcutTexts {
  QString heading;
  QString left;
  QString right;
};
ShortcutTexts shortcutTexts(const QString& languageCode);

// The about text: the program, the vehicles it covers, version, contact, terms of use.
QString aboutText();

}  // namespace app
