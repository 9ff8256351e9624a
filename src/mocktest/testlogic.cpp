#include "mocktest/testlogic.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "bank/categories.h"
#include "platform/inifile.h"

namespace mocktest {

namespace {

// The last question of each slot's range; a range starts after the previous one ends.
// B and D share the first 49 ranges.
const int kLastA[kSlotCount] = {19,  38,  55,  71,  88,  104, 120, 137, 153, 170, 187, 203, 220,
                                234, 248, 263, 276, 295, 311, 329, 348, 370, 389, 407, 426, 441,
                                457, 473, 486, 501, 515, 530, 544, 561, 578, 595, 611, 629, 646,
                                663, 681, 698, 716, 735, 749, 764, 779, 794, 811, 827};
const int kLastB[kSlotCount] = {20,  39,  57,  65,  89,  102, 125, 147, 170, 201, 222, 240, 260,
                                275, 290, 305, 320, 335, 355, 385, 406, 420, 436, 463, 484, 505,
                                525, 546, 567, 592, 607, 623, 638, 652, 667, 686, 705, 724, 744,
                                764, 783, 802, 823, 845, 867, 886, 905, 924, 945, 960};
const int kLastC[kSlotCount] = {21,  43,  64,  82,  103, 124, 139, 156, 172, 188,  209, 231, 254,
                                276, 298, 321, 341, 361, 381, 401, 421, 441, 464,  486, 508, 528,
                                551, 574, 596, 618, 641, 661, 681, 701, 720, 753,  777, 800, 823,
                                853, 870, 888, 905, 922, 940, 958, 977, 994, 1011, 1031};

const QString kSection = QStringLiteral("plik");

}  // namespace

QVector<DrawRange> drawRanges(const QString& categoryCode) {
  const int* last = nullptr;
  if (categoryCode == QLatin1String("A"))
    last = kLastA;
  if (categoryCode == QLatin1String("B") || categoryCode == QLatin1String("D"))
    last = kLastB;
  if (categoryCode == QLatin1String("C"))
    last = kLastC;
  if (!last)
    return {};
  QVector<DrawRange> ranges;
  int first = 1;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    int end = last[slot];
    if (slot == kSlotCount - 1 && categoryCode == QLatin1String("D"))
      end = 974;
    ranges.append({first, end});
    first = end + 1;
  }
  return ranges;
}

QVector<int> drawQuestions(const QString& categoryCode, platform::Random& random) {
  QVector<int> numbers;
  for (const DrawRange& range : drawRanges(categoryCode)) {
    numbers.append(random.between(range.first, range.last));
  }
  return numbers;
}

bool loadSlotRecords(const QString& bankPath, const QString& programFolder,
                     const QString& categoryCode, TestSlots& testSlots, bank::BankError* error) {
  const bank::CategoryInfo* category = bank::categoryInfo(categoryCode);
  if (!category) {
    if (error)
      *error = {bankPath, -1, QStringLiteral("there is no category %1.").arg(categoryCode)};
    return false;
  }
  bank::BankFile file;
  if (!file.load(bankPath, error))
    return false;
  std::array<bank::QuestionRecord, kSlotCount> records;
  for (int k = 0; k < kSlotCount; ++k) {
    if (!file.record(testSlots[k].questionNumber, &records[k], error))
      return false;
  }
  const QDir folder(programFolder);
  for (int k = 0; k < kSlotCount; ++k) {
    testSlots[k].questionText = records[k].question();
    testSlots[k].picturePath = folder.filePath(category->pictureFolder + records[k].pictureFile());
    testSlots[k].correctLetters = records[k].correctLetters();
  }
  return true;
}

bool slotIsRight(const TestSlot& slot) {
  return !slot.givenLetters.isEmpty() && slot.givenLetters == slot.correctLetters;
}

int scoreSlots(const TestSlots& testSlots) {
  int points = 0;
  for (const TestSlot& slot : testSlots)
    points += slotIsRight(slot) ? 1 : 0;
  return points;
}

QVector<int> wronglyAnswered(const TestSlots& testSlots) {
  QVector<int> numbers;
  for (const TestSlot& slot : testSlots) {
    if (!slot.givenLetters.isEmpty() && slot.givenLetters != slot.correctLetters) {
      numbers.append(slot.questionNumber);
    }
  }
  return numbers;
}

QString archiveFileName(const QDateTime& moment) {
  const QDate date = moment.date();
  const QTime time = moment.time();
  return QString::asprintf("%04d-%02d-%02d-h-%02d--%02d--%02d", date.year(), date.month(),
                           date.day(), time.hour(), time.minute(), time.second());
}

QString fileNameTimeStamp(const QDateTime& moment) {
  const QLocale locale = QLocale::system();
  QString stamp = locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                  locale.toString(moment.time(), QLocale::LongFormat);
  stamp.replace(QLatin1Char(' '), QStringLiteral("-h-"));
  stamp.replace(QLatin1Char(':'), QLatin1Char('.'));
  stamp.replace(QLatin1Char('\\'), QLatin1Char('-'));
  stamp.replace(QLatin1Char('/'), QLatin1Char('-'));
  return stamp;
}

bool TestClock::tick() {
  if (seconds_ <= 0) {
    seconds_ = 60;
    --minutes_;
  }
  --seconds_;
  return minutes_ <= 0 && seconds_ <= 0;
}

QString TestClock::twoDigits(int value) {
  return value < 10 ? QLatin1Char('0') + QString::number(value) : QString::number(value);
}

bool writeSavedTest(const QString& path, const QString& category, int points,
                    const QString& language, const TestSlots& testSlots) {
  platform::IniFile ini;
  if (!QFileInfo(path).dir().exists() || !ini.load(path))
    return false;
  ini.setValue(kSection, QStringLiteral("kategoria"), category);
  ini.setValue(kSection, QStringLiteral("punktow"), QString::number(points));
  ini.setValue(kSection, QStringLiteral("lang"), language);
  for (int k = 0; k < kSlotCount; ++k) {
    ini.setValue(kSection, QStringLiteral("pnr%1").arg(k + 1),
                 QString::number(testSlots[k].questionNumber));
  }
  for (int k = 0; k < kSlotCount; ++k) {
    ini.setValue(kSection, QStringLiteral("prawodp%1").arg(k + 1), testSlots[k].correctLetters);
  }
  for (int k = 0; k < kSlotCount; ++k) {
    ini.setValue(kSection, QStringLiteral("odp%1").arg(k + 1), testSlots[k].givenLetters);
  }
  return ini.save(path);
}

bool readSavedTest(const QString& path, SavedTest* test, QString* error) {
  const QString name = QDir::toNativeSeparators(path);
  auto fail = [&](const QString& problem) {
    if (error)
      *error = QStringLiteral("The test file %1 cannot be opened: %2").arg(name, problem);
    return false;
  };
  platform::IniFile ini;
  if (!QFileInfo(path).isFile() || !ini.load(path))
    return fail(QStringLiteral("it cannot be read."));

  SavedTest read;
  read.category = ini.value(kSection, QStringLiteral("kategoria"), QStringLiteral("B"));
  const bank::CategoryInfo* category = bank::categoryInfo(read.category);
  if (!category) {
    return fail(
        QStringLiteral("its category \"%1\" is not one of A, B, C and D.").arg(read.category));
  }
  read.language = ini.value(kSection, QStringLiteral("lang"), QStringLiteral("en"));
  if (!ini.contains(kSection, QStringLiteral("punktow"))) {
    return fail(QStringLiteral("the points (punktow) are missing."));
  }
  bool ok = false;
  const QString pointsText = ini.value(kSection, QStringLiteral("punktow"));
  read.points = pointsText.toInt(&ok, 10);
  if (!ok)
    return fail(
        QStringLiteral("the points (punktow) \"%1\" are not a whole number.").arg(pointsText));
  for (int k = 0; k < kSlotCount; ++k) {
    const QString key = QStringLiteral("pnr%1").arg(k + 1);
    const QString text = ini.value(kSection, key, QStringLiteral("1"));
    const int number = text.toInt(&ok, 10);
    if (!ok)
      return fail(QStringLiteral("%1 \"%2\" is not a whole number.").arg(key, text));
    if (number < 1 || number > category->questionCount) {
      return fail(QStringLiteral("%1 = %2 is not a question of category %3 (1 to %4).")
                      .arg(key, text, read.category, QString::number(category->questionCount)));
    }
    read.testSlots[k].questionNumber = number;
    read.testSlots[k].correctLetters = ini.value(kSection, QStringLiteral("prawodp%1").arg(k + 1));
    read.testSlots[k].givenLetters = ini.value(kSection, QStringLiteral("odp%1").arg(k + 1));
  }
  *test = read;
  return true;
}

}  // namespace mocktest
