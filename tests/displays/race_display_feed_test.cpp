// Filling the displays from a race: the heat on show, the next heat, the
// standings, and races whose lists are shorter than they should be.
#include <QtTest>

#include "leader_box.h"
#include "on_deck_grid.h"
#include "race_board.h"
#include "race_display_feed.h"

using namespace velmora;

namespace {

TCar Car(const std::string& carName, const std::string& racer, const std::string& number) {
  TCar car;
  car.CarName = carName;
  car.RacerName = racer;
  car.CarNumber = number;
  car.Group = 0;
  return car;
}

THeat Heat(TIntArray cars, std::vector<int64_t> times = {}, TIntArray places = {}) {
  THeat heat;
  heat.LaneCars = std::move(cars);
  for (int64_t t : times) {
    heat.Times.push_back(Currency::FromRaw(t));
  }
  heat.Places = std::move(places);
  heat.Raced = !heat.Places.empty();
  return heat;
}

// Three lanes, four racers (the third without a car name), a spare car.
// Round 1: a raced heat, an unraced one with an empty lane, one more, spare.
// Round 2: only its spare heat. Round 3: a corrupt heat with short lists
// and a position that is not a racer.
RaceState MakeRace() {
  RaceState race;
  race.LaneCount = 3;
  race.Lanes = {{"Red", 0x0000FF}, {"White", 0xFFFFFF}, {"Blue", 0xFF0000}};
  race.VehicleType = "Truck";
  race.Cars.Items = {Car("Comet", "Ann", "11"), Car("Bolt", "Ben", "12"), Car("", "Cy", "13"),
                     Car("Dart", "Di", "14"), TCar{}};
  race.RacerCount = 4;
  THeats first;
  first.Heats = {Heat({1, 2, 3}, {32145, 0, 30000}, {1, 3, 2}), Heat({4, 0, 3}), Heat({2, 3, 1}),
                 THeat{}};
  THeats second;
  second.Name = "Tie Breakers";
  second.Heats = {THeat{}};
  THeats third;
  third.Heats = {Heat({2, 99}, {25000}, {1, 2}), Heat({5, 1}), THeat{}};
  race.Rounds = {first, second, third};
  race.RoundCount = 3;
  race.Leaders.Items = {{"Comet", Currency::FromRaw(32145), 0},
                        {"Cy", Currency::FromRaw(30000), 2}};
  return race;
}

// "car/racer/number/time/place" of every board lane.
QStringList BoardRows(const TRaceBoard& board) {
  QStringList rows;
  for (const auto& r : board.CurrentRacers().Items) {
    rows << QString::fromStdString(r.CarName + "/" + r.RacerName + "/" + r.CarNumber + "/" +
                                   CurrencyToText(r.Time) + "/" + std::to_string(r.Place));
  }
  return rows;
}

QStringList GridRows(const TOnDeckGrid& grid) {
  QStringList rows;
  for (const auto& r : grid.Racers().Items) {
    rows << QString::fromStdString(r);
  }
  return rows;
}

const QString kNone = "<none>/<none>/<none>/0/0";

}  // namespace

class RaceDisplayFeedTest : public QObject {
  Q_OBJECT

 private slots:
  void lanes() {
    RaceState race = MakeRace();
    TRaceBoard board;
    TOnDeckGrid grid;
    ShowRaceLanes(race, board, grid);
    QCOMPARE(board.LaneCount(), 3);
    QCOMPARE(grid.LaneCount(), 3);
    QCOMPARE(board.VehicleType(), std::string("Truck"));
    QCOMPARE(board.Lanes().Items[2].Name, std::string("Blue"));
    QCOMPARE(board.Lanes().Items[2].Color, 0xFF0000);
    QCOMPARE(grid.Lanes().Items[0].Name, std::string("Red"));
    QCOMPARE(grid.Lanes().Items[0].Color, 0x0000FF);

    // A lane list shorter than the lane count leaves the last lanes empty.
    race.Lanes.resize(1);
    race.LaneCount = 2;
    ShowRaceLanes(race, board, grid);
    QCOMPARE(board.Lanes().Items.size(), size_t{2});
    QCOMPARE(board.Lanes().Items[1].Name, std::string("White"));  // kept from before
    TRaceBoard fresh;
    TOnDeckGrid freshGrid;
    ShowRaceLanes(race, fresh, freshGrid);
    QCOMPARE(fresh.Lanes().Items[1].Name, std::string());
    QCOMPARE(freshGrid.Lanes().Items[1].Color, 0);
  }

  void heat_data() {
    QTest::addColumn<int>("round");
    QTest::addColumn<int>("heat");
    QTest::addColumn<int>("totalHeats");
    QTest::addColumn<QStringList>("board");
    QTest::addColumn<QStringList>("onDeck");
    QTest::newRow("raced heat, next has an empty lane and a car without a name")
        << 1 << 1 << 3 << QStringList{"Comet/Ann/11/3.2145/1", "Bolt/Ben/12/0/0", "/Cy/13/3/2"}
        << QStringList{"Dart", "<none>", "<Racer 3>"};
    QTest::newRow("unraced heat with an empty lane")
        << 1 << 2 << 3 << QStringList{"Dart/Di/14/0/0", kNone, "/Cy/13/0/0"}
        << QStringList{"Bolt", "<Racer 3>", "Comet"};
    QTest::newRow("last heat of the round: nothing on deck")
        << 1 << 3 << 3 << QStringList{"Bolt/Ben/12/0/0", "/Cy/13/0/0", "Comet/Ann/11/0/0"}
        << QStringList{"<none>", "<none>", "<none>"};
    QTest::newRow("round of only the spare heat") << 2 << 1 << 1 << QStringList{kNone, kNone, kNone}
                                                  << QStringList{"<none>", "<none>", "<none>"};
    QTest::newRow("short lists and a position that is not a racer")
        << 3 << 1 << 2 << QStringList{"Bolt/Ben/12/2.5/1", kNone, kNone}
        << QStringList{"<none>", "Comet", "<none>"};
    QTest::newRow("round beyond the race") << 4 << 1 << 2 << QStringList{kNone, kNone, kNone}
                                           << QStringList{"<none>", "<none>", "<none>"};
    QTest::newRow("no race yet") << 0 << 0 << 0 << QStringList{kNone, kNone, kNone}
                                 << QStringList{"<none>", "<none>", "<none>"};
    QTest::newRow("heat beyond the round") << 1 << 9 << 12 << QStringList{kNone, kNone, kNone}
                                           << QStringList{"<none>", "<none>", "<none>"};
  }
  void heat() {
    QFETCH(int, round);
    QFETCH(int, heat);
    QFETCH(int, totalHeats);
    QFETCH(QStringList, board);
    QFETCH(QStringList, onDeck);
    RaceState race = MakeRace();
    race.CurrentRound = round;
    race.CurrentHeat = heat;
    race.TotalHeats = totalHeats;
    TRaceBoard raceBoard;
    TOnDeckGrid grid;
    TLeaderBox box;
    ShowRaceLanes(race, raceBoard, grid);
    // Old values that a refresh must replace.
    for (auto& r : raceBoard.CurrentRacers().Items) {
      r.Time = Currency::FromWhole(9);
      r.Place = 9;
    }
    ShowRaceHeat(race, raceBoard, grid, box);
    QCOMPARE(raceBoard.CurrentHeat(), heat);
    QCOMPARE(raceBoard.TotalHeats(), totalHeats);
    QCOMPARE(BoardRows(raceBoard), board);
    QCOMPARE(GridRows(grid), onDeck);
    QCOMPARE(box.Leaders().Items.size(), size_t{2});
    QCOMPARE(box.Leaders().Items[1].Name, std::string("Cy"));
  }

  void scoreTypeCaption_data() {
    QTest::addColumn<int>("scoring");
    QTest::addColumn<QString>("caption");
    QTest::newRow("average time") << int(ScoringType::AverageTime) << "Avg Time";
    QTest::newRow("points") << int(ScoringType::Points) << "Avg Pts";
    QTest::newRow("cumulative time") << int(ScoringType::CumulativeTime) << "Avg";
    QTest::newRow("fastest time") << int(ScoringType::FastestTime) << "Best Time";
  }
  void scoreTypeCaption() {
    QFETCH(int, scoring);
    QFETCH(QString, caption);
    QCOMPARE(QString::fromStdString(ScoreCaptionOf(static_cast<ScoringType>(scoring))), caption);
  }
};

QTEST_MAIN(RaceDisplayFeedTest)
#include "race_display_feed_test.moc"
