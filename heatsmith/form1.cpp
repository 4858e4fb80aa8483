#include "form1.h"

#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>

#include <algorithm>
#include <string>
#include <vector>

#include "fields.h"
#include "prompter.h"
#include "up_down.h"

namespace {

constexpr int kMinLanes = 2;
constexpr int kStartLanes = 2;
// Cells of lanes beyond the lane count live in the row's header item.
constexpr int kHiddenCellsRole = Qt::UserRole + 1;

// Schedule files are 8-bit text; Latin-1 carries every byte through the
// grid and back unchanged.
QString FromFile(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
std::string ToFile(const QString& text) {
  return text.toLatin1().toStdString();
}

QTableWidgetItem* NewCell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

// Eats the mouse press that is still on its way when a message box was shown
// while that press moved the focus: the click must not go on to press a
// button or start a drag after the message was closed. Only that one press
// is eaten; if none comes, the next round of the event loop disarms it.
class PendingPressSwallower : public QObject {
 public:
  explicit PendingPressSwallower(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
    QMetaObject::invokeMethod(this, &PendingPressSwallower::Disarm, Qt::QueuedConnection);
  }
  ~PendingPressSwallower() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (!armed_)
      return false;
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) {
      return false;
    }
    Disarm();
    return true;
  }

 private:
  void Disarm() {
    if (!armed_)
      return;
    armed_ = false;
    qApp->removeEventFilter(this);
    deleteLater();
  }
  bool armed_ = true;
};

}  // namespace

QString ScheduleFileName(const QString& name) {
  const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const QString extension = dot > slash ? name.mid(dot) : QString();
  if (extension == QLatin1String(kScheduleExtension))
    return name;
  return name + QLatin1String(kScheduleExtension);
}

TForm1::TForm1(velmora::Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window), prompter_(prompter) {
  CreateControls();
  FormCreate();
}

TForm1::~TForm1() {
  // The controls are destroyed after this part of the window, and losing the
  // focus or a selection on the way must not run a handler any more.
  for (QLineEdit* edit : LaneEdits)
    edit->removeEventFilter(this);
  const QList<QObject*> children = findChildren<QObject*>();
  for (QObject* child : children)
    QObject::disconnect(child, nullptr, this, nullptr);
}

template <typename Handler>
void TForm1::Guarded(Handler&& handler) {
  velmora::RunGuarded(prompter_, std::forward<Handler>(handler));
}

void TForm1::CreateControls() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Velmora Heatsmith"));
  setFixedSize(319, 457);
  // The layout is drawn for small dialog text of about 11 pixels in a
  // narrow sans-serif face.
  QFont small(QStringLiteral("Arial"));
  small.setStyleHint(QFont::SansSerif);
  small.setPixelSize(11);
  setFont(small);
  // A fixed border with minimise and close but no maximise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  StringGrid1 = new QTableWidget(1, 3, this);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->setGeometry(8, 8, 220, 273);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setCornerButtonEnabled(false);
  StringGrid1->setWordWrap(false);
  QHeaderView* columns = StringGrid1->horizontalHeader();
  columns->setMinimumSectionSize(8);
  columns->setDefaultSectionSize(23);
  columns->setSectionResizeMode(QHeaderView::Interactive);
  columns->setHighlightSections(false);
  columns->setFixedHeight(18);
  QHeaderView* rows = StringGrid1->verticalHeader();
  rows->setMinimumSectionSize(8);
  rows->setDefaultSectionSize(16);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setSectionsMovable(true);
  rows->setMinimumWidth(23);
  rows->setDefaultAlignment(Qt::AlignCenter);

  auto label = [this](const char* name, const QString& caption, int x, int y) {
    auto* result = new QLabel(caption, this);
    result->setObjectName(QLatin1String(name));
    result->move(x, y);
    result->adjustSize();
    return result;
  };
  auto button = [this](const char* name, const QString& caption, QRect place) {
    auto* result = new QPushButton(caption, this);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(place);
    result->setAutoDefault(false);
    return result;
  };

  Label2 = label("Label2", QStringLiteral("Number of lanes:"), 232, 16);
  Edit2 = new QLineEdit(QString::number(kStartLanes), this);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setGeometry(248, 32, 33, 21);
  // One digit from 2 to 8; other keys are refused as they are typed.
  Edit2->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[2-8]?")), Edit2));
  UpDown2 = new TUpDown(this);
  UpDown2->setObjectName(QStringLiteral("UpDown2"));
  UpDown2->setGeometry(281, 32, 16, 21);
  UpDown2->setRange(kMinLanes, kMaxLanes);
  UpDown2->setValue(kStartLanes);
  UpDown2->setWrapping(false);
  UpDown2->setBuddy(Edit2);

  AddHeat_Button = button("AddHeat_Button", QStringLiteral("Add Heat"), {232, 64, 75, 25});
  DeleteHeat_Button = button("DeleteHeat_Button", QStringLiteral("Delete Heat"), {232, 96, 75, 25});

  for (int k = 0; k < kMaxLanes; ++k) {
    const int x = k < 4 ? 8 : 112;
    const int y = 288 + 24 * (k % 4);
    const std::string labelName = "Label" + std::to_string(k + 3);
    LaneLabels[k] = label(labelName.c_str(), QStringLiteral("Lane %1").arg(k + 1), x, y);
    // As tall as the edit beside it, with the text on the edit's middle.
    LaneLabels[k]->resize(LaneLabels[k]->width(), 21);
    LaneLabels[k]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("Edit%1").arg(k + 3));
    edit->setGeometry(x + 40, y, 30, 21);
    edit->installEventFilter(this);
    LaneEdits[k] = edit;
  }
  Label11 = label("Label11", QStringLiteral("Enter car's number for each lane"), 8, 384);

  SaveSchedule_Button =
      button("SaveSchedule_Button", QStringLiteral("Save Schedule"), {40, 416, 105, 25});
  LoadSchedule_Button =
      button("LoadSchedule_Button", QStringLiteral("Load Schedule"), {152, 416, 105, 25});

  // The dialogs are the prompter's; these carry their settings by name.
  auto* saveDialog = new QObject(this);
  saveDialog->setObjectName(QStringLiteral("SaveDialog1"));
  saveDialog->setProperty("filter", QString::fromLatin1(kSaveScheduleFilter));
  auto* openDialog = new QObject(this);
  openDialog->setObjectName(QStringLiteral("OpenDialog1"));
  openDialog->setProperty("filter", QString::fromLatin1(kOpenScheduleFilter));

  // Keyboard order: lane count, heat buttons, grid, lanes 1 to 8, files.
  QWidget* order[] = {
      Edit2,        AddHeat_Button, DeleteHeat_Button,   StringGrid1,        LaneEdits[0],
      LaneEdits[1], LaneEdits[2],   LaneEdits[3],        LaneEdits[4],       LaneEdits[5],
      LaneEdits[6], LaneEdits[7],   SaveSchedule_Button, LoadSchedule_Button};
  for (size_t i = 1; i < std::size(order); ++i)
    setTabOrder(order[i - 1], order[i]);

  connect(Edit2, &QLineEdit::textChanged, this, [this] { Guarded([this] { Edit2Change(); }); });
  connect(Edit2, &QLineEdit::editingFinished, this, [this] { Guarded([this] { Edit2Exit(); }); });
  connect(UpDown2, &TUpDown::valueChanged, this, [this](int value) {
    const QString text = QString::number(value);
    if (Edit2->text() != text)
      Edit2->setText(text);
  });
  connect(StringGrid1, &QTableWidget::cellClicked, this,
          [this] { Guarded([this] { StringGrid1Click(); }); });
  connect(StringGrid1, &QTableWidget::currentCellChanged, this,
          [this] { Guarded([this] { StringGrid1Click(); }); });
  connect(rows, &QHeaderView::sectionMoved, this, [this](int logical, int from, int to) {
    Guarded([&] { HeaderSectionMoved(logical, from, to); });
  });
  connect(AddHeat_Button, &QPushButton::clicked, this,
          [this] { Guarded([this] { AddHeat_ButtonClick(); }); });
  connect(DeleteHeat_Button, &QPushButton::clicked, this,
          [this] { Guarded([this] { DeleteHeat_ButtonClick(); }); });
  connect(SaveSchedule_Button, &QPushButton::clicked, this,
          [this] { Guarded([this] { SaveSchedule_ButtonClick(); }); });
  connect(LoadSchedule_Button, &QPushButton::clicked, this,
          [this] { Guarded([this] { LoadSchedule_ButtonClick(); }); });
}

void TForm1::FormCreate() {
  ApplyLaneCount(kStartLanes);
  Renumber();
  SelectRow(0);
}

int TForm1::LaneCount() const {
  return UpDown2->value();
}

int TForm1::HeatCount() const {
  return StringGrid1->rowCount();
}

int TForm1::SelectedRow() const {
  const int row = StringGrid1->currentRow();
  return std::clamp(row, 0, std::max(0, StringGrid1->rowCount() - 1));
}

QTableWidgetItem* TForm1::HeaderItem(int row) {
  QTableWidgetItem* item = StringGrid1->verticalHeaderItem(row);
  if (!item) {
    item = new QTableWidgetItem;
    StringGrid1->setVerticalHeaderItem(row, item);
  }
  return item;
}

QString TForm1::Cell(int row, int lane) const {
  if (row < 0 || row >= StringGrid1->rowCount() || lane < 1 || lane > kMaxLanes)
    return {};
  if (lane <= StringGrid1->columnCount()) {
    const QTableWidgetItem* item = StringGrid1->item(row, lane - 1);
    return item ? item->text() : QString();
  }
  const QTableWidgetItem* header = StringGrid1->verticalHeaderItem(row);
  if (!header)
    return {};
  return header->data(kHiddenCellsRole).toStringList().value(lane - 1);
}

void TForm1::SetCell(int row, int lane, const QString& text) {
  if (row < 0 || row >= StringGrid1->rowCount() || lane < 1 || lane > kMaxLanes)
    return;
  if (lane <= StringGrid1->columnCount()) {
    QTableWidgetItem* item = StringGrid1->item(row, lane - 1);
    if (item) {
      item->setText(text);
    } else {
      StringGrid1->setItem(row, lane - 1, NewCell(text));
    }
    return;
  }
  QTableWidgetItem* header = HeaderItem(row);
  QStringList hidden = header->data(kHiddenCellsRole).toStringList();
  while (hidden.size() < kMaxLanes)
    hidden << QString();
  hidden[lane - 1] = text;
  header->setData(kHiddenCellsRole, hidden);
}

void TForm1::ClearRow(int row) {
  for (int lane = 1; lane <= kMaxLanes; ++lane)
    SetCell(row, lane, QString());
}

void TForm1::ApplyLaneCount(int count) {
  const int before = StringGrid1->columnCount();
  const int rows = StringGrid1->rowCount();
  if (count < before) {
    // Keep what the hidden lanes held, should the lanes come back.
    std::vector<std::vector<QString>> kept(rows);
    for (int row = 0; row < rows; ++row) {
      for (int lane = count + 1; lane <= before; ++lane)
        kept[row].push_back(Cell(row, lane));
    }
    StringGrid1->setColumnCount(count);
    for (int row = 0; row < rows; ++row) {
      for (int lane = count + 1; lane <= before; ++lane) {
        SetCell(row, lane, kept[row][lane - count - 1]);
      }
    }
  } else if (count > before) {
    std::vector<std::vector<QString>> kept(rows);
    for (int row = 0; row < rows; ++row) {
      for (int lane = before + 1; lane <= count; ++lane)
        kept[row].push_back(Cell(row, lane));
    }
    StringGrid1->setColumnCount(count);
    // Lanes still beyond the count keep their hidden text.
    for (int row = 0; row < rows; ++row) {
      for (int lane = before + 1; lane <= count; ++lane) {
        SetCell(row, lane, kept[row][lane - before - 1]);
      }
    }
  }
  for (int column = 0; column < count; ++column) {
    StringGrid1->setHorizontalHeaderItem(column, new QTableWidgetItem(QString::number(column + 1)));
  }
  // New columns join the highlight of the selected heat.
  if (StringGrid1->rowCount() > 0 && count > before) {
    StringGrid1->selectionModel()->select(
        StringGrid1->model()->index(SelectedRow(), 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  for (int k = 0; k < kMaxLanes; ++k) {
    const bool shown = k < count;
    LaneLabels[k]->setVisible(shown);
    LaneEdits[k]->setVisible(shown);
  }
}

void TForm1::Renumber() {
  for (int row = 0; row < StringGrid1->rowCount(); ++row) {
    HeaderItem(row)->setText(QString::number(row + 1));
  }
  for (int column = 0; column < StringGrid1->columnCount(); ++column) {
    QTableWidgetItem* item = StringGrid1->horizontalHeaderItem(column);
    if (item)
      item->setText(QString::number(column + 1));
  }
}

void TForm1::ShowSelectedHeat() {
  const int row = SelectedRow();
  for (int k = 0; k < kMaxLanes; ++k)
    LaneEdits[k]->setText(Cell(row, k + 1));
}

void TForm1::SelectRow(int row) {
  const int column = std::max(0, std::min(StringGrid1->currentColumn(), LaneCount() - 1));
  StringGrid1->setCurrentCell(row, column);
  if (QTableWidgetItem* item = StringGrid1->item(row, column))
    StringGrid1->scrollToItem(item);
  ShowSelectedHeat();
}

void TForm1::Edit2Change() {
  bool ok = false;
  const int typed = Edit2->text().toInt(&ok);
  if (ok)
    UpDown2->setValue(typed);
  ApplyLaneCount(UpDown2->value());
}

void TForm1::Edit2Exit() {
  // An emptied edit shows the lane count in force again.
  const QString text = QString::number(UpDown2->value());
  if (Edit2->text() != text)
    Edit2->setText(text);
}

void TForm1::StringGrid1Click() {
  ShowSelectedHeat();
}

void TForm1::HeaderSectionMoved(int, int oldVisualIndex, int newVisualIndex) {
  if (restoringHeader_)
    return;
  // The header only moved its section; move the row itself and put the
  // header back in order, so the grid's order is the order shown.
  restoringHeader_ = true;
  StringGrid1->verticalHeader()->moveSection(newVisualIndex, oldVisualIndex);
  restoringHeader_ = false;
  StringGrid1RowMoved(oldVisualIndex, newVisualIndex);
}

void TForm1::StringGrid1RowMoved(int fromIndex, int toIndex) {
  const int rows = StringGrid1->rowCount();
  if (fromIndex < 0 || fromIndex >= rows || toIndex < 0 || toIndex >= rows)
    return;
  if (fromIndex != toIndex) {
    const int columns = StringGrid1->columnCount();
    std::vector<QTableWidgetItem*> cells;
    for (int column = 0; column < columns; ++column) {
      cells.push_back(StringGrid1->takeItem(fromIndex, column));
    }
    QTableWidgetItem* header = StringGrid1->takeVerticalHeaderItem(fromIndex);
    StringGrid1->removeRow(fromIndex);
    StringGrid1->insertRow(toIndex);
    for (int column = 0; column < columns; ++column) {
      if (cells[column])
        StringGrid1->setItem(toIndex, column, cells[column]);
    }
    if (header)
      StringGrid1->setVerticalHeaderItem(toIndex, header);
  }
  Renumber();
  SelectRow(toIndex);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // Another window taking the focus (a message box, a menu) is not
    // leaving the edit.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      for (int k = 0; k < kMaxLanes; ++k) {
        if (watched == LaneEdits[k]) {
          Guarded([this, k] { LaneEditExit(k + 1); });
          break;
        }
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::LaneEditExit(int lane) {
  // An edit hidden by a smaller lane count has no cell to write.
  if (lane > LaneCount())
    return;
  const QString text = LaneEdits[lane - 1]->text();
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  if (ok && value > 0) {
    SetCell(SelectedRow(), lane, QString::number(value));
  } else {
    ShowInvalidValue(text);
  }
}

void TForm1::ShowInvalidValue(const QString& text) {
  const bool clickInProgress = QGuiApplication::mouseButtons() != Qt::NoButton;
  prompter_.Information(QStringLiteral("Invalid value: ") + text);
  if (clickInProgress)
    new PendingPressSwallower(this);
}

void TForm1::AddHeat_ButtonClick() {
  const int row = StringGrid1->rowCount();
  StringGrid1->insertRow(row);
  HeaderItem(row)->setText(QString::number(row + 1));
  SelectRow(row);
  Renumber();
}

void TForm1::DeleteHeat_ButtonClick() {
  const int row = SelectedRow();
  ClearRow(row);
  if (StringGrid1->rowCount() > 1) {
    StringGrid1->removeRow(row);
    Renumber();
    SelectRow(std::min(row, StringGrid1->rowCount() - 1));
  } else {
    Renumber();
    ShowSelectedHeat();
  }
}

void TForm1::SaveSchedule_ButtonClick() {
  const QString chosen = prompter_.SaveFile(QString::fromLatin1(kSaveScheduleFilter));
  if (chosen.isEmpty())
    return;
  const QString name = ScheduleFileName(chosen);
  const int lanes = LaneCount();
  std::vector<velmora::ScheduleRow> rows;
  for (int row = 0; row < StringGrid1->rowCount(); ++row) {
    velmora::ScheduleRow cells;
    for (int lane = 1; lane <= lanes; ++lane)
      cells.push_back(ToFile(Cell(row, lane)));
    rows.push_back(std::move(cells));
  }
  velmora::WriteScheduleFile(QFile::encodeName(name).toStdString(), lanes, rows);
}

void TForm1::LoadSchedule_ButtonClick() {
  const QString name = prompter_.OpenFile(QString::fromLatin1(kOpenScheduleFilter));
  if (name.isEmpty())
    return;
  const velmora::HeatsmithSchedule schedule =
      velmora::ReadHeatsmithSchedule(QFile::encodeName(name).toStdString());
  if (schedule.LaneCount < kMinLanes || schedule.LaneCount > kMaxLanes) {
    // One digit can say 0, 1 or 9, which the lane count cannot hold.
    prompter_.Error(QStringLiteral("Invalid lane count %1 in %2: a schedule has 2 to 8 lanes.")
                        .arg(schedule.LaneCount)
                        .arg(name));
    return;
  }
  Edit2->setText(QString::number(schedule.LaneCount));
  if (schedule.HasHeats && !schedule.Rows.empty()) {
    const int count = static_cast<int>(schedule.Rows.size());
    StringGrid1->setRowCount(count);
    for (int row = 0; row < count; ++row) {
      ClearRow(row);
      for (int lane = 1; lane <= schedule.LaneCount; ++lane) {
        SetCell(row, lane, FromFile(schedule.Rows[row][lane - 1]));
      }
    }
    Renumber();
    SelectRow(std::min(SelectedRow(), count - 1));
  }
  // The lane edits show the selected heat as loaded, so leaving one does
  // not write a value of the heat shown before.
  ShowSelectedHeat();
}
