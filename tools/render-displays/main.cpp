// render-displays: writes PNG pictures of the race board, the on-deck grid
// and the leader box for one heat of a race, filled as the main window fills
// them, and one picture of the three together on the main window's ground.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <exception>
#include <optional>

#include "demo_race.h"
#include "display_paint.h"
#include "leader_box.h"
#include "on_deck_grid.h"
#include "race_board.h"
#include "race_display_feed.h"

#ifdef VELMORA_HAVE_STORAGE
#include "race_displays.h"
#include "race_file.h"
#include "race_random.h"
#endif

namespace {

using namespace velmora;

constexpr int kWindowWidth = 793;
constexpr int kWindowHeight = 564;

int Fail(int status, const QString& message) {
  std::fprintf(stderr, "error: %s\n", qPrintable(message));
  return status;
}

std::optional<int> WholeNumber(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

QImage Picture(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  widget.render(&image);
  return image;
}

// The displays where the main window puts them, under the race's title.
QImage MainWindowPicture(const RaceState& race, TRaceBoard& board, TOnDeckGrid& grid,
                         TLeaderBox& box) {
  QImage image(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
  image.fill(displays::kGrey);
  {
    QPainter painter(&image);
    painter.setFont(displays::DisplayFont(32));
    painter.setPen(displays::kYellow);
    painter.drawText(QRect(0, -4, kWindowWidth, 48), Qt::AlignHCenter | Qt::AlignTop,
                     displays::ToDisplayText(race.RaceName.empty() ? "Velmora" : race.RaceName));
  }
  board.render(&image, QPoint(5, 40));
  grid.render(&image, QPoint(560, 40));
  box.render(&image, QPoint(560, 248));
  return image;
}

#ifdef VELMORA_HAVE_STORAGE
// Messages of the load (a tie list, for example) go to standard error.
class PrintingNotifier : public Notifier {
 public:
  void Inform(const std::string& text) override {
    std::fprintf(stderr, "message: %s\n", text.c_str());
  }
  bool Ask(const std::string& text) override {
    std::fprintf(stderr, "question: %s\n", text.c_str());
    return true;
  }
};
#endif

bool Save(const QImage& image, const QDir& dir, const QString& name) {
  const QString path = dir.filePath(name);
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "error: cannot write '%s'\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // Pictures need no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("render-displays");

  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Writes race-board.png, on-deck-grid.png, leader-box.png and main-window.png for one heat "
      "of a race.");
  parser.addHelpOption();
  const QCommandLineOption raceOption("race", "Saved race file to show (default: a demo race).",
                                      "file");
  const QCommandLineOption lanesOption("lanes", "Lanes of the demo race, 1 to 8 (default: 4).",
                                       "number", "4");
  const QCommandLineOption roundOption("round", "Round to show, from 1.", "number");
  const QCommandLineOption heatOption("heat", "Heat of that round to show, from 1.", "number");
  const QCommandLineOption outOption("out", "Folder for the pictures (default: .).", "folder", ".");
  parser.addOptions({raceOption, lanesOption, roundOption, heatOption, outOption});
  parser.process(app);
  if (!parser.positionalArguments().isEmpty()) {
    return Fail(2, "unexpected argument '" + parser.positionalArguments().front() + "'");
  }

  RaceState race;
  std::string scoreCaption;
  try {
    if (parser.isSet(raceOption)) {
#ifdef VELMORA_HAVE_STORAGE
      RaceRandom random;
      PrintingNotifier notifier;
      NoRaceDisplays noDisplays;
      const LoadedRaceView view =
          LoadRace(race, parser.value(raceOption).toStdString(), random, notifier, noDisplays);
      scoreCaption = view.ScoreCaption.value_or("");
#else
      return Fail(1, "this build cannot read race files");
#endif
    } else {
      const auto lanes = WholeNumber(parser.value(lanesOption));
      if (!lanes || *lanes < 1 || *lanes > render::kDemoMaxLanes) {
        return Fail(2,
                    "--lanes wants a number from 1 to 8, not '" + parser.value(lanesOption) + "'");
      }
      race = render::BuildDemoRace(*lanes);
    }
  } catch (const std::exception& e) {
    return Fail(1, QString::fromLocal8Bit(e.what()));
  }

  if (parser.isSet(roundOption)) {
    const auto round = WholeNumber(parser.value(roundOption));
    if (!round) {
      return Fail(2, "--round wants a whole number, not '" + parser.value(roundOption) + "'");
    }
    if (RoundAt(race, *round) == nullptr) {
      return Fail(
          1,
          QStringLiteral("the race has no round %1 (it has %2)").arg(*round).arg(race.RoundCount));
    }
    race.CurrentRound = *round;
    race.TotalHeats = HeatCount(*RoundAt(race, *round));
    race.CurrentHeat = 1;
  }
  if (parser.isSet(heatOption)) {
    const auto heat = WholeNumber(parser.value(heatOption));
    if (!heat) {
      return Fail(2, "--heat wants a whole number, not '" + parser.value(heatOption) + "'");
    }
    const THeats* round = RoundAt(race, race.CurrentRound);
    const int heats = round == nullptr ? 0 : HeatCount(*round);
    if (*heat < 1 || *heat > heats) {
      return Fail(1, QStringLiteral("round %1 has no heat %2 (it has %3)")
                         .arg(race.CurrentRound)
                         .arg(*heat)
                         .arg(heats));
    }
    race.CurrentHeat = *heat;
    race.TotalHeats = heats;
  }

  const QDir dir(parser.value(outOption));
  if (!dir.exists()) {
    return Fail(1, "no folder '" + parser.value(outOption) + "'");
  }

  TRaceBoard board;
  TOnDeckGrid grid;
  TLeaderBox box;
  box.SetScoreType(scoreCaption.empty() ? ScoreCaptionOf(race.ScoringType) : scoreCaption);
  ShowRaceLanes(race, board, grid);
  ShowRaceHeat(race, board, grid, box);

  const bool ok = Save(Picture(board), dir, "race-board.png") &&
                  Save(Picture(grid), dir, "on-deck-grid.png") &&
                  Save(Picture(box), dir, "leader-box.png") &&
                  Save(MainWindowPicture(race, board, grid, box), dir, "main-window.png");
  return ok ? 0 : 1;
}
