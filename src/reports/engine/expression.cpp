#include "reports/engine/expression.h"

namespace reports::engine {

namespace {

bool isAsciiDigits(const QString& text) {
  if (text.isEmpty())
    return false;
  for (const QChar c : text) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
      return false;
  }
  return true;
}

}  // namespace

bool evaluateExpression(const QString& expression, QString* value, QString* error) {
  const QString trimmed = expression.trimmed();
  QString result;
  QString problem;
  if (trimmed.isEmpty()) {
    problem = QStringLiteral("the expression is empty");
  } else if (trimmed.startsWith(QLatin1Char('\''))) {
    const int closing = trimmed.indexOf(QLatin1Char('\''), 1);
    if (closing < 0)
      problem = QStringLiteral("the literal %1 has no closing apostrophe").arg(trimmed);
    else if (closing != trimmed.size() - 1)
      problem = QStringLiteral("%1 continues after its closing apostrophe").arg(trimmed);
    else
      result = trimmed.mid(1, closing - 1);
  } else if (isAsciiDigits(trimmed)) {
    // A number prints as the number: 007 is 7, and 0 stays 0.
    int first = 0;
    while (first < trimmed.size() - 1 && trimmed.at(first) == QLatin1Char('0'))
      ++first;
    result = trimmed.mid(first);
  } else {
    problem = QStringLiteral("%1 is neither a quoted literal nor a number").arg(trimmed);
  }

  if (!problem.isEmpty()) {
    if (error)
      *error = problem;
    return false;
  }
  if (value)
    *value = result;
  return true;
}

QString substitutePlaceholders(const QString& text, const PlaceholderLookup& lookup) {
  QString out;
  out.reserve(text.size());
  int pos = 0;
  while (pos < text.size()) {
    const int open = text.indexOf(QLatin1Char('['), pos);
    if (open < 0)
      break;
    const int close = text.indexOf(QLatin1Char(']'), open + 1);
    if (close < 0)
      break;
    // "[[x]" must still find the placeholder [x]: restart from the innermost bracket.
    const int innerOpen = text.lastIndexOf(QLatin1Char('['), close);
    out += QStringView(text).mid(pos, innerOpen - pos);
    const QString name = text.mid(innerOpen + 1, close - innerOpen - 1);
    QString value;
    if (!name.isEmpty() && lookup(name, &value))
      out += value;
    else
      out += QStringView(text).mid(innerOpen, close - innerOpen + 1);
    pos = close + 1;
  }
  out += QStringView(text).mid(pos);
  return out;
}

}  // namespace reports::engine
