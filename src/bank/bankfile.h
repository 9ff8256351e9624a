#pragma once

#include <QString>
#include <QStringList>

#include "bank/categories.h"

namespace bank {

// What went wrong while reading a bank file, in words a user can act on.
struct BankError {
  QString file;
  int line = -1;  // -1 when the whole file is concerned
  QString problem;

  QString message() const;
};

// A question record split into its ten fields.
class QuestionRecord {
 public:
  static constexpr int kFieldCount = 10;

  QuestionRecord() = default;
  QuestionRecord(int number, QStringList fields);

  int number() const { return number_; }
  const QStringList& fields() const { return fields_; }
  QString question() const { return fields_.value(0); }
  // Answer A is index 0 .. answer F is index 5.
  QString answer(int index) const { return fields_.value(1 + index); }
  QString note() const { return fields_.value(7); }
  QString pictureFile() const { return fields_.value(8); }
  QString correctLetters() const { return fields_.value(9); }
  // Answers are pictures when answer A's text begins with exactly "img".
  bool hasPictureAnswers() const;

 private:
  int number_ = 0;
  QStringList fields_;
};

// The lines of one bank file, loaded once so that several records can be taken.
class BankFile {
 public:
  // Loads and decodes the whole file. On failure returns false and fills error.
  bool load(const QString& path, BankError* error);

  // Checks that the file holds every line up to lastQuestion.
  bool holdsQuestions(int lastQuestion, BankError* error) const;

  // Splits line number into a record; fails when the line is missing or holds fewer
  // than ten fields. Fields beyond the tenth are ignored.
  bool record(int number, QuestionRecord* record, BankError* error) const;

  int lineCount() const { return lines_.size(); }
  QString path() const { return path_; }

 private:
  QString path_;
  QStringList lines_;
};

// Loads the bank file afresh and takes one record: what a reader does for every
// question it shows.
bool readQuestion(const QString& bankPath, int number, QuestionRecord* record, BankError* error);

// The four bank file paths, one per category, indexed A = 0 .. D = 3.
struct BankFiles {
  QString paths[4];
  QString pathFor(const QString& categoryCode) const;
};

// Sets the four paths for a language code from the folder given (the program folder).
// An unknown code leaves the paths as they are.
void SelectBankFiles(const QString& languageCode, const QString& programFolder, BankFiles& files);

// The picture of an answer, or an empty string when there is none to show: E and F
// with an empty field, or a file that does not exist.
QString answerPicturePath(const QString& programFolder, const CategoryInfo& category,
                          const QString& fieldText);

// The picture beside the question: the stored file when it exists, otherwise the
// placeholder for a question without a picture.
QString questionPicturePath(const QString& programFolder, const CategoryInfo& category,
                            const QString& pictureField);

// Placeholder pictures.
QString noQuestionPicturePath(const QString& programFolder);     // learning page, number 0
QString testRunningPicturePath(const QString& programFolder);    // test question changing
QString noPicturePlaceholderPath(const QString& programFolder);  // question without picture

// "mark 1 answer", "mark 2 answers": how many answers the user has to mark.
QString markHint(const QString& correctLetters);

}  // namespace bank
