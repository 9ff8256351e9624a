#include <QDir>
#include <QFile>
#include <QtTest>

#include "bank/bankfile.h"
#include "bank/categories.h"
#include "bank/splitrecord.h"
#include "bank/textdecode.h"
#include "testsupport.h"

using namespace bank;

class TestBank : public QObject {
  Q_OBJECT

 private slots:
  void splitRecord_data();
  void splitRecord();
  void wellFormedRecordHasTenFields();
  void decode_data();
  void decode();
  void lines_data();
  void lines();
  void categoryTable();
  void selectBankFiles();
  void readQuestion();
  void bankErrors_data();
  void bankErrors();
  void pictureAnswers_data();
  void pictureAnswers();
  void picturePaths();
  void markHint_data();
  void markHint();
};

void TestBank::splitRecord_data() {
  QTest::addColumn<QString>("line");
  QTest::addColumn<QStringList>("fields");

  QTest::newRow("quoted commas and blanks stay one field")
      << R"("Stop, look and listen",B)" << QStringList{"Stop, look and listen", "B"};
  QTest::newRow("doubled quotes collapse")
      << R"("A sign reading ""STOP""",x)" << QStringList{R"(A sign reading "STOP")", "x"};
  QTest::newRow("missing closing quote takes the rest")
      << R"(a,"open field, with ""quote"" and more)"
      << QStringList{"a", R"(open field, with "quote" and more)"};
  QTest::newRow("two commas give an empty field") << "a,,b" << QStringList{"a", "", "b"};
  QTest::newRow("blanks between commas give an empty field")
      << "a,  ,b" << QStringList{"a", "", "b"};
  QTest::newRow("trailing comma gives a final empty field") << "a,b," << QStringList{"a", "b", ""};
  QTest::newRow("trailing comma then blanks gives none") << "a,b, " << QStringList{"a", "b"};
  QTest::newRow("blank ends an unquoted field")
      << "two words,x" << QStringList{"two", "words", "x"};
  QTest::newRow("tab ends an unquoted field") << "a\tb" << QStringList{"a", "b"};
  QTest::newRow("text straight after a closing quote")
      << R"("quoted"tail,x)" << QStringList{"quoted", "tail", "x"};
  QTest::newRow("leading and trailing blanks skipped") << "   a , b   " << QStringList{"a", "b"};
  QTest::newRow("empty line gives no field") << "" << QStringList{};
  QTest::newRow("blank-only line gives no field") << " \t  " << QStringList{};
  QTest::newRow("leading comma gives an empty first field") << ",a" << QStringList{"", "a"};
  QTest::newRow("empty quoted field") << R"("",a)" << QStringList{"", "a"};
  QTest::newRow("lone comma") << "," << QStringList{"", ""};
  QTest::newRow("Polish letters unquoted") << "źdźbło,żółw" << QStringList{"źdźbło", "żółw"};
}

void TestBank::splitRecord() {
  QFETCH(QString, line);
  QFETCH(QStringList, fields);
  QCOMPARE(SplitRecord(line), fields);

  // The list given is cleared first.
  QStringList reused{"left", "over"};
  SplitRecord(line, reused);
  QCOMPARE(reused, fields);
}

void TestBank::wellFormedRecordHasTenFields() {
  const QString line =
      R"("What should you do at a zebra crossing?","Speed up","Wave people across","Give way to people on it","Sound the horn",,,"Pedestrians on the crossing have priority.",q0012.jpg,C)";
  const QStringList fields = SplitRecord(line);
  QCOMPARE(fields.size(), 10);
  QCOMPARE(fields.at(5), QString());
  QCOMPARE(fields.at(6), QString());
  QCOMPARE(fields.at(8), QStringLiteral("q0012.jpg"));
  QCOMPARE(fields.at(9), QStringLiteral("C"));

  // Without quotes around the question its words become fields and shift the rest.
  QString unquoted = line;
  unquoted.replace(R"("What should you do at a zebra crossing?")",
                   "What should you do at a zebra crossing?");
  const QStringList shifted = SplitRecord(unquoted);
  QCOMPARE(shifted.size(), 17);
  QCOMPARE(shifted.at(0), QStringLiteral("What"));
  QCOMPARE(shifted.at(9), QStringLiteral("Wave people across"));
}

void TestBank::decode_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("text");
  const QString polish = QStringLiteral("Zażółć gęślą jaźń ÄÖÜß");

  QTest::newRow("UTF-8 with byte-order mark")
      << QByteArray("\xEF\xBB\xBF") + polish.toUtf8() << polish;
  QByteArray le("\xFF\xFE");
  QByteArray be("\xFE\xFF");
  for (const QChar c : polish) {
    le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
  }
  QTest::newRow("UTF-16 little endian") << le << polish;
  QTest::newRow("UTF-16 big endian") << be << polish;
  QTest::newRow("UTF-8 without mark") << polish.toUtf8() << polish;
  // "Zażółć" in Windows-1250: not valid UTF-8, so read in the Central European code page.
  QTest::newRow("Windows-1250 without mark")
      << QByteArray("Za\xBF\xF3\xB3\xE6 \xA5\xB9 \x8C\x9C") << QStringLiteral("Zażółć Ąą Śś");
  QTest::newRow("plain ASCII") << QByteArray("abc") << QStringLiteral("abc");
  QTest::newRow("empty") << QByteArray() << QString();
}

void TestBank::decode() {
  QFETCH(QByteArray, bytes);
  QFETCH(QString, text);
  QCOMPARE(decodeText(bytes), text);
}

void TestBank::lines_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QStringList>("lines");
  QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
  QTest::newRow("LF") << "a\nb" << QStringList{"a", "b"};
  QTest::newRow("CR") << "a\rb\r" << QStringList{"a", "b"};
  QTest::newRow("mixed with empty lines") << "a\r\n\nb\r\rc" << QStringList{"a", "", "b", "", "c"};
  QTest::newRow("one break adds no line") << "\n" << QStringList{""};
  QTest::newRow("nothing") << "" << QStringList{};
}

void TestBank::lines() {
  QFETCH(QString, text);
  QFETCH(QStringList, lines);
  QCOMPARE(splitLines(text), lines);
}

void TestBank::categoryTable() {
  const auto& table = bank::categoryTable();
  QCOMPARE(table.size(), 4);
  QCOMPARE(categoryInfo("A")->questionCount, 827);
  QCOMPARE(categoryInfo("B")->questionCount, 960);
  QCOMPARE(categoryInfo("C")->questionCount, 1031);
  QCOMPARE(categoryInfo("D")->questionCount, 974);
  QVERIFY(categoryInfo("b") == nullptr);
  QVERIFY(categoryInfo("E") == nullptr);
  QCOMPARE(bankFileName(*categoryInfo("D"), "de"), QStringLiteral("05dd.dll"));
  QCOMPARE(bankFileName(*categoryInfo("A"), "PL"), QString());
}

void TestBank::selectBankFiles() {
  BankFiles files;
  SelectBankFiles("pl", "/opt/rq", files);
  QCOMPARE(files.pathFor("A"), QStringLiteral("/opt/rq/0w5ap.dll"));
  QCOMPARE(files.pathFor("B"), QStringLiteral("/opt/rq/05xbp.dll"));
  QCOMPARE(files.pathFor("C"), QStringLiteral("/opt/rq/05xcp.dll"));
  QCOMPARE(files.pathFor("D"), QStringLiteral("/opt/rq/05dp.dll"));

  // An unknown code keeps the paths.
  SelectBankFiles("fr", "/elsewhere", files);
  QCOMPARE(files.pathFor("B"), QStringLiteral("/opt/rq/05xbp.dll"));
  SelectBankFiles("en", "/elsewhere", files);
  QCOMPARE(files.pathFor("D"), QStringLiteral("/elsewhere/05deu.dll"));
}

void TestBank::readQuestion() {
  testsupport::TempFolder folder;
  folder.write("bank.dll", QByteArray("\xEF\xBB\xBF") +
                               "\"header, never shown\"\r\n"
                               "\"First?\",a,b,c,d,,,\"Note one.\",,A\r\n"
                               "\"Zweite Frage, bitte?\",\"ä\",\"ö\",\"ü\",\"ß\",e,f,note,pic.png,"
                               "BDF,extra,fields\r\n");
  QuestionRecord record;
  BankError error;
  QVERIFY(bank::readQuestion(folder.filePath("bank.dll"), 2, &record, &error));
  QCOMPARE(record.number(), 2);
  QCOMPARE(record.fields().size(), 10);  // fields beyond the tenth are ignored
  QCOMPARE(record.question(), QStringLiteral("Zweite Frage, bitte?"));
  QCOMPARE(record.answer(0), QStringLiteral("ä"));
  QCOMPARE(record.answer(5), QStringLiteral("f"));
  QCOMPARE(record.pictureFile(), QStringLiteral("pic.png"));
  QCOMPARE(record.correctLetters(), QStringLiteral("BDF"));

  QVERIFY(bank::readQuestion(folder.filePath("bank.dll"), 1, &record, &error));
  QCOMPARE(record.note(), QStringLiteral("Note one."));
  QCOMPARE(record.answer(4), QString());
}

void TestBank::bankErrors_data() {
  QTest::addColumn<QByteArray>("content");  // empty: no file at all
  QTest::addColumn<int>("number");
  QTest::addColumn<QString>("expected");

  QTest::newRow("missing file") << QByteArray() << 1 << "missing";
  QTest::newRow("short file") << QByteArray("header\n\"Q\",a,b,c,d,,,n,,A\n") << 5
                              << "line 5: the file ends after 2 lines";
  QTest::newRow("record with fewer than ten fields")
      << QByteArray("header\n\"Q\",a,b,c,d,,,n,A\n") << 1
      << "line 1: the question record has 9 fields";
  QTest::newRow("unquoted blank shifts a field out")
      << QByteArray("header\n\n") << 1 << "line 1: the question record has 0 fields";
}

void TestBank::bankErrors() {
  QFETCH(QByteArray, content);
  QFETCH(int, number);
  QFETCH(QString, expected);
  testsupport::TempFolder folder;
  if (!content.isEmpty())
    folder.write("05xbeu.dll", content);

  QuestionRecord record;
  BankError error;
  QVERIFY(!bank::readQuestion(folder.filePath("05xbeu.dll"), number, &record, &error));
  const QString message = error.message();
  QVERIFY2(message.contains("05xbeu.dll"), qPrintable(message));
  QVERIFY2(message.contains(expected), qPrintable(message));
}

void TestBank::pictureAnswers_data() {
  QTest::addColumn<QString>("answerA");
  QTest::addColumn<bool>("pictures");
  QTest::newRow("img prefix") << "img1" << true;
  QTest::newRow("capital Img is text") << "Img1" << false;
  QTest::newRow("plain text") << "Slow down" << false;
  QTest::newRow("shorter than the prefix") << "im" << false;
}

void TestBank::pictureAnswers() {
  QFETCH(QString, answerA);
  QFETCH(bool, pictures);
  QuestionRecord record(1, {"q", answerA, "b", "c", "d", "", "", "n", "", "A"});
  QCOMPARE(record.hasPictureAnswers(), pictures);
}

void TestBank::picturePaths() {
  testsupport::TempFolder program;
  program.write("data/obruk/imgsb/img1.jpg", "x");
  program.write("data/obruk/imgsa/img1.png", "x");
  program.write("data/obruk/imgsb/q7.jpg", "x");
  const QString root = program.path();

  // Each category has its folder and extension.
  QCOMPARE(answerPicturePath(root, *categoryInfo("B"), "img1"),
           root + "/data/obruk/imgsb/img1.jpg");
  QCOMPARE(answerPicturePath(root, *categoryInfo("A"), "img1"),
           root + "/data/obruk/imgsa/img1.png");
  QCOMPARE(answerPicturePath(root, *categoryInfo("C"), "img1"), QString());  // missing file
  QCOMPARE(answerPicturePath(root, *categoryInfo("B"), ""), QString());      // no answer E

  // The question picture is looked up as stored, with no extension added.
  QCOMPARE(questionPicturePath(root, *categoryInfo("B"), "q7.jpg"),
           root + "/data/obruk/imgsb/q7.jpg");
  QCOMPARE(questionPicturePath(root, *categoryInfo("B"), "q7"), root + "/data/obruk/empty.jpg");
  QCOMPARE(questionPicturePath(root, *categoryInfo("B"), ""), root + "/data/obruk/empty.jpg");
  QCOMPARE(noQuestionPicturePath(root), root + "/data/empty.jpg");
  QCOMPARE(testRunningPicturePath(root), root + "/data/empty2.jpg");
}

void TestBank::markHint_data() {
  QTest::addColumn<QString>("letters");
  QTest::addColumn<QString>("hint");
  QTest::newRow("one") << "C"
                       << "mark 1 answer";
  QTest::newRow("two") << "AC"
                       << "mark 2 answers";
  QTest::newRow("three") << "BDF"
                         << "mark 3 answers";
}

void TestBank::markHint() {
  QFETCH(QString, letters);
  QFETCH(QString, hint);
  QCOMPARE(bank::markHint(letters), hint);
}

QTEST_GUILESS_MAIN(TestBank)
#include "tst_bank.moc"
