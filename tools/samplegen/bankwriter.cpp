#include "bankwriter.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QMap>
#include <QSaveFile>
#include <QVector>

#include <algorithm>

#include "bank/categories.h"
#include "bank/splitrecord.h"
#include "bankcontent.h"
#include "paintkit.h"
#include "scenes.h"
#include "signs.h"

namespace samplegen {

namespace {

constexpr int kFieldCount = 10;
const QSize kQuestionPictureSize(400, 300);
const QSize kAnswerPictureSize(200, 150);

// A small fixed-seed generator (splitmix64), so every build writes the same banks
// and each question depends only on its category and number.
class SampleRandom {
 public:
  SampleRandom(int category, int number)
      : state_((quint64(category + 1) << 40) ^ (quint64(number) * 0x9E3779B97F4A7C15ULL)) {}

  quint64 next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    quint64 z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  int below(int n) { return n <= 1 ? 0 : int(next() % quint64(n)); }

  template <typename T>
  void shuffle(QVector<T>& items) {
    for (int i = items.size() - 1; i > 0; --i)
      std::swap(items[i], items[below(i + 1)]);
  }

 private:
  quint64 state_;
};

// What a picture file shows; the same name is drawn once per category folder.
struct PictureJob {
  enum Kind { Sign, Scene } kind = Sign;
  int id = 0;
  QSize size;
};

// One question, the same in every language apart from the texts.
struct SampleRecord {
  Tri question;
  QVector<Tri> textAnswers;
  QStringList pictureAnswers;
  Tri note;
  QString picture;
  QString letters;

  QStringList fields(Language language) const {
    QStringList result;
    result << samplePrefix().in(language) + question.in(language);
    for (int i = 0; i < 6; ++i) {
      if (!pictureAnswers.isEmpty()) {
        result << pictureAnswers.value(i);
      } else {
        result << (i < textAnswers.size() ? textAnswers[i].in(language) : QString());
      }
    }
    result << note.in(language) << picture << letters;
    return result;
  }
};

// Picks one to three right answers and enough wrong ones for four to six answers,
// shuffles them and fills in the letters of the right ones.
template <typename T>
void chooseAnswers(SampleRandom& random, const QVector<T>& correct, const QVector<T>& wrong,
                   QVector<T>* answers, QString* letters) {
  const int most = std::min<int>(3, correct.size());
  const int rightCount = 1 + random.below(most);
  const int total = std::min<int>(4 + random.below(3), rightCount + wrong.size());

  QVector<int> rightPick(correct.size());
  for (int i = 0; i < rightPick.size(); ++i)
    rightPick[i] = i;
  random.shuffle(rightPick);
  QVector<int> wrongPick(wrong.size());
  for (int i = 0; i < wrongPick.size(); ++i)
    wrongPick[i] = i;
  random.shuffle(wrongPick);

  QVector<QPair<bool, int>> chosen;
  for (int i = 0; i < rightCount; ++i)
    chosen << qMakePair(true, rightPick[i]);
  for (int i = 0; i < total - rightCount; ++i)
    chosen << qMakePair(false, wrongPick[i]);
  random.shuffle(chosen);

  answers->clear();
  letters->clear();
  for (int position = 0; position < chosen.size(); ++position) {
    const bool right = chosen[position].first;
    answers->append(right ? correct[chosen[position].second] : wrong[chosen[position].second]);
    if (right)
      letters->append(QChar('A' + position));
  }
}

QString answerPictureName(SignId sign) {
  return QStringLiteral("img%1").arg(int(sign) + 1, 2, 10, QLatin1Char('0'));
}

QString questionPictureName(int pictureNumber, const QString& extension) {
  return QStringLiteral("q%1").arg(pictureNumber, 4, 10, QLatin1Char('0')) + extension;
}

QVector<SignId> signsWhere(bool (*test)(SignId, SignGroup), SignGroup group) {
  QVector<SignId> result;
  for (int i = 0; i < kSignCount; ++i) {
    const SignId sign = SignId(i);
    if (test(sign, group))
      result << sign;
  }
  return result;
}

bool inGroup(SignId sign, SignGroup group) {
  return signGroup(sign) == group;
}
bool otherRoadSign(SignId sign, SignGroup group) {
  return signGroup(sign) != group && signGroup(sign) != SignGroup::Light;
}

// A question whose answers are pictures of signs or traffic lights.
SampleRecord pictureAnswerRecord(SampleRandom& random, QMap<QString, PictureJob>& pictures) {
  SampleRecord record;
  QVector<SignId> correct;
  QVector<SignId> wrong;
  const int kind = random.below(10);
  if (kind < 5) {
    // "Which sign means ...?" - never the width sign, whose meaning holds quotes itself.
    SignId target;
    do {
      target = SignId(random.below(kCountdown + 1));
    } while (target == kWidthLimit);
    const SignGroup group = signGroup(target);
    correct << target;
    for (const SignId sign : signsWhere(inGroup, group)) {
      if (sign != target)
        wrong << sign;
    }
    record.question = whichSignMeans(signMeaning(target));
    record.note = thisSignMeansNote(signMeaning(target), group);
  } else if (kind < 9) {
    const SignGroup groups[3] = {SignGroup::Warning, SignGroup::Order, SignGroup::Information};
    const SignGroup group = groups[random.below(3)];
    correct = signsWhere(inGroup, group);
    wrong = signsWhere(otherRoadSign, group);
    record.question = whichSignsOfGroup(group);
    record.note = signGroupNote(group);
  } else {
    correct << kLightGreen;
    wrong << kLightRed << kLightRedAmber << kLightAmber;
    record.question = whichLightMeansGo();
    record.note = signGroupNote(SignGroup::Light);
  }
  QVector<SignId> answers;
  chooseAnswers(random, correct, wrong, &answers, &record.letters);
  for (const SignId sign : answers) {
    record.pictureAnswers << answerPictureName(sign);
    pictures.insert(answerPictureName(sign),
                    PictureJob{PictureJob::Sign, sign, kAnswerPictureSize});
  }
  return record;
}

SampleRecord fromTemplate(SampleRandom& random, const QuestionTemplate& text) {
  SampleRecord record;
  record.question = text.question;
  record.note = text.note;
  chooseAnswers(random, text.correct, text.wrong, &record.textAnswers, &record.letters);
  return record;
}

// A question about the sign or scene in the question picture.
SampleRecord questionPictureRecord(SampleRandom& random, const QString& extension,
                                   QMap<QString, PictureJob>& pictures) {
  if (random.below(5) < 3) {
    const SignId sign = SignId(random.below(kSignCount));
    const SignGroup group = signGroup(sign);
    QuestionTemplate text;
    text.question = group == SignGroup::Light ? lightQuestion() : signQuestion(random.below(2));
    text.correct << signMeaning(sign);
    for (const SignId other : signsWhere(inGroup, group)) {
      if (other != sign)
        text.wrong << signMeaning(other);
    }
    text.note = thisSignMeansNote(signMeaning(sign), group);
    SampleRecord record = fromTemplate(random, text);
    record.picture = questionPictureName(int(sign) + 1, extension);
    pictures.insert(record.picture, PictureJob{PictureJob::Sign, sign, kQuestionPictureSize});
    return record;
  }
  const SceneTemplate& scene = sceneTemplates()[random.below(sceneTemplates().size())];
  SampleRecord record = fromTemplate(random, scene.text);
  record.picture = questionPictureName(101 + int(scene.scene), extension);
  pictures.insert(record.picture, PictureJob{PictureJob::Scene, scene.scene, kQuestionPictureSize});
  return record;
}

QVector<SampleRecord> buildCategory(int categoryIndex, QMap<QString, PictureJob>& pictures) {
  const bank::CategoryInfo& category = bank::categoryTable()[categoryIndex];
  QVector<const QuestionTemplate*> pool;
  for (const QuestionTemplate& text : textTemplates()) {
    if (text.categories & (1u << categoryIndex))
      pool << &text;
  }
  QVector<SampleRecord> records;
  records.reserve(category.questionCount);
  for (int number = 1; number <= category.questionCount; ++number) {
    SampleRandom random(categoryIndex, number);
    // Roughly one question in eight has picture answers and one in three a picture.
    if (number % 8 == 5) {
      records << pictureAnswerRecord(random, pictures);
    } else if (number % 3 == 0) {
      records << questionPictureRecord(random, category.answerExtension, pictures);
    } else {
      records << fromTemplate(random, *pool[random.below(pool.size())]);
    }
  }
  return records;
}

bool needsQuotes(const QString& field) {
  for (const QChar c : field) {
    const ushort code = c.unicode();
    if (code <= 32 || c == QLatin1Char(',') || c == QLatin1Char('"'))
      return true;
  }
  return false;
}

// Checks what the program relies on in a record, beyond the splitting itself.
QString recordProblem(const QStringList& fields, const bank::CategoryInfo& category,
                      const QString& programDir) {
  const bool pictureAnswers = fields[1].startsWith(QLatin1String("img"));
  int answerCount = 0;
  while (answerCount < 6 && !fields[1 + answerCount].isEmpty())
    ++answerCount;
  for (int i = answerCount; i < 6; ++i) {
    if (!fields[1 + i].isEmpty())
      return QStringLiteral("an answer follows an empty one");
  }
  if (answerCount < 4)
    return QStringLiteral("fewer than four answers");
  for (int i = 0; i < answerCount; ++i) {
    for (int j = i + 1; j < answerCount; ++j) {
      if (fields[1 + i] == fields[1 + j])
        return QStringLiteral("two answers are the same");
    }
    if (pictureAnswers) {
      const QString file =
          QDir(programDir)
              .filePath(category.pictureFolder + fields[1 + i] + category.answerExtension);
      if (!QFile::exists(file))
        return QStringLiteral("answer picture %1 is missing").arg(file);
    }
  }
  const QString letters = fields[9];
  if (letters.isEmpty())
    return QStringLiteral("no correct letters");
  for (int i = 0; i < letters.size(); ++i) {
    const int index = letters[i].unicode() - 'A';
    if (index < 0 || index >= answerCount)
      return QStringLiteral("a letter names no answer");
    if (i > 0 && letters[i] <= letters[i - 1])
      return QStringLiteral("letters out of order");
  }
  if (fields[7].isEmpty())
    return QStringLiteral("empty knowledge-bank note");
  if (!fields[8].isEmpty() &&
      !QFile::exists(QDir(programDir).filePath(category.pictureFolder + fields[8]))) {
    return QStringLiteral("question picture %1 is missing").arg(fields[8]);
  }
  return QString();
}

// Reads a written bank back from disk and checks its layout and every record.
bool checkBankFile(const QString& path, const QVector<QStringList>& expected,
                   const bank::CategoryInfo& category, const QString& programDir, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = QStringLiteral("%1: cannot read it back").arg(path);
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (!bytes.startsWith("\xEF\xBB\xBF")) {
    *error = QStringLiteral("%1: no UTF-8 byte-order mark").arg(path);
    return false;
  }
  const QString text = QString::fromUtf8(bytes.mid(3));
  QStringList lines = text.split(QStringLiteral("\r\n"));
  if (lines.isEmpty() || !lines.last().isEmpty()) {
    *error = QStringLiteral("%1: the last line does not end in CR LF").arg(path);
    return false;
  }
  lines.removeLast();
  if (lines.size() != category.questionCount + 1) {
    *error = QStringLiteral("%1: %2 lines instead of %3")
                 .arg(path)
                 .arg(lines.size())
                 .arg(category.questionCount + 1);
    return false;
  }
  for (int number = 0; number < lines.size(); ++number) {
    const QString& line = lines[number];
    if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n'))) {
      *error = QStringLiteral("%1, line %2: a stray line break").arg(path).arg(number);
      return false;
    }
    if (number == 0)
      continue;
    const QStringList fields = bank::SplitRecord(line);
    if (fields != expected[number - 1]) {
      *error = QStringLiteral(
                   "%1, line %2: splits into %3 fields that differ from what was "
                   "written: %4")
                   .arg(path)
                   .arg(number)
                   .arg(fields.size())
                   .arg(line);
      return false;
    }
    const QString problem = recordProblem(fields, category, programDir);
    if (!problem.isEmpty()) {
      *error = QStringLiteral("%1, line %2: %3").arg(path, QString::number(number), problem);
      return false;
    }
  }
  return true;
}

bool writeBankFile(const QString& path, const QString& header, const QVector<QStringList>& records,
                   QString* error) {
  QByteArray bytes("\xEF\xBB\xBF");
  bytes += quoteField(header).toUtf8();
  bytes += "\r\n";
  for (const QStringList& fields : records) {
    bytes += recordLine(fields).toUtf8();
    bytes += "\r\n";
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    *error = QStringLiteral("%1: cannot write it (%2)").arg(path, file.errorString());
    return false;
  }
  return true;
}

bool writePictures(const QString& folder, VehicleType vehicle,
                   const QMap<QString, PictureJob>& pictures, const QString& answerExtension,
                   QHash<QString, QImage>& signCache, QString* error) {
  for (auto it = pictures.constBegin(); it != pictures.constEnd(); ++it) {
    const PictureJob& job = it.value();
    QImage image;
    if (job.kind == PictureJob::Sign) {
      // Signs look the same in every category, so each size is drawn only once.
      const QString key = QStringLiteral("%1/%2").arg(job.id).arg(job.size.width());
      if (!signCache.contains(key))
        signCache.insert(key, signPicture(SignId(job.id), job.size));
      image = signCache.value(key);
    } else {
      image = scenePicture(SceneId(job.id), vehicle, job.size);
    }
    // Question pictures carry their extension in the name; answer pictures get the
    // category's extension added, as the program does when it loads them.
    const QString name =
        it.key().startsWith(QLatin1String("img")) ? it.key() + answerExtension : it.key();
    if (!savePicture(image, QDir(folder).filePath(name), error))
      return false;
  }
  return true;
}

}  // namespace

QString quoteField(const QString& field) {
  if (!needsQuotes(field))
    return field;
  QString quoted = field;
  quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString recordLine(const QStringList& fields) {
  QStringList quoted;
  quoted.reserve(fields.size());
  for (const QString& field : fields)
    quoted << quoteField(field);
  return quoted.join(QLatin1Char(','));
}

bool writeSampleBanks(const QString& programDir, QString* error) {
  const QVector<bank::CategoryInfo>& categories = bank::categoryTable();
  const Language languages[3] = {Language::English, Language::Polish, Language::German};
  const char* codes[3] = {"en", "pl", "de"};
  QHash<QString, QImage> signCache;

  for (int index = 0; index < categories.size(); ++index) {
    const bank::CategoryInfo& category = categories[index];
    QMap<QString, PictureJob> pictures;
    const QVector<SampleRecord> records = buildCategory(index, pictures);

    const QString folder = QDir(programDir).filePath(category.pictureFolder);
    if (!QDir().mkpath(folder)) {
      *error = QStringLiteral("cannot create the folder %1").arg(folder);
      return false;
    }
    if (!writePictures(folder, vehicleOfCategory(index), pictures, category.answerExtension,
                       signCache, error)) {
      return false;
    }

    for (int l = 0; l < 3; ++l) {
      QVector<QStringList> fields;
      fields.reserve(records.size());
      for (const SampleRecord& record : records) {
        fields << record.fields(languages[l]);
        if (fields.last().size() != kFieldCount) {
          *error = QStringLiteral("internal error: a record without ten fields");
          return false;
        }
      }
      const QString path =
          QDir(programDir).filePath(bank::bankFileName(category, QString::fromLatin1(codes[l])));
      if (!writeBankFile(path, headerLine(category.code).in(languages[l]), fields, error) ||
          !checkBankFile(path, fields, category, programDir, error)) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace samplegen
