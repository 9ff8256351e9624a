#pragma once

#include <QString>
#include <QVector>

#include "scenes.h"
#include "signs.h"

namespace samplegen {

// The three languages a bank file is written in, in the order of the file columns.
enum class Language { English, Polish, German };

// One text in the three languages.
struct Tri {
  QString en;
  QString pl;
  QString de;

  const QString& in(Language language) const;
};

Tri T(const char* en, const char* pl, const char* de);

// Licence categories a template suits, one bit per category in the order A, B, C, D.
enum CategoryMask : unsigned {
  kCatA = 1,
  kCatB = 2,
  kCatC = 4,
  kCatD = 8,
  kAllCategories = 15,
};

// A sample question: the question, the answers that are right and a pool of wrong
// ones to draw from, and the knowledge-bank note. Several right answers mean any
// of them may be offered, one to three at a time.
struct QuestionTemplate {
  unsigned categories = kAllCategories;
  Tri question;
  QVector<Tri> correct;
  QVector<Tri> wrong;
  Tri note;
};

// A question about a road scene shown as the question picture.
struct SceneTemplate {
  SceneId scene;
  QuestionTemplate text;
};

// Text-only questions, including the ones built from tables (speed limits,
// stopping distances).
const QVector<QuestionTemplate>& textTemplates();

// One question for each road scene.
const QVector<SceneTemplate>& sceneTemplates();

// What a sign or a traffic light means.
Tri signMeaning(SignId sign);

// A sentence about the kind of sign, used in knowledge-bank notes.
Tri signGroupNote(SignGroup group);

// Texts for questions built around signs.
Tri signQuestion(int variant);  // "What does this sign mean?" and variants
Tri lightQuestion();            // "What does this traffic light mean?"
Tri whichSignMeans(const Tri& meaning);
Tri whichSignsOfGroup(SignGroup group);
Tri whichLightMeansGo();
Tri thisSignMeansNote(const Tri& meaning, SignGroup group);

// The marker every sample question starts with, and the unused first line of a file.
Tri samplePrefix();
Tri headerLine(const QString& categoryCode);

}  // namespace samplegen
