#pragma once

#include <QString>
#include <QVector>

namespace i18n {

// The 200 interface texts s1..s200 of the current language. They start empty and keep
// their values until texts of a known language are read again.
class TextCatalogue {
 public:
  static constexpr int kSlotCount = 200;

  TextCatalogue() : slots_(kSlotCount) {}

  // Reads every slot of a language ("en", "pl", "de") from lang.ini. A missing file
  // changes nothing and returns false; an unknown code reads nothing and returns true,
  // so the captions are assigned again from the slots as they are.
  bool read(const QString& langIniPath, const QString& languageCode);

  // Slot n (1..200); empty outside that range.
  QString s(int n) const { return n >= 1 && n <= kSlotCount ? slots_.at(n - 1) : QString(); }

 private:
  QVector<QString> slots_;
};

bool isKnownLanguage(const QString& code);

}  // namespace i18n
