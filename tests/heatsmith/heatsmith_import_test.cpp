// A schedule typed and saved in Heatsmith's window imports into Velmora as
// the same heats.
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

#include "form1.h"
#include "race_schedule.h"
#include "recording_notifier.h"
#include "scripted_prompter.h"

class HeatsmithImportTest : public QObject {
  Q_OBJECT

 private slots:
  void savedScheduleImportsAsTheSameHeats() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    velmora::testing::ScriptedPrompter prompter;
    TForm1 form(prompter);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    auto edit = [&](const QString& name) { return form.findChild<QLineEdit*>(name); };
    auto button = [&](const char* name) { return form.findChild<QPushButton*>(name); };
    edit("Edit2")->selectAll();
    QTest::keyClicks(edit("Edit2"), QStringLiteral("3"));
    const QStringList heats = {"1,2,3", "4,,6", "3,1,2"};
    for (int heat = 0; heat < heats.size(); ++heat) {
      if (heat > 0)
        QTest::mouseClick(button("AddHeat_Button"), Qt::LeftButton);
      const QStringList entries = heats[heat].split(QLatin1Char(','));
      for (int lane = 0; lane < entries.size(); ++lane) {
        if (entries[lane].isEmpty())
          continue;  // left blank
        QLineEdit* laneEdit = edit(QStringLiteral("Edit%1").arg(lane + 3));
        QTest::mouseClick(laneEdit, Qt::LeftButton);
        laneEdit->selectAll();
        QTest::keyClicks(laneEdit, entries[lane]);
        QTest::keyClick(laneEdit, Qt::Key_Tab);
      }
    }
    prompter.QueueSaveFile(folder.filePath(QStringLiteral("typed")));
    QTest::mouseClick(button("SaveSchedule_Button"), Qt::LeftButton);
    QCOMPARE(prompter.Texts(velmora::testing::ScriptedPrompter::Kind::Error), QStringList());

    velmora::testing::RecordingNotifier notifier;
    const velmora::THeats round = velmora::ImportSchedule(
        folder.filePath(QStringLiteral("typed.vrs")).toStdString(), notifier);
    QVERIFY(notifier.messages.empty());
    QCOMPARE(velmora::HeatCount(round), 3);
    // The blank lane 2 of heat 2 is an empty field, which the import reads
    // as the first racer.
    const std::vector<std::vector<int>> expected = {{1, 2, 3}, {4, 1, 6}, {3, 1, 2}};
    for (int heat = 0; heat < 3; ++heat) {
      const velmora::THeat& imported = round.Heats[heat];
      QCOMPARE(std::vector<int>(imported.LaneCars.begin(), imported.LaneCars.end()),
               expected[heat]);
      QCOMPARE(imported.Times.size(), size_t(3));
      for (const velmora::Currency& time : imported.Times)
        QCOMPARE(time.Raw(), int64_t(0));
    }
    QVERIFY(round.Heats[3].LaneCars.empty());  // the spare heat
  }
};

QTEST_MAIN(HeatsmithImportTest)
#include "heatsmith_import_test.moc"
