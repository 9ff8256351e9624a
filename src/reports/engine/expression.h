#pragma once

#include <QString>

#include <functional>

namespace reports::engine {

// Evaluates the expression a program hands over as a variable's value. Two forms exist:
// a literal in single quotes ('abc' gives abc, '' gives the empty text; a literal cannot
// hold an apostrophe) and plain decimal digits, which give the number they write
// (leading zeros dropped). Blanks around the expression are ignored. Anything else is an
// error, described in `error` for the message that names the variable.
bool evaluateExpression(const QString& expression, QString* value, QString* error);

// Looks up the value of a placeholder name; false when the name is unknown.
using PlaceholderLookup = std::function<bool(const QString& name, QString* value)>;

// Replaces every [name] in `text` whose name the lookup knows by its value. Brackets around
// an unknown name stay as written, so ordinary text such as "Percent [%]" prints unchanged.
// A replacement is never scanned again: a value holding "[Page#]" is printed literally.
QString substitutePlaceholders(const QString& text, const PlaceholderLookup& lookup);

}  // namespace reports::engine
