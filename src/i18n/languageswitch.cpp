// The language switch and the assignment of the interface texts to the controls.
#include <QDir>

#include "app/tform1.h"
#include "controls/roundbutton.h"

void TForm1::englishbtnClick() {
  switchLanguage(QStringLiteral("en"));
}
void TForm1::polskibtnClick() {
  switchLanguage(QStringLiteral("pl"));
}
void TForm1::deutschbtnClick() {
  switchLanguage(QStringLiteral("de"));
}

void TForm1::switchLanguage(const QString& code) {
  state_.currentLanguage = code;
  ApplyLanguageTexts(code);
  WriteUserIni(QStringLiteral("settingsuk.ini"), QStringLiteral("jezyk"), QStringLiteral("lang"),
               code);
  // The update list follows the language once the user has opened it (updates).
}

void TForm1::ApplyLanguageTexts(const QString& code) {
  if (!texts_.read(QDir(programFolder()).filePath(QStringLiteral("lang.ini")), code))
    return;
  const auto& t = texts_;
  Label7->setText(t.s(1));
  Label9->setText(t.s(4));
  Label8->setText(t.s(12));
  AdvSmoothButton25->setStatusCaption(t.s(11) + QStringLiteral(" B"));
  AdvSmoothButton24->setStatusCaption(t.s(11) + QStringLiteral(" A"));
  AdvSmoothButton26->setStatusCaption(t.s(11) + QStringLiteral(" C"));
  AdvSmoothButton27->setStatusCaption(t.s(11) + QStringLiteral(" D"));
  updatebutton->setStatusCaption(t.s(15));
  updatebutton->setText(state_.updatesAvailable ? t.s(195) : t.s(16));
  troublesbtn->setStatusCaption(t.s(17));
  AdvSmoothButton85->setStatusCaption(t.s(18));
  highwaysignsbtn->setStatusCaption(t.s(8));
  regulybtn->setStatusCaption(t.s(39));
  // The pages of learning, test, statistics, reference, report and archive assign
  // their captions here as they are built.
  // The button of the current language is marked like the current activity.
  const QString current = state_.currentLanguage;
  const std::pair<controls::RoundButton*, const char*> languageButtons[] = {
      {englishbtn, "en"}, {polskibtn, "pl"}, {deutschbtn, "de"}};
  for (const auto& [button, buttonCode] : languageButtons) {
    const bool isCurrent = current == QLatin1String(buttonCode);
    button->setColor(isCurrent ? QColor(0xFF, 0xFF, 0x80) : QColor(0xA6, 0xCA, 0xF0));
    button->setStatusVisible(isCurrent);
  }
}
