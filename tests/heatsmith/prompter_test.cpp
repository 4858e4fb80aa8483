// The prompter library: filters handed to Qt's dialogs, the event-handler
// guard, and the scripted stand-in the window tests rely on.
#include <QTest>

#include <stdexcept>

#include "prompter.h"
#include "scripted_prompter.h"

using velmora::testing::ScriptedPrompter;
using Kind = ScriptedPrompter::Kind;

class PrompterTest : public QObject {
  Q_OBJECT

 private slots:
  void filtersInQtForm_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one pair") << "Velmora schedule|*.vrs"
                              << "Velmora schedule (*.vrs)";
    QTest::newRow("two pairs") << "Race|*.vsr|All files|*"
                               << "Race (*.vsr);;All files (*)";
    QTest::newRow("several patterns") << "Pictures|*.bmp;*.jpg"
                                      << "Pictures (*.bmp *.jpg)";
    QTest::newRow("description only") << "Anything"
                                      << "Anything (*)";
    QTest::newRow("empty") << ""
                           << "";
  }
  void filtersInQtForm() {
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(velmora::QtFileFilter(filter), expected);
  }

  void guardShowsTheErrorAndGoesOn() {
    ScriptedPrompter prompter;
    bool after = false;
    velmora::RunGuarded(prompter, [] { throw std::runtime_error("Cannot open file a.vrs"); });
    velmora::RunGuarded(prompter, [] { throw 42; });
    velmora::RunGuarded(prompter, [&] { after = true; });
    QVERIFY(after);
    QCOMPARE(prompter.Texts(Kind::Error),
             QStringList({"Cannot open file a.vrs", "An unexpected error occurred."}));
  }

  void scriptAnswersInOrderAndCountsWhatItCouldNotAnswer() {
    ScriptedPrompter prompter;
    prompter.QueueAnswer(true);
    prompter.QueueSaveFile(QStringLiteral("/tmp/a"));
    prompter.QueueColor(QColor(Qt::red));
    QVERIFY(prompter.WarningQuestion(QStringLiteral("Sure?")));
    QVERIFY(!prompter.WarningQuestion(QStringLiteral("Again?")));
    QCOMPARE(prompter.SaveFile(QStringLiteral("A|*.a")), QStringLiteral("/tmp/a"));
    QCOMPARE(prompter.OpenFile(QStringLiteral("B|*.b")), QString());
    QCOMPARE(prompter.ChooseColor(Qt::blue), std::optional<QColor>(QColor(Qt::red)));
    QCOMPARE(prompter.ChooseColor(Qt::blue), std::optional<QColor>());
    QCOMPARE(prompter.ChoosePicture(), QString());
    prompter.Information(QStringLiteral("Done"));
    QCOMPARE(prompter.Unanswered(), 4);
    QCOMPARE(prompter.Texts(Kind::Question), QStringList({"Sure?", "Again?"}));
    QCOMPARE(prompter.Texts(Kind::OpenFile), QStringList({"B|*.b"}));
    QCOMPARE(prompter.Texts(Kind::Information), QStringList({"Done"}));
    QCOMPARE(prompter.Requests().size(), size_t(8));
    prompter.ClearRequests();
    QCOMPARE(prompter.Requests().size(), size_t(0));
    QCOMPARE(prompter.Unanswered(), 0);
  }
};

QTEST_GUILESS_MAIN(PrompterTest)
#include "prompter_test.moc"
