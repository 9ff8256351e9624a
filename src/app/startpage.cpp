// The start page: title, the four category buttons and the ways into the reference
// pages, updates, help, about and the test rules.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/pictures.h"
#include "app/tform1.h"
#include "controls/roundbutton.h"

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int pointSize, bool bold,
                  const QColor& colour) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  QFont font = label->font();
  font.setPointSize(pointSize);
  font.setBold(bold);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  return label;
}

}  // namespace

void TForm1::buildStartPage() {
  const QString data = programFolder() + QStringLiteral("/data/");
  const QColor navy(0x1F, 0x3A, 0x68);

  auto* page = new QVBoxLayout(TabSheet1);
  page->setContentsMargins(48, 36, 48, 22);
  page->setSpacing(0);

  // Title block with the logo.
  auto* titleRow = new QHBoxLayout;
  titleRow->setSpacing(20);
  auto* logo = new QLabel(TabSheet1);
  logo->setObjectName(QStringLiteral("logoimage"));
  logo->setPixmap(app::scaledPicture(data + QStringLiteral("logo.png"), QSize(92, 92)));
  logo->setAccessibleName(QStringLiteral("Roadquiz 2015 logo"));
  titleRow->addWidget(logo, 0, Qt::AlignTop);
  auto* titleText = new QVBoxLayout;
  titleText->setSpacing(6);
  Label7 = makeLabel(TabSheet1, "Label7", QStringLiteral("Roadquiz 2015"), 30, true, navy);
  Label9 = makeLabel(TabSheet1, "Label9",
                     QStringLiteral("Revision questions for the UK driving theory test"), 13, false,
                     QColor(0x33, 0x44, 0x55));
  Label9->setWordWrap(true);
  titleText->addWidget(Label7);
  titleText->addWidget(Label9);
  titleText->addStretch(1);
  titleRow->addLayout(titleText, 1);
  page->addLayout(titleRow);
  page->addStretch(2);

  // The four categories.
  auto* categories = new QHBoxLayout;
  categories->setSpacing(22);
  const std::tuple<controls::RoundButton**, const char*, const char*, const char*>
      categoryButtons[] = {
          {&AdvSmoothButton24, "AdvSmoothButton24", "A", " category A"},
          {&AdvSmoothButton25, "AdvSmoothButton25", "B", " category B"},
          {&AdvSmoothButton26, "AdvSmoothButton26", "C", " category C"},
          {&AdvSmoothButton27, "AdvSmoothButton27", "D", " category D"},
      };
  for (const auto& [member, name, code, badge] : categoryButtons) {
    auto* button = new controls::RoundButton(TabSheet1);
    button->setObjectName(QLatin1String(name));
    button->setText(QLatin1String(code));
    button->setPicture(
        QPixmap(data + QStringLiteral("categories/%1.png").arg(QLatin1String(code))));
    button->setPictureLayout(controls::RoundButton::PictureLayout::Top);
    button->setStatusCaption(QString::fromLatin1(badge).trimmed());
    button->setStatusVisible(true);
    button->setMinimumSize(200, 210);
    QFont font = button->font();
    font.setPointSize(20);
    font.setBold(true);
    button->setFont(font);
    *member = button;
    categories->addWidget(button);
  }
  page->addLayout(categories);
  page->addStretch(1);

  // The other ways out of the start page.
  auto* others = new QHBoxLayout;
  others->setSpacing(14);
  const std::tuple<controls::RoundButton**, const char*, const char*, const char*> otherButtons[] =
      {
          {&updatebutton, "updatebutton", "update.png", "add-ons and updates"},
          {&troublesbtn, "troublesbtn", "troubleshooting.png", "troubleshooting"},
          {&highwaysignsbtn, "highwaysignsbtn", "reference.png", "highway code, road signs"},
          {&AdvSmoothButton85, "AdvSmoothButton85", "about.png", "about"},
          {&regulybtn, "regulybtn", "rules.png", "test rules"},
      };
  for (const auto& [member, name, picture, badge] : otherButtons) {
    auto* button = new controls::RoundButton(TabSheet1);
    button->setObjectName(QLatin1String(name));
    button->setPicture(QPixmap(data + QStringLiteral("buttons/") + QLatin1String(picture)));
    // The picture sits under the badge, so every button of the row looks alike.
    button->setPictureLayout(controls::RoundButton::PictureLayout::Top);
    button->setStatusCaption(QLatin1String(badge));
    button->setStatusVisible(true);
    button->setMinimumSize(170, 84);
    *member = button;
    others->addWidget(button);
  }
  updatebutton->setText(QStringLiteral("no updates available"));
  updatebutton->setPictureLayout(controls::RoundButton::PictureLayout::Left);
  page->addLayout(others);
  page->addStretch(3);

  // Where the questions come from, the link and the version.
  Label21 = makeLabel(TabSheet1, "Label21",
                      QStringLiteral("The questions installed with this copy are sample content "
                                     "written for practice in the style of the theory test. "
                                     "Replace the bank files with the licensed question bank "
                                     "to study the official revision questions."),
                      9, false, QColor(0x55, 0x5F, 0x6B));
  Label21->setWordWrap(true);
  page->addWidget(Label21);
  page->addSpacing(8);
  auto* footer = new QHBoxLayout;
  Label8 = makeLabel(TabSheet1, "Label8", QStringLiteral("Visit our web site"), 10, false,
                     QColor(0x1A, 0x5F, 0xB4));
  Label8->setCursor(Qt::PointingHandCursor);
  QFont linkFont = Label8->font();
  linkFont.setUnderline(true);
  Label8->setFont(linkFont);
  Label4 = makeLabel(TabSheet1, "Label4", QStringLiteral("v. 2015.1"), 9, false,
                     QColor(0x55, 0x5F, 0x6B));
  footer->addWidget(Label8);
  footer->addStretch(1);
  footer->addWidget(Label4);
  page->addLayout(footer);
}
