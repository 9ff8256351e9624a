// The statistics page with its two pies, and the recent-result stars of the test page.
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QPieSeries>
#include <QPieSlice>
#include <QTimer>

#include "app/tform1.h"
#include "app/uikit.h"
#include "controls/roundbutton.h"
#include "stats/statsfile.h"

namespace {

QChartView* makeChart(QWidget* parent, const char* name, QPieSeries** series,
                      const char* seriesName, const QString& title) {
  auto* chart = new QChart;
  chart->setTitle(title);
  QFont titleFont = chart->titleFont();
  titleFont.setPointSize(12);
  titleFont.setBold(true);
  chart->setTitleFont(titleFont);
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setBackgroundRoundness(12);
  // A band above the title for the category name and the clear button.
  chart->layout()->setContentsMargins(0, 40, 0, 0);
  chart->legend()->setAlignment(Qt::AlignBottom);
  QFont legendFont = chart->legend()->font();
  legendFont.setPointSize(10);
  chart->legend()->setFont(legendFont);
  *series = new QPieSeries(chart);
  (*series)->setObjectName(QLatin1String(seriesName));
  (*series)->setPieSize(0.72);
  chart->addSeries(*series);
  auto* view = new QChartView(chart, parent);
  view->setObjectName(QLatin1String(name));
  view->setRenderHint(QPainter::Antialiasing);
  view->setFocusPolicy(Qt::StrongFocus);
  return view;
}

// One slice a counter, in table order; the legend shows its label and value.
void fillPie(QPieSeries* series, const QVector<std::tuple<QString, int, QColor>>& slices) {
  series->clear();
  for (const auto& [label, value, colour] : slices) {
    QPieSlice* slice = series->append(QStringLiteral("%1: %2").arg(label).arg(value), value);
    slice->setColor(colour);
    slice->setBorderColor(Qt::white);
  }
}

void turn(QPieSeries* series) {
  const qreal start = series->pieStartAngle() + 1.0;
  series->setPieStartAngle(start);
  series->setPieEndAngle(start + 360.0);
}

}  // namespace

void TForm1::buildStatisticsPage() {
  auto* layout = new QHBoxLayout(TabSheet6);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(12);
  Chart1 = makeChart(TabSheet6, "Chart1", &Series1, "Series1",
                     QString::fromUtf8("Pytania w trybie nauki:"));
  Chart2 = makeChart(TabSheet6, "Chart2", &Series2, "Series2",
                     QString::fromUtf8("Rozwiązane wylosowane testy:"));
  Chart1->chart()->legend()->setReverseMarkers(true);
  layout->addWidget(Chart1);
  layout->addWidget(Chart2);

  Label3 = new QLabel(Chart1);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setGeometry(18, 12, 200, 24);
  QFont categoryFont = Label3->font();
  categoryFont.setBold(true);
  categoryFont.setPointSize(11);
  Label3->setFont(categoryFont);

  AdvSmoothButton22 = new controls::RoundButton(Chart2);
  AdvSmoothButton22->setObjectName(QStringLiteral("AdvSmoothButton22"));
  AdvSmoothButton22->setText(QString::fromUtf8("Wyczyść statystyki"));
  AdvSmoothButton22->setColor(app::kSkyBlue);
  AdvSmoothButton22->setGeometry(14, 8, 200, 32);
  connect(AdvSmoothButton22, &QAbstractButton::clicked, this, &TForm1::AdvSmoothButton22Click);

  statystykibutton = new controls::RoundButton(TabSheet18);
  statystykibutton->setObjectName(QStringLiteral("statystykibutton"));
  statystykibutton->hide();
  connect(statystykibutton, &QAbstractButton::clicked, this, &TForm1::statystykibuttonClick);

  Timer11 = new QTimer(this);
  Timer11->setObjectName(QStringLiteral("Timer11"));
  Timer11->setInterval(50);
  connect(Timer11, &QTimer::timeout, this, [this] { turn(Series1); });
  Timer12 = new QTimer(this);
  Timer12->setObjectName(QStringLiteral("Timer12"));
  Timer12->setInterval(50);
  connect(Timer12, &QTimer::timeout, this, [this] { turn(Series2); });
  Chart1->installEventFilter(this);
  Chart2->installEventFilter(this);
}

bool TForm1::chartEventFilter(QObject* watched, QEvent* event) {
  // The pie under the mouse turns slowly, one degree every 50 ms.
  QTimer* timer = watched == Chart1 ? Timer11 : watched == Chart2 ? Timer12 : nullptr;
  if (!timer)
    return false;
  if (event->type() == QEvent::Enter)
    timer->start();
  if (event->type() == QEvent::Leave)
    timer->stop();
  return false;
}

void TForm1::applyChartTitles() {
  Chart1->chart()->setTitle(texts_.s(46));
  Chart2->chart()->setTitle(texts_.s(47));
  Chart1->setAccessibleName(texts_.s(46));
  Chart2->setAccessibleName(texts_.s(47));
}

void TForm1::statystykibuttonClick() {
  const stats::StatisticsFile statistics(userIni_, state_.currentCategory);
  const QColor green(128, 255, 128);
  const QColor red(255, 0, 0);
  const int right = statistics.counter(QStringLiteral("nauka"), QStringLiteral("poprawne"));
  const int wrong = statistics.counter(QStringLiteral("nauka"), QStringLiteral("niepoprawne"));
  const int passed = statistics.counter(QStringLiteral("egzamin"), QStringLiteral("zdane"));
  const int failed = statistics.counter(QStringLiteral("egzamin"), QStringLiteral("niezdane"));
  fillPie(Series1, {{texts_.s(194), right, green}, {texts_.s(191), wrong, red}});
  fillPie(Series2, {{texts_.s(192), passed, green}, {texts_.s(193), failed, red}});
  Chart1->setAccessibleDescription(
      QStringLiteral("%1: %2, %3: %4")
          .arg(texts_.s(194), QString::number(right), texts_.s(191), QString::number(wrong)));
  Chart2->setAccessibleDescription(
      QStringLiteral("%1: %2, %3: %4")
          .arg(texts_.s(192), QString::number(passed), texts_.s(193), QString::number(failed)));
  Label3->setText(QStringLiteral("Kategoria ") + state_.currentCategory);
  PageControl1->setCurrentWidget(TabSheet6);
}

void TForm1::AdvSmoothButton22Click() {
  if (!dialogs().askYesNo(texts_.s(1), texts_.s(94)))
    return;
  stats::StatisticsFile(userIni_, state_.currentCategory).resetCounters();
  statystykibuttonClick();
}

void TForm1::refreshStars(const QString& code) {
  const QString results = stats::StatisticsFile(userIni_, code).resultsForStars();
  const QDir data(programFolder() + QStringLiteral("/data"));
  for (int i = 0; i < 5 && i < results.size(); ++i) {
    QString picture;
    if (results.at(i) == QLatin1Char('0'))
      picture = QStringLiteral("redstar.png");
    if (results.at(i) == QLatin1Char('1'))
      picture = QStringLiteral("greenstar.png");
    if (results.at(i) == QLatin1Char('2'))
      picture = QStringLiteral("greystar.png");
    const QString path = data.filePath(picture);
    // Any other character, or a missing picture, leaves the star as it was.
    if (picture.isEmpty() || !QFileInfo(path).isFile())
      continue;
    starimages[i]->setPixmap(QPixmap(path));
    starimages[i]->setAccessibleName(results.at(i) == QLatin1Char('1') ? QStringLiteral("Passed")
                                     : results.at(i) == QLatin1Char('0')
                                         ? QStringLiteral("Failed")
                                         : QStringLiteral("No result"));
  }
}
