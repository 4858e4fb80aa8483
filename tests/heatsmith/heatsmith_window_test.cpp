// Heatsmith's window driven as a person would: clicks, typing, Tab, header
// drags, with the file dialogs and messages scripted.
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <unistd.h>

#include <memory>

#include "form1.h"
#include "scripted_prompter.h"
#include "up_down.h"

using velmora::testing::ScriptedPrompter;
using Kind = ScriptedPrompter::Kind;

class HeatsmithWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ScriptedPrompter> prompter_;
  std::unique_ptr<TForm1> form_;
  std::unique_ptr<QTemporaryDir> folder_;

  template <typename T>
  T* Find(const QString& name) {
    T* widget = form_->findChild<T*>(name);
    if (!widget)
      qFatal("no control %s", qPrintable(name));
    return widget;
  }
  QTableWidget* Grid() { return Find<QTableWidget>(QStringLiteral("StringGrid1")); }
  QLineEdit* LaneEdit(int lane) { return Find<QLineEdit>(QStringLiteral("Edit%1").arg(lane + 2)); }
  QPushButton* Button(const char* name) { return Find<QPushButton>(QLatin1String(name)); }
  QString Path(const QString& name) const { return folder_->filePath(name); }

  void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

  // Clicks heat `row` (0-based) in the grid.
  void SelectHeat(int row) {
    QTableWidget* grid = Grid();
    QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  }

  // Clicks into a lane edit, replaces its text by typing and leaves it with Tab.
  void TypeLane(int lane, const QString& text) {
    QLineEdit* edit = LaneEdit(lane);
    Click(edit);
    QVERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
  }

  // Types a whole heat into the selected row.
  void TypeHeat(const QStringList& entries) {
    for (int lane = 1; lane <= entries.size(); ++lane)
      TypeLane(lane, entries[lane - 1]);
  }

  void SetLanes(int count) {
    QLineEdit* edit = Find<QLineEdit>(QStringLiteral("Edit2"));
    Click(edit);
    edit->selectAll();
    QTest::keyClicks(edit, QString::number(count));
    QCOMPARE(form_->LaneCount(), count);
  }

  // The visible entries of every heat row, lanes joined with ",".
  QStringList Rows() {
    QStringList rows;
    for (int row = 0; row < Grid()->rowCount(); ++row) {
      QStringList cells;
      for (int lane = 1; lane <= Grid()->columnCount(); ++lane) {
        QTableWidgetItem* item = Grid()->item(row, lane - 1);
        cells << (item ? item->text() : QString());
      }
      rows << cells.join(QLatin1Char(','));
    }
    return rows;
  }
  QStringList RowHeaders() {
    QStringList headers;
    for (int row = 0; row < Grid()->rowCount(); ++row) {
      headers << Grid()->verticalHeaderItem(row)->text();
    }
    return headers;
  }
  QStringList ColumnHeaders() {
    QStringList headers;
    for (int column = 0; column < Grid()->columnCount(); ++column) {
      headers << Grid()->horizontalHeaderItem(column)->text();
    }
    return headers;
  }

  // Fills the grid with `heats` (each "a,b,c") through the window.
  void TypeSchedule(int lanes, const QStringList& heats) {
    SetLanes(lanes);
    for (int heat = 0; heat < heats.size(); ++heat) {
      if (heat > 0)
        Click(Button("AddHeat_Button"));
      TypeHeat(heats[heat].split(QLatin1Char(',')));
    }
  }

  QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
      return QByteArray("<missing>");
    return file.readAll();
  }
  void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  void SaveAs(const QString& name) {
    prompter_->QueueSaveFile(name);
    Click(Button("SaveSchedule_Button"));
  }
  void Load(const QString& path) {
    prompter_->QueueOpenFile(path);
    Click(Button("LoadSchedule_Button"));
  }

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    prompter_ = std::make_unique<ScriptedPrompter>();
    form_ = std::make_unique<TForm1>(*prompter_);
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }
  void cleanup() {
    // Nothing may have waited for an answer that the test did not give.
    QCOMPARE(prompter_->Unanswered(), 0);
    form_.reset();
    prompter_.reset();
    folder_.reset();
  }

  void windowAndControlsAsLaidOut_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("caption");
    QTest::newRow("grid") << "StringGrid1" << QRect(8, 8, 220, 273) << "";
    QTest::newRow("lane count edit") << "Edit2" << QRect(248, 32, 33, 21) << "2";
    QTest::newRow("up-down") << "UpDown2" << QRect(281, 32, 16, 21) << "";
    QTest::newRow("add") << "AddHeat_Button" << QRect(232, 64, 75, 25) << "Add Heat";
    QTest::newRow("delete") << "DeleteHeat_Button" << QRect(232, 96, 75, 25) << "Delete Heat";
    QTest::newRow("save") << "SaveSchedule_Button" << QRect(40, 416, 105, 25) << "Save Schedule";
    QTest::newRow("load") << "LoadSchedule_Button" << QRect(152, 416, 105, 25) << "Load Schedule";
    QTest::newRow("lane 1 edit") << "Edit3" << QRect(48, 288, 30, 21) << "";
    QTest::newRow("lane 4 edit") << "Edit6" << QRect(48, 360, 30, 21) << "";
    QTest::newRow("lane 5 edit") << "Edit7" << QRect(152, 288, 30, 21) << "";
    QTest::newRow("lane 8 edit") << "Edit10" << QRect(152, 360, 30, 21) << "";
  }
  void windowAndControlsAsLaidOut() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, caption);
    QWidget* control = Find<QWidget>(name);
    QCOMPARE(control->geometry(), place);
    if (auto* button = qobject_cast<QPushButton*>(control))
      QCOMPARE(button->text(), caption);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
      QCOMPARE(edit->text(), caption);

    QCOMPARE(form_->windowTitle(), QStringLiteral("Velmora Heatsmith"));
    QCOMPARE(form_->size(), QSize(319, 457));
    QCOMPARE(form_->minimumSize(), form_->maximumSize());
    QVERIFY(!(form_->windowFlags() & Qt::WindowMaximizeButtonHint));
  }

  void labelsPlacedWithTheirTexts() {
    const struct {
      const char* name;
      QPoint at;
      const char* text;
    } labels[] = {{"Label2", {232, 16}, "Number of lanes:"},
                  {"Label11", {8, 384}, "Enter car's number for each lane"},
                  {"Label3", {8, 288}, "Lane 1"},
                  {"Label10", {112, 360}, "Lane 8"}};
    for (const auto& expected : labels) {
      QLabel* label = Find<QLabel>(QLatin1String(expected.name));
      QCOMPARE(label->text(), QLatin1String(expected.text));
      QCOMPARE(label->pos(), expected.at);
      // The whole text fits inside the window.
      QVERIFY2(label->geometry().right() < form_->width(), expected.name);
    }
  }

  void startsWithTwoLanesAndOneEmptyHeat() {
    QCOMPARE(form_->LaneCount(), 2);
    QCOMPARE(ColumnHeaders(), QStringList({"1", "2"}));
    QCOMPARE(RowHeaders(), QStringList({"1"}));
    QCOMPARE(Rows(), QStringList({","}));
    QCOMPARE(Grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(Grid()->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(Grid()->verticalHeader()->sectionsMovable());
    QCOMPARE(Grid()->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    QCOMPARE(Grid()->horizontalHeader()->defaultSectionSize(), 23);
    QCOMPARE(Grid()->verticalHeader()->defaultSectionSize(), 16);
    for (int lane = 1; lane <= 8; ++lane)
      QCOMPARE(LaneEdit(lane)->isVisible(), lane <= 2);
  }

  void threeLanesShowThreeColumnsAndHideTheOtherLanes_data() {
    QTest::addColumn<bool>("byUpDown");
    QTest::newRow("typed") << false;
    QTest::newRow("up-down") << true;
  }
  void threeLanesShowThreeColumnsAndHideTheOtherLanes() {
    QFETCH(bool, byUpDown);
    if (byUpDown) {
      Click(Find<TUpDown>(QStringLiteral("UpDown2"))->upButton());
    } else {
      SetLanes(3);
    }
    QCOMPARE(form_->LaneCount(), 3);
    QCOMPARE(Find<QLineEdit>(QStringLiteral("Edit2"))->text(), QStringLiteral("3"));
    QCOMPARE(Grid()->columnCount(), 3);
    QCOMPARE(ColumnHeaders(), QStringList({"1", "2", "3"}));
    for (int lane = 1; lane <= 8; ++lane) {
      QLabel* label = Find<QLabel>(QStringLiteral("Label%1").arg(lane + 2));
      QCOMPARE(label->text(), QStringLiteral("Lane %1").arg(lane));
      QCOMPARE(label->isVisible(), lane <= 3);
      QCOMPARE(LaneEdit(lane)->isVisible(), lane <= 3);
    }
  }

  void laneCountStaysBetweenTwoAndEight() {
    auto* upDown = Find<TUpDown>(QStringLiteral("UpDown2"));
    auto* edit = Find<QLineEdit>(QStringLiteral("Edit2"));
    for (int i = 0; i < 9; ++i)
      Click(upDown->upButton());
    QCOMPARE(form_->LaneCount(), 8);  // no wrap to 2
    QCOMPARE(edit->text(), QStringLiteral("8"));
    QCOMPARE(Grid()->columnCount(), 8);
    for (int i = 0; i < 9; ++i)
      QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(form_->LaneCount(), 2);
    QCOMPARE(Grid()->columnCount(), 2);
    // Keys that would make an impossible count are refused as typed.
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("9"));
    QTest::keyClicks(edit, QStringLiteral("0x"));
    QCOMPARE(form_->LaneCount(), 2);
    QCOMPARE(Grid()->columnCount(), 2);
    // Emptied and left, the edit shows the count in force again.
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(edit->text(), QStringLiteral("2"));
  }

  void hiddenLanesKeepTheirEntries() {
    TypeSchedule(4, {"1,2,3,4"});
    SetLanes(2);
    QCOMPARE(Rows(), QStringList({"1,2"}));
    SaveAs(Path("two"));
    QCOMPARE(FileBytes(Path("two.vrs")), QByteArray("LANES:2\r\n1,2\r\n"));
    SetLanes(4);
    QCOMPARE(Rows(), QStringList({"1,2,3,4"}));
  }

  void leavingALaneEdit_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("message");
    QTest::newRow("number") << "12"
                            << "12"
                            << "";
    QTest::newRow("leading zeros") << "007"
                                   << "7"
                                   << "";
    QTest::newRow("zero") << "0"
                          << "9"
                          << "Invalid value: 0";
    QTest::newRow("negative") << "-5"
                              << "9"
                              << "Invalid value: -5";
    QTest::newRow("letters") << "x"
                             << "9"
                             << "Invalid value: x";
    QTest::newRow("empty") << ""
                           << "9"
                           << "Invalid value: ";
    QTest::newRow("too large") << "99999999999"
                               << "9"
                               << "Invalid value: 99999999999";
  }
  void leavingALaneEdit() {
    QFETCH(QString, typed);
    QFETCH(QString, cell);
    QFETCH(QString, message);
    TypeLane(2, QStringLiteral("9"));
    prompter_->ClearRequests();
    TypeLane(2, typed);
    QCOMPARE(form_->Cell(0, 2), cell);
    QCOMPARE(prompter_->Texts(Kind::Information),
             message.isEmpty() ? QStringList() : QStringList({message}));
    // The edit keeps what was typed, to be corrected.
    QCOMPARE(LaneEdit(2)->text(), typed);
  }

  void aClickElsewhereAlsoLeavesTheEdit() {
    TypeLane(1, QStringLiteral("4"));
    LaneEdit(2)->setFocus();
    QTest::keyClicks(LaneEdit(2), QStringLiteral("5"));
    Click(Button("AddHeat_Button"));  // the focus moves to the button first
    QCOMPARE(Rows(), QStringList({"4,5", ","}));
    QCOMPARE(Grid()->currentRow(), 1);
    QCOMPARE(LaneEdit(1)->text(), QString());
  }

  void aClickThatLeavesABadEntryIsSpentOnTheMessage() {
    Click(LaneEdit(1));
    QTest::keyClicks(LaneEdit(1), QStringLiteral("x"));
    Click(Button("AddHeat_Button"));
    QCOMPARE(prompter_->Texts(Kind::Information), QStringList({"Invalid value: x"}));
    QCOMPARE(Grid()->rowCount(), 1);
    Click(Button("AddHeat_Button"));
    QCOMPARE(Grid()->rowCount(), 2);
  }

  void closingDiscardsTheGridWithoutAsking() {
    Click(LaneEdit(1));
    QTest::keyClicks(LaneEdit(1), QStringLiteral("x"));
    form_->close();
    form_.reset();
    QCOMPARE(prompter_->Requests().size(), size_t(0));
  }

  void selectingAHeatShowsItsEntries() {
    TypeSchedule(3, {"1,2,3", "4,5,6"});
    SelectHeat(0);
    QCOMPARE(LaneEdit(1)->text(), QStringLiteral("1"));
    QCOMPARE(LaneEdit(3)->text(), QStringLiteral("3"));
    QTest::keyClick(Grid(), Qt::Key_Down);
    QCOMPARE(LaneEdit(2)->text(), QStringLiteral("5"));
    // A changed entry goes to the selected heat only.
    TypeLane(2, QStringLiteral("8"));
    QCOMPARE(Rows(), QStringList({"1,2,3", "4,8,6"}));
  }

  void deleteOnTheOnlyHeatEmptiesIt() {
    TypeSchedule(2, {"3,4"});
    Click(Button("DeleteHeat_Button"));
    QCOMPARE(Rows(), QStringList({","}));
    QCOMPARE(RowHeaders(), QStringList({"1"}));
    QCOMPARE(LaneEdit(1)->text(), QString());
  }

  void deleteOnAMiddleHeatMovesTheRestUp() {
    TypeSchedule(2, {"1,2", "3,4", "5,6"});
    SelectHeat(1);
    Click(Button("DeleteHeat_Button"));
    QCOMPARE(Rows(), QStringList({"1,2", "5,6"}));
    QCOMPARE(RowHeaders(), QStringList({"1", "2"}));
    QCOMPARE(Grid()->currentRow(), 1);
    QCOMPARE(LaneEdit(1)->text(), QStringLiteral("5"));
    // The last heat: the selection moves to the new last one.
    Click(Button("DeleteHeat_Button"));
    QCOMPARE(Rows(), QStringList({"1,2"}));
    QCOMPARE(Grid()->currentRow(), 0);
  }

  void addHeatAppendsANumberedEmptyRow() {
    TypeSchedule(2, {"1,2"});
    SelectHeat(0);
    Click(Button("AddHeat_Button"));
    Click(Button("AddHeat_Button"));
    QCOMPARE(Rows(), QStringList({"1,2", ",", ","}));
    QCOMPARE(RowHeaders(), QStringList({"1", "2", "3"}));
    QCOMPARE(Grid()->currentRow(), 2);
  }

  void draggingAHeatHeaderMovesTheHeat() {
    TypeSchedule(2, {"1,2", "3,4", "5,6"});
    QHeaderView* header = Grid()->verticalHeader();
    QWidget* viewport = header->viewport();
    const int width = header->width() / 2;
    const int third = header->sectionViewportPosition(2) + header->sectionSize(2) / 2;
    const int firstTop = header->sectionViewportPosition(0) + 2;
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(width, third));
    for (int y = third - 4; y > firstTop; y -= 4)
      QTest::mouseMove(viewport, QPoint(width, y));
    QTest::mouseMove(viewport, QPoint(width, firstTop));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(width, firstTop));

    QCOMPARE(Rows(), QStringList({"5,6", "1,2", "3,4"}));
    QCOMPARE(RowHeaders(), QStringList({"1", "2", "3"}));
    // What is shown is the grid's own order.
    QCOMPARE(header->visualIndex(0), 0);
    QCOMPARE(header->visualIndex(2), 2);
    SaveAs(Path("moved"));
    QCOMPARE(FileBytes(Path("moved.vrs")), QByteArray("LANES:2\r\n5,6\r\n1,2\r\n3,4\r\n"));
  }

  void saveAppendsTheExtension_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "heats"
                                  << "heats.vrs";
    QTest::newRow("exact extension") << "heats.vrs"
                                     << "heats.vrs";
    QTest::newRow("other case") << "heats.VRS"
                                << "heats.VRS.vrs";
    QTest::newRow("other extension") << "heats.txt"
                                     << "heats.txt.vrs";
    QTest::newRow("dot in folder only") << "a.vrs/heats"
                                        << "a.vrs/heats.vrs";
  }
  void saveAppendsTheExtension() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QVERIFY(QDir(folder_->path()).mkpath(QStringLiteral("a.vrs")));
    SaveAs(Path(chosen));
    QCOMPARE(prompter_->Texts(Kind::SaveFile), QStringList({"Velmora schedule|*.vrs"}));
    QVERIFY2(QFile::exists(Path(written)), qPrintable(written));
    if (chosen != written)
      QVERIFY(!QFile::exists(Path(chosen)) || QFileInfo(Path(chosen)).isDir());
    QCOMPARE(prompter_->Texts(Kind::Error), QStringList());
  }

  void savedBytes_data() {
    QTest::addColumn<int>("lanes");
    QTest::addColumn<QStringList>("heats");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("two heats on three lanes")
        << 3 << QStringList({"1,2,3", "4,5,6"}) << QByteArray("LANES:3\r\n1,2,3\r\n4,5,6\r\n");
    QTest::newRow("empty lane cell")
        << 3 << QStringList({"1,,3"}) << QByteArray("LANES:3\r\n1,,3\r\n");
    QTest::newRow("empty heat on eight lanes")
        << 8 << QStringList({",,,,,,,"}) << QByteArray("LANES:8\r\n,,,,,,,\r\n");
  }
  void savedBytes() {
    QFETCH(int, lanes);
    QFETCH(QStringList, heats);
    QFETCH(QByteArray, bytes);
    SetLanes(lanes);
    for (int heat = 0; heat < heats.size(); ++heat) {
      if (heat > 0)
        Click(Button("AddHeat_Button"));
      const QStringList entries = heats[heat].split(QLatin1Char(','));
      // Blank entries are left alone rather than typed (typing one is refused).
      for (int lane = 1; lane <= entries.size(); ++lane) {
        if (!entries[lane - 1].isEmpty())
          TypeLane(lane, entries[lane - 1]);
      }
    }
    SaveAs(Path("heats"));
    QCOMPARE(FileBytes(Path("heats.vrs")), bytes);
  }

  void saveReplacesAFileAndCancelWritesNothing() {
    WriteFile(Path("old.vrs"), "LANES:4\r\n9,9,9,9\r\n8,8,8,8\r\n");
    TypeSchedule(2, {"1,2"});
    SaveAs(Path("old.vrs"));
    QCOMPARE(FileBytes(Path("old.vrs")), QByteArray("LANES:2\r\n1,2\r\n"));
    SaveAs(QString());  // cancelled
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files | QDir::Hidden), QStringList({"old.vrs"}));
  }

  void saveIntoAMissingFolderShowsTheFileError() {
    TypeSchedule(2, {"1,2"});
    SaveAs(Path("missing/heats"));
    const QStringList errors = prompter_->Texts(Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].startsWith(QStringLiteral("Cannot create file ")), qPrintable(errors[0]));
    QVERIFY(errors[0].contains(QStringLiteral("missing/heats.vrs")));
    QVERIFY(!QFile::exists(Path("missing")));
    // The window goes on working.
    Click(Button("AddHeat_Button"));
    QCOMPARE(Grid()->rowCount(), 2);
  }

  void saveOverAReadOnlyFileShowsTheFileError() {
    if (geteuid() == 0)
      QSKIP("root may write any file");
    WriteFile(Path("kept.vrs"), "LANES:2\r\n7,8\r\n");
    QVERIFY(QFile::setPermissions(Path("kept.vrs"), QFileDevice::ReadOwner));
    TypeSchedule(2, {"1,2"});
    SaveAs(Path("kept.vrs"));
    QCOMPARE(prompter_->Texts(Kind::Error).size(), 1);
    QVERIFY(prompter_->Texts(Kind::Error)[0].contains(QStringLiteral("kept.vrs")));
    QCOMPARE(FileBytes(Path("kept.vrs")), QByteArray("LANES:2\r\n7,8\r\n"));
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"kept.vrs"}));
  }

  void loadingReplacesTheHeats() {
    TypeSchedule(2, {"1,2", "3,4", "5,6"});
    WriteFile(Path("two.vrs"), "LANES:3\n7,x,9\r1, 2\r\n");
    Load(Path("two.vrs"));
    QCOMPARE(prompter_->Texts(Kind::OpenFile), QStringList({"Velmora Saved Schedule|*.vrs"}));
    QCOMPARE(form_->LaneCount(), 3);
    QCOMPARE(Find<QLineEdit>(QStringLiteral("Edit2"))->text(), QStringLiteral("3"));
    QCOMPARE(Rows(), QStringList({"7,x,9", "1, 2,"}));  // fields as they are
    QCOMPARE(RowHeaders(), QStringList({"1", "2"}));
    QCOMPARE(LaneEdit(1)->text(), Grid()->item(Grid()->currentRow(), 0)->text());
    QCOMPARE(prompter_->Texts(Kind::Error), QStringList());
  }

  void loadingFirstLinesThatLoadNoHeats_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("lanes");
    QTest::addColumn<QString>("error");
    QTest::newRow("lanes only") << QByteArray("LANES:5\r\n") << 5 << "";
    QTest::newRow("other keyword") << QByteArray("LINES:4\r\n1,2,3,4\r\n") << 4 << "";
    QTest::newRow("bad seventh character")
        << QByteArray("LANES:x\r\n1,2\r\n") << 2 << "'x' is not a valid integer value";
    QTest::newRow("no seventh character")
        << QByteArray("XYZ:4\r\n1,2,3,4\r\n") << 2 << "'' is not a valid integer value";
    QTest::newRow("empty file") << QByteArray() << 2 << "'' is not a valid integer value";
    QTest::newRow("one lane") << QByteArray("LANES:1\r\n1\r\n") << 2 << "Invalid lane count 1";
    QTest::newRow("nine lanes") << QByteArray("LANES:9\r\n1\r\n") << 2 << "Invalid lane count 9";
  }
  void loadingFirstLinesThatLoadNoHeats() {
    QFETCH(QByteArray, content);
    QFETCH(int, lanes);
    QFETCH(QString, error);
    TypeSchedule(2, {"1,2", "3,4"});
    WriteFile(Path("odd.vrs"), content);
    Load(Path("odd.vrs"));
    QCOMPARE(form_->LaneCount(), lanes);
    // The heat rows stay as they were.
    QCOMPARE(Grid()->rowCount(), 2);
    QCOMPARE(form_->Cell(0, 1), QStringLiteral("1"));
    QCOMPARE(form_->Cell(1, 2), QStringLiteral("4"));
    const QStringList errors = prompter_->Texts(Kind::Error);
    if (error.isEmpty()) {
      QCOMPARE(errors, QStringList());
    } else {
      QCOMPARE(errors.size(), 1);
      QVERIFY2(errors[0].contains(error), qPrintable(errors[0]));
    }
  }

  void loadingAMissingFileOrCancellingChangesNothing() {
    TypeSchedule(3, {"1,2,3"});
    Load(Path("nowhere.vrs"));
    QCOMPARE(prompter_->Texts(Kind::Error).size(), 1);
    QVERIFY(prompter_->Texts(Kind::Error)[0].contains(QStringLiteral("nowhere.vrs")));
    Load(QString());
    QCOMPARE(form_->LaneCount(), 3);
    QCOMPARE(Rows(), QStringList({"1,2,3"}));
  }

  void savedScheduleLoadsBackTheSame() {
    TypeSchedule(4, {"1,2,3,4", "5,6,7,8", "2,1,4,3"});
    SaveAs(Path("round"));
    // Start again from a fresh window, as after a restart.
    form_ = std::make_unique<TForm1>(*prompter_);
    form_->show();
    Load(Path("round.vrs"));
    QCOMPARE(form_->LaneCount(), 4);
    QCOMPARE(Rows(), QStringList({"1,2,3,4", "5,6,7,8", "2,1,4,3"}));
    QCOMPARE(RowHeaders(), QStringList({"1", "2", "3"}));
  }
};

QTEST_MAIN(HeatsmithWindowTest)
#include "heatsmith_window_test.moc"
