// Heatsmith's one window: a grid of heats (rows) by lanes (columns) typed in
// through the lane edits, saved to and loaded from race schedule files.
#pragma once

#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class TUpDown;

namespace velmora {
class Prompter;
}

// The appended extension and the dialog filters of schedule files.
inline constexpr char kScheduleExtension[] = ".vrs";
inline constexpr char kSaveScheduleFilter[] = "Velmora schedule|*.vrs";
inline constexpr char kOpenScheduleFilter[] = "Velmora Saved Schedule|*.vrs";

// `name` with ".vrs" appended unless its extension is exactly ".vrs" (case
// matters, so "heats.VRS" becomes "heats.VRS.vrs").
QString ScheduleFileName(const QString& name);

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kMaxLanes = 8;

  explicit TForm1(velmora::Prompter& prompter, QWidget* parent = nullptr);
  ~TForm1() override;

  int LaneCount() const;
  // Heat rows in the grid (the header row not counted).
  int HeatCount() const;
  // The entry of `lane` (1-based) in grid row `row` (0-based, the first
  // heat), also for lanes beyond the lane count, whose cells are kept but
  // not shown.
  QString Cell(int row, int lane) const;

  QTableWidget* StringGrid1;
  QLabel* Label2;
  QLineEdit* Edit2;
  TUpDown* UpDown2;
  std::array<QLabel*, kMaxLanes> LaneLabels;    // Label3 to Label10
  std::array<QLineEdit*, kMaxLanes> LaneEdits;  // Edit3 to Edit10
  QLabel* Label11;
  QPushButton* AddHeat_Button;
  QPushButton* DeleteHeat_Button;
  QPushButton* SaveSchedule_Button;
  QPushButton* LoadSchedule_Button;

 private slots:
  void Edit2Change();
  void Edit2Exit();
  void StringGrid1Click();
  void StringGrid1RowMoved(int fromIndex, int toIndex);
  void LaneEditExit(int lane);
  void AddHeat_ButtonClick();
  void DeleteHeat_ButtonClick();
  void SaveSchedule_ButtonClick();
  void LoadSchedule_ButtonClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void FormCreate();
  template <typename Handler>
  void Guarded(Handler&& handler);

  int SelectedRow() const;
  QTableWidgetItem* HeaderItem(int row);
  void SetCell(int row, int lane, const QString& text);
  void ClearRow(int row);
  void ApplyLaneCount(int count);
  void Renumber();
  void ShowSelectedHeat();
  void SelectRow(int row);
  void HeaderSectionMoved(int logicalIndex, int oldVisualIndex, int newVisualIndex);
  void ShowInvalidValue(const QString& text);

  velmora::Prompter& prompter_;
  bool restoringHeader_ = false;
};
