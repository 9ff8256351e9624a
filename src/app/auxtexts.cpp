#include "app/auxtexts.h"

namespace app {

bool rulesTexts(const QString& languageCode, RulesTexts* texts) {
  if (languageCode == QLatin1String("pl")) {
    texts->caption = QStringLiteral("Zasady egzaminu na prawo jazdy.");
    texts->lines = {
        QStringLiteral("- Zasady egzaminu:"),
        QString(),
        QStringLiteral("-  Test składa się z pytań wielokrotnego wyboru."),
        QStringLiteral("-  Prawdziwy test składa się również z części zwanej hazard perception, "
                       "której nie obejmuje ten program."),
        QStringLiteral("-  Pytania dla poszczególnych kategorii różnią się."),
        QStringLiteral("-  Test na prawo jazdy na motocykl i samochód osobowy trwa 57 minut. "
                       "Pozytwyny wynik testu otrzymasz po otrzymaniu minimum 43 punktów na 50 "
                       "możliwych."),
    };
    return true;
  }
  if (languageCode == QLatin1String("en")) {
    texts->caption = QStringLiteral("Theory test rules.");
    texts->lines = {
        QStringLiteral("- The rules of the test:"),
        QString(),
        QStringLiteral("-  The theory test is made up of multiple-choice questions."),
        QStringLiteral("-  The real theory test constains also hazard perception part which is "
                       "not included in this software."),
        QStringLiteral("-  The questions in a test depend on the category of vehicle you are "
                       "hoping to get a licence for."),
        QStringLiteral("-  The car and motorcycle multiple-choice part lasts for 57 minutes and "
                       "the pass mark is 43 out of 50."),
    };
    return true;
  }
  if (languageCode == QLatin1String("de")) {
    texts->caption = QStringLiteral("Die Regeln für die Prüfung");
    texts->lines = {
        QStringLiteral("- Die Regeln für die Prüfung:"),
        QString(),
        QStringLiteral("-  Die Gesamtpunktzahl beträgt 50 Punkte. Die theoretische Prüfung ist "
                       "bestanden, wenn das Minimum von 43 Punkten erreicht wird."),
    };
    return true;
  }
  return false;
}

ShortcutTexts shortcutTexts(const QString& languageCode) {
  if (languageCode == QLatin1String("pl")) {
    return {QStringLiteral("W trybie \"Nauka\" zmieniać pytania można przy użyciu strzałek:"),
            QStringLiteral("Wstecz"), QStringLiteral("Dalej")};
  }
  if (languageCode == QLatin1String("de")) {
    return {QStringLiteral("Fragen:"), QStringLiteral("Zurück"), QStringLiteral("Nächstes")};
  }
  return {QStringLiteral("In \"Learning\" mode, questions can be changed by keyboard arrows:"),
          QStringLiteral("Back"), QStringLiteral("Next")};
}

QString aboutText() {
  return QStringLiteral(
      "Roadquiz 2015\n"
      "Version 2015.1\n\n"
      "Practice for the multiple-choice part of the UK driving theory test, for "
      "motorcycles (category A), cars (B), lorries (C) and buses (D), in English, Polish "
      "and German.\n\n"
      "Made by Velmora.\n"
      "Questions and comments: support@velmora.example\n\n"
      "Terms of use: you may install and use this program for your own preparation for "
      "the driving theory test. The questions installed with it are sample content for "
      "practice; they are not the official question bank, and passing the tests in this "
      "program does not guarantee passing the real test. The program is provided as it "
      "is, without any warranty.");
}

}  // namespace app
