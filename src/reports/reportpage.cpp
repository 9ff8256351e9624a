// The result report: the options page and building, previewing and exporting it.
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/tform1.h"
#include "app/uikit.h"
#include "controls/roundbutton.h"
#include "reports/engine/previewdialog.h"
#include "reports/engine/report.h"
#include "reports/reportvariables.h"

namespace {

const QString kSettings = QStringLiteral("settingsuk.ini");
const QString kRemember = QStringLiteral("zapamietaj");

}  // namespace

void TForm1::buildReportPage() {
  QWidget* page = TabSheet17;
  QFont labelFont = font();
  labelFont.setPointSize(12);
  labelFont.setBold(true);
  QFont editFont = font();
  editFont.setPointSize(12);

  const auto row = [&](QLabel*& label, const char* labelName, const QString& caption,
                       QLineEdit*& edit, const char* editName, QPushButton*& clear,
                       const char* clearName, QCheckBox*& remember, const char* rememberName,
                       int top) {
    label = new QLabel(caption, page);
    label->setObjectName(QLatin1String(labelName));
    label->setFont(labelFont);
    label->setGeometry(80, top, 700, 28);
    edit = new QLineEdit(page);
    edit->setObjectName(QLatin1String(editName));
    edit->setMaxLength(100);
    edit->setFont(editFont);
    edit->setGeometry(80, top + 34, 520, 36);
    label->setBuddy(edit);
    clear = new QPushButton(QString::fromUtf8("wyczyść"), page);
    clear->setObjectName(QLatin1String(clearName));
    clear->setGeometry(612, top + 34, 110, 36);
    remember = new QCheckBox(QString::fromUtf8("zapamiętaj"), page);
    remember->setObjectName(QLatin1String(rememberName));
    remember->setGeometry(736, top + 34, 150, 36);
  };
  row(Label5, "Label5", QStringLiteral("Dodaj nazwisko do raportu:"), nazwiskoedit, "nazwiskoedit",
      Button2, "Button2", nazwiskocheckbox, "nazwiskocheckbox", 90);
  row(Label6, "Label6", QStringLiteral("Dodaj tekst do raportu:"), dodatkowytekstedit,
      "dodatkowytekstedit", Button3, "Button3", dodatkowytekstcheckbox, "dodatkowytekstcheckbox",
      200);
  Label10 = new QLabel(page);
  Label10->setObjectName(QStringLiteral("Label10"));
  Label10->setText(
      QString::fromUtf8("jeśli nie chcesz dodawać nic do raportu, pozostaw pola puste."));
  Label10->setGeometry(80, 320, 800, 28);
  Label10->setWordWrap(true);
  showreportbutton = new controls::RoundButton(page);
  showreportbutton->setObjectName(QStringLiteral("showreportbutton"));
  showreportbutton->setText(QString::fromUtf8("Pokaż Raport"));
  showreportbutton->setColor(app::kSkyBlue);
  showreportbutton->setGeometry(80, 380, 300, 52);
  QFont buttonFont = font();
  buttonFont.setPointSize(12);
  buttonFont.setBold(true);
  showreportbutton->setFont(buttonFont);
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  connect(showreportbutton, &QAbstractButton::clicked, this, &TForm1::showreportbuttonClick);
}

void TForm1::AdvSmoothButton76Click() {
  const QString name = ReadUserIni(kSettings, kRemember, QStringLiteral("nazwisko"), QString());
  const QString extra =
      ReadUserIni(kSettings, kRemember, QStringLiteral("dodatkowytekst"), QString());
  PageControl1->setCurrentWidget(TabSheet17);
  nazwiskoedit->setText(name);
  dodatkowytekstedit->setText(extra);
  if (!name.isEmpty())
    nazwiskocheckbox->setChecked(true);
  if (!extra.isEmpty())
    dodatkowytekstcheckbox->setChecked(true);
}

void TForm1::Button2Click() {
  nazwiskoedit->clear();
  WriteUserIni(kSettings, kRemember, QStringLiteral("nazwisko"), QString());
}

void TForm1::Button3Click() {
  dodatkowytekstedit->clear();
  WriteUserIni(kSettings, kRemember, QStringLiteral("dodatkowytekst"), QString());
}

void TForm1::runPreview(reports::engine::Report& report) {
  if (services_.preview) {
    services_.preview(report);
    return;
  }
  reports::engine::PreviewDialog preview(report, this);
  reports::engine::PreviewDialog::Callbacks callbacks;
  callbacks.saveFileName = [this](QWidget*, const QString& title, const QString& proposed,
                                  const QString& filter) {
    return dialogs().saveFileName(title, proposed, filter);
  };
  callbacks.showError = [this](QWidget*, const QString& title, const QString& text) {
    dialogs().error(title, text);
  };
  preview.setCallbacks(callbacks);
  preview.exec();
}

void TForm1::showreportbuttonClick() {
  const QString name = reports::cleanedText(nazwiskoedit->text());  // 1
  const QString extra = reports::cleanedText(dodatkowytekstedit->text());
  WriteUserIni(kSettings, kRemember, QStringLiteral("nazwisko"),  // 2
               nazwiskocheckbox->isChecked() ? name : QString());
  WriteUserIni(kSettings, kRemember, QStringLiteral("dodatkowytekst"),
               dodatkowytekstcheckbox->isChecked() ? extra : QString());
  PageControl1->setCurrentWidget(TabSheet5);  // 3
  ShowHintBar(texts_.s(152));                 // 4
  const QString templatePath = QDir(programFolder()).filePath(QStringLiteral("repuk2015.fr3"));
  if (QFileInfo(templatePath).isFile()) {  // 5
    reports::engine::Report report;
    QString error;
    if (!report.loadTemplate(templatePath, &error)) {
      showError(error);
    } else {
      const QString prepared = reports::preparedName(name);
      report.setDefaultExportName(
          reports::reportExportName(prepared, mocktest::fileNameTimeStamp(services_.clock->now())));
      reports::ResultReport data;
      data.category = state_.currentCategory;
      data.points = state_.testPoints;
      data.name = prepared;
      data.extraText = extra;
      data.testSlots = testSlots_;
      for (const auto& [variable, expression] : reports::resultReportVariables(data)) {
        report.setVariable(variable, expression);
        if (variable == QLatin1String("Param.kategoria")) {
          report.setIntegerVariable(QStringLiteral("Param.punktow"), state_.testPoints);
        }
      }
      for (int k = 0; k < mocktest::kSlotCount; ++k) {
        // A slot whose picture is missing is shown without one.
        const QString picture = testSlots_[k].picturePath;
        if (QFileInfo(picture).isFile()) {
          report.loadPicture(QStringLiteral("Picturetest%1").arg(k + 1), picture);
        }
      }
      report.setReportTime(services_.clock->now());
      if (report.prepare(&error)) {
        runPreview(report);
      } else {
        showError(error);
      }
    }
  }
  ShowHintBar(texts_.s(153));  // 6
  slideHintBarLeft();
}
