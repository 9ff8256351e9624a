// The language switch and the assignment of the interface texts to the controls.
#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "app/tform1.h"
#include "app/uikit.h"
#include "controls/onoffslider.h"
#include "controls/rotarymenu.h"
#include "controls/roundbutton.h"
#include "controls/smoothlistbox.h"
#include "controls/verticaldock.h"
#include "i18n/resultline.h"

namespace {

enum class Property { Caption, Badge };

struct Assignment {
  const char* control;
  Property property;
  QString text;
};

// Sets a caption on whatever kind of control carries it.
void assign(QWidget* widget, Property property, const QString& text) {
  if (auto* button = qobject_cast<controls::RoundButton*>(widget)) {
    if (property == Property::Badge) {
      button->setStatusCaption(text);
    } else {
      button->setText(text);
    }
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(text);
  } else if (auto* other = qobject_cast<QAbstractButton*>(widget)) {
    other->setText(text);
  }
}

}  // namespace

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
  reloadUpdateListForLanguage();
}

void TForm1::ApplyLanguageTexts(const QString& code) {
  if (!texts_.read(QDir(programFolder()).filePath(QStringLiteral("lang.ini")), code))
    return;
  const auto& t = texts_;
  const QString category = t.s(11);

  // Controls are looked up by name inside the main panel (the auxiliary windows have
  // controls of the same names), so the pages built later take their texts here as
  // soon as they exist.
  const Assignment assignments[] = {
      {"Label7", Property::Caption, t.s(1)},
      {"Label9", Property::Caption, t.s(4)},
      {"Label8", Property::Caption, t.s(12)},
      {"AdvSmoothButton25", Property::Badge, category + QStringLiteral(" B")},
      {"AdvSmoothButton24", Property::Badge, category + QStringLiteral(" A")},
      {"AdvSmoothButton26", Property::Badge, category + QStringLiteral(" C")},
      {"AdvSmoothButton27", Property::Badge, category + QStringLiteral(" D")},
      {"updatebutton", Property::Badge, t.s(15)},
      {"updatebutton", Property::Caption, state_.updatesAvailable ? t.s(195) : t.s(16)},
      {"troublesbtn", Property::Badge, t.s(17)},
      {"AdvSmoothButton85", Property::Badge, t.s(18)},
      {"highwaysignsbtn", Property::Badge, t.s(8)},
      {"GroupBox1", Property::Caption, t.s(26)},
      {"AdvSmoothButton22", Property::Caption, t.s(196)},
      {"GroupBox2", Property::Caption, t.s(32)},
      {"AdvSmoothButton77", Property::Caption, t.s(33)},
      {"AdvSmoothButton17", Property::Caption, t.s(34)},
      {"AdvSmoothButton18", Property::Caption, t.s(37)},
      {"AdvSmoothButton19", Property::Caption, t.s(38)},
      {"AdvSmoothButton20", Property::Caption, t.s(35)},
      {"AdvSmoothButton21", Property::Caption, t.s(36)},
      {"nowytest", Property::Caption, t.s(40)},
      {"koniec", Property::Caption, t.s(41)},
      {"AdvSmoothButton76", Property::Caption, t.s(42)},
      {"AdvSmoothButton23", Property::Caption, t.s(43)},
      {"AdvSmoothButton83", Property::Caption, t.s(44)},
      {"GroupBox4", Property::Caption, t.s(26)},
      {"AdvSmoothButton80", Property::Caption, t.s(39)},
      {"regulybtn", Property::Badge, t.s(39)},
      {"AdvSmoothButton1", Property::Caption, t.s(48)},
      {"AdvSmoothButton2", Property::Caption, t.s(49)},
      {"AdvSmoothButton3", Property::Caption, t.s(50)},
      {"AdvSmoothButton4", Property::Caption, t.s(51)},
      {"AdvSmoothButton5", Property::Caption, t.s(52)},
      {"AdvSmoothButton6", Property::Caption, t.s(53)},
      {"AdvSmoothButton7", Property::Caption, t.s(54)},
      {"AdvSmoothButton8", Property::Caption, t.s(56)},
      {"AdvSmoothButton9", Property::Caption, t.s(55)},
      {"AdvSmoothButton10", Property::Caption, t.s(57)},
      {"highwaycodebtn", Property::Caption, t.s(60)},
      {"AdvSmoothButton88", Property::Caption, t.s(62)},
      {"Label5", Property::Caption, t.s(65)},
      {"Label6", Property::Caption, t.s(66)},
      {"showreportbutton", Property::Caption, t.s(67)},
      {"Button2", Property::Caption, t.s(68)},
      {"Button3", Property::Caption, t.s(68)},
      {"Label10", Property::Caption, t.s(70)},
      {"nazwiskocheckbox", Property::Caption, t.s(69)},
      {"dodatkowytekstcheckbox", Property::Caption, t.s(69)},
      {"AdvSmoothButton91", Property::Caption, t.s(72)},
      {"AdvSmoothButton92", Property::Caption, t.s(73)},
      {"GroupBox3", Property::Caption, t.s(75)},
      {"Label13", Property::Caption, t.s(76)},
      {"Label14", Property::Caption, t.s(77)},
      {"Label15", Property::Caption, t.s(78)},
      {"AdvSmoothButton84", Property::Caption, t.s(81)},
      {"AdvSmoothButton95", Property::Caption, t.s(82)},
      {"AdvSmoothButton90", Property::Caption, t.s(80)},
      {"sortujbtn", Property::Caption, t.s(79)},
      {"AdvSmoothButton93", Property::Caption, t.s(44) + QLatin1Char('/') + t.s(67)},
      {"AdvSmoothButton94", Property::Caption, t.s(43)},
      {"pobierzbtn", Property::Caption, t.s(84)},
      {"Label16", Property::Caption, t.s(83)},
      {"nowytest", Property::Badge, t.s(22)},
      {"Label1", Property::Caption, category + QStringLiteral(": ") + state_.currentCategory},
  };
  for (const Assignment& a : assignments) {
    if (auto* widget = mainpanel->findChild<QWidget*>(QLatin1String(a.control))) {
      assign(widget, a.property, a.text);
    }
  }

  // Controls with several captions of their own.
  for (int item = 0; item < 5 && item < menudock->count(); ++item) {
    menudock->setItemCaption(item, t.s(5 + item));
  }
  if (AdvSmoothRotaryMenu1) {
    const int rotary[] = {20, 23, 21, 19};
    for (int item = 0; item < 4; ++item)
      AdvSmoothRotaryMenu1->setItemCaption(item, t.s(rotary[item]));
  }
  if (auto* slider =
          mainpanel->findChild<controls::OnOffSlider*>(QStringLiteral("AdvSmoothSlider1"))) {
    slider->setOnCaption(t.s(29));
    slider->setOffCaption(t.s(30));
  }
  applyChartTitles();
  if (AdvSmoothListBox1) {
    AdvSmoothListBox1->setHeaderCaption(t.s(71));
    AdvSmoothListBox1->setFooterCaption(t.s(74));
  }

  // The button of the current language is marked like the current activity.
  const QString current = state_.currentLanguage;
  const std::pair<controls::RoundButton*, const char*> languageButtons[] = {
      {englishbtn, "en"}, {polskibtn, "pl"}, {deutschbtn, "de"}};
  for (const auto& [button, buttonCode] : languageButtons) {
    const bool isCurrent = current == QLatin1String(buttonCode);
    button->setColor(isCurrent ? app::kLightYellow : app::kSkyBlue);
    QFont font = button->font();
    font.setBold(isCurrent);
    button->setFont(font);
  }

  // The result line of the test page follows the language, with the score it has.
  memopytanieabctest->clear();
  memopytanieabctest->appendPlainText(
      i18n::testResultLine(t.s(100), t.s(102), t.s(189), state_.testPoints));

  if (AdvSmoothListBox1)
    AdvSmoothListBox1->setDeleteButtonCaption(t.s(190));
  sortujbtnClick();
}
