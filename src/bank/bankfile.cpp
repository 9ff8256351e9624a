#include "bank/bankfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "bank/splitrecord.h"
#include "bank/textdecode.h"

namespace bank {

QString BankError::message() const {
  const QString name = QDir::toNativeSeparators(file);
  if (line < 0)
    return QStringLiteral("Question bank file %1: %2").arg(name, problem);
  return QStringLiteral("Question bank file %1, line %2: %3")
      .arg(name, QString::number(line), problem);
}

QuestionRecord::QuestionRecord(int number, QStringList fields)
    : number_(number), fields_(std::move(fields)) {
  while (fields_.size() > kFieldCount)
    fields_.removeLast();
}

bool QuestionRecord::hasPictureAnswers() const {
  return answer(0).startsWith(QLatin1String("img"), Qt::CaseSensitive);
}

namespace {

bool fail(BankError* error, const QString& file, int line, const QString& problem) {
  if (error)
    *error = BankError{file, line, problem};
  return false;
}

}  // namespace

bool BankFile::load(const QString& path, BankError* error) {
  path_ = path;
  lines_.clear();
  QFile file(path);
  if (!file.exists()) {
    return fail(error, path, -1,
                QStringLiteral("the file is missing. Please reinstall the program."));
  }
  if (!file.open(QIODevice::ReadOnly)) {
    return fail(error, path, -1,
                QStringLiteral("the file cannot be read (%1).").arg(file.errorString()));
  }
  lines_ = splitLines(decodeText(file.readAll()));
  return true;
}

bool BankFile::holdsQuestions(int lastQuestion, BankError* error) const {
  if (lastQuestion < lines_.size())
    return true;
  return fail(error, path_, lastQuestion,
              QStringLiteral("the file ends after %1 lines, so this question is missing. "
                             "The file is damaged or incomplete.")
                  .arg(lines_.size()));
}

bool BankFile::record(int number, QuestionRecord* record, BankError* error) const {
  if (number < 0 || !holdsQuestions(number, error)) {
    if (number < 0)
      return fail(error, path_, number, QStringLiteral("no such question."));
    return false;
  }
  QStringList fields = SplitRecord(lines_.at(number));
  if (fields.size() < QuestionRecord::kFieldCount) {
    return fail(error, path_, number,
                QStringLiteral("the question record has %1 fields instead of %2.")
                    .arg(fields.size())
                    .arg(QuestionRecord::kFieldCount));
  }
  if (record)
    *record = QuestionRecord(number, std::move(fields));
  return true;
}

bool readQuestion(const QString& bankPath, int number, QuestionRecord* record, BankError* error) {
  BankFile file;
  return file.load(bankPath, error) && file.record(number, record, error);
}

QString BankFiles::pathFor(const QString& categoryCode) const {
  const auto& table = categoryTable();
  for (int i = 0; i < table.size(); ++i) {
    if (table.at(i).code == categoryCode)
      return paths[i];
  }
  return QString();
}

void SelectBankFiles(const QString& languageCode, const QString& programFolder, BankFiles& files) {
  const auto& table = categoryTable();
  for (int i = 0; i < table.size(); ++i) {
    const QString name = bankFileName(table.at(i), languageCode);
    if (name.isEmpty())
      return;  // unknown language: keep the paths
    files.paths[i] = QDir(programFolder).filePath(name);
  }
}

QString answerPicturePath(const QString& programFolder, const CategoryInfo& category,
                          const QString& fieldText) {
  if (fieldText.isEmpty())
    return QString();
  const QString path =
      QDir(programFolder).filePath(category.pictureFolder + fieldText + category.answerExtension);
  return QFileInfo(path).isFile() ? path : QString();
}

QString questionPicturePath(const QString& programFolder, const CategoryInfo& category,
                            const QString& pictureField) {
  if (!pictureField.isEmpty()) {
    const QString path = QDir(programFolder).filePath(category.pictureFolder + pictureField);
    if (QFileInfo(path).isFile())
      return path;
  }
  return noPicturePlaceholderPath(programFolder);
}

QString noQuestionPicturePath(const QString& programFolder) {
  return QDir(programFolder).filePath(QStringLiteral("data/empty.jpg"));
}

QString testRunningPicturePath(const QString& programFolder) {
  return QDir(programFolder).filePath(QStringLiteral("data/empty2.jpg"));
}

QString noPicturePlaceholderPath(const QString& programFolder) {
  return QDir(programFolder).filePath(QStringLiteral("data/obruk/empty.jpg"));
}

QString markHint(const QString& correctLetters) {
  const int count = correctLetters.size();
  return QStringLiteral("mark %1%2")
      .arg(count)
      .arg(count == 1 ? QStringLiteral(" answer") : QStringLiteral(" answers"));
}

}  // namespace bank
