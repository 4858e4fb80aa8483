#include "race_module.h"

#include <algorithm>
#include <numeric>

#include "race_completion.h"

namespace velmora {
namespace {

THeat* HeatOfCurrentRound(RaceState& race, int32_t heatIndex) {
  THeats* round = RoundAt(race, race.CurrentRound);
  if (!round || heatIndex < 0 || heatIndex >= HeatCount(*round))
    return nullptr;
  return &round->Heats[static_cast<size_t>(heatIndex)];
}

// Appends as the statistics walk does: the list always ends with one spare
// element, and the value goes into the element before the new last one.
template <typename T>
void AppendKeepingSpare(std::vector<T>& list, T value) {
  if (list.empty())
    list.resize(1);
  list.back() = value;
  list.push_back(T{});
}

}  // namespace

bool RecordHeatTimes(RaceState& race, const std::vector<Currency>& times, int32_t heatNumber,
                     RaceRandom& random, Notifier& notifier) {
  THeat* heat = HeatOfCurrentRound(race, heatNumber - 1);
  if (!heat)
    return false;
  heat->Times = times;
  heat->Places.resize(times.size());
  heat->Raced = true;
  AssignPlaces(race, heatNumber - 1);
  ComputeStandings(race);
  CheckRaceComplete(race, random, notifier);
  return true;
}

void AssignPlaces(RaceState& race, int32_t heatIndex) {
  THeat* heat = HeatOfCurrentRound(race, heatIndex);
  if (!heat || race.LaneCount < 1)
    return;
  const size_t lanes = static_cast<size_t>(race.LaneCount);
  // A lane without a time (missing, zero or negative) never beats a timed car.
  auto timeOf = [heat](size_t lane) {
    return lane < heat->Times.size() ? heat->Times[lane] : Currency();
  };
  std::vector<size_t> order(lanes);
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    Currency ta = timeOf(a);
    Currency tb = timeOf(b);
    bool timedA = ta > Currency();
    bool timedB = tb > Currency();
    if (timedA != timedB)
      return timedA;
    return timedA && ta < tb;
  });
  if (heat->Places.size() < lanes)
    heat->Places.resize(lanes);
  for (size_t place = 0; place < lanes; ++place) {
    heat->Places[order[place]] = static_cast<int32_t>(place + 1);
  }
}

int32_t FastestIndex(const std::vector<Currency>& times) {
  Currency minimum = kSentinelTime;
  int32_t index = 0;
  for (size_t i = 0; i < times.size(); ++i) {
    if (times[i] < minimum) {
      minimum = times[i];
      index = static_cast<int32_t>(i);
    }
  }
  return index;
}

void ComputeStandings(RaceState& race) {
  const int32_t racers =
      std::clamp<int32_t>(race.RacerCount, 0, static_cast<int32_t>(race.Cars.Items.size()));
  for (int32_t i = 0; i < racers; ++i) {
    TCar& car = race.Cars.Items[static_cast<size_t>(i)];
    car.Times.resize(1);
    car.Places.resize(1);
    car.Wins = 0;
    car.Losses = 0;
  }

  for (int32_t r = 1; r <= race.RoundCount; ++r) {
    const THeats* round = RoundAt(race, r);
    if (!round)
      break;
    for (int32_t h = 0; h < HeatCount(*round); ++h) {
      const THeat& heat = round->Heats[static_cast<size_t>(h)];
      if (!heat.Raced)
        continue;
      for (int32_t l = 0; l < race.LaneCount; ++l) {
        const size_t lane = static_cast<size_t>(l);
        if (lane >= heat.LaneCars.size())
          break;
        TCar* car = CarAt(race, heat.LaneCars[lane]);
        if (!car)
          continue;
        Currency time = lane < heat.Times.size() ? heat.Times[lane] : Currency();
        int32_t place = lane < heat.Places.size() ? heat.Places[lane] : 0;
        AppendKeepingSpare(car->Times, time);
        AppendKeepingSpare(car->Places, place);
        if (place == 1) {
          ++car->Wins;
        } else {
          ++car->Losses;
        }
      }
    }
  }

  for (int32_t i = 0; i < racers; ++i) {
    TCar& car = race.Cars.Items[static_cast<size_t>(i)];
    const int64_t n = static_cast<int64_t>(car.Times.size()) - 1;
    car.FastestTime = Currency();
    car.WorstTime = Currency();
    Currency sum;
    int64_t placeSum = 0;
    for (int64_t k = 0; k < n; ++k) {
      Currency time = car.Times[static_cast<size_t>(k)];
      placeSum += car.Places[static_cast<size_t>(k)];
      sum += time;
      if (race.ScoringType == ScoringType::FastestTime &&
          (car.FastestTime > time || car.FastestTime == Currency())) {
        car.FastestTime = time;
      }
      if (time > car.WorstTime && n >= 2)
        car.WorstTime = time;
    }
    if (sum > Currency() && placeSum > 0) {
      if (race.IgnoreWorst)
        sum -= car.WorstTime;
      // The divisor stays the number of times, also without the worst one.
      car.AverageTime = sum.DividedBy(n);
      car.AveragePoints = Currency::FromWhole(placeSum).DividedBy(n);
      car.CumulativeTime = sum;
      car.TotalPoints = Currency::FromWhole(placeSum);
      switch (race.ScoringType) {
        case ScoringType::AverageTime:
          car.Score = car.AverageTime;
          break;
        case ScoringType::Points:
          car.Score = car.AveragePoints;
          break;
        case ScoringType::CumulativeTime:
          car.Score = car.CumulativeTime;
          break;
        case ScoringType::FastestTime:
          car.Score = car.FastestTime;
          break;
      }
    }
  }

  race.Leaders.Items.resize(static_cast<size_t>(std::max(race.RacerCount, 0)));
  for (int32_t k = 0; k < race.RacerCount; ++k) {
    TLeader& leader = race.Leaders.Items[static_cast<size_t>(k)];
    const TCar* car = CarAt(race, k + 1);
    leader.Name = car ? car->CarName : std::string();
    leader.Score = car ? car->Score : Currency();
    leader.CarIndex = k;
  }
  SortLeaders(race.Leaders, 0, race.RacerCount - 1);

  for (int32_t i = 0; i < racers; ++i)
    race.Cars.Items[static_cast<size_t>(i)].Times.resize(1);
}

void SortLeaders(TLeaders& leaders, int32_t lo, int32_t hi) {
  if (lo < 0)
    lo = 0;
  hi = std::min<int32_t>(hi, static_cast<int32_t>(leaders.Items.size()) - 1);
  if (lo >= hi)
    return;
  // A score of 0 means "no result yet": it ranks after every real score.
  auto before = [](Currency a, Currency b) {
    bool noA = a == Currency();
    bool noB = b == Currency();
    if (noA != noB)
      return noB;
    return !noA && a < b;
  };
  auto& items = leaders.Items;
  for (int32_t i = lo; i < hi; ++i) {
    int32_t best = i;
    for (int32_t j = i + 1; j <= hi; ++j) {
      if (before(items[static_cast<size_t>(j)].Score, items[static_cast<size_t>(best)].Score)) {
        best = j;
      }
    }
    if (best != i)
      std::swap(items[static_cast<size_t>(i)], items[static_cast<size_t>(best)]);
  }
}

}  // namespace velmora
