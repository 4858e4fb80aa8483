#include "race_generation.h"

#include <algorithm>
#include <utility>

namespace velmora {
namespace {

// A round of `heatCount` real heats of `laneCount` empty lanes, plus the
// spare heat.
THeats EmptyRound(int32_t heatCount, int32_t laneCount) {
  THeats round;
  size_t lanes = static_cast<size_t>(std::max(laneCount, 0));
  round.Heats.resize(static_cast<size_t>(std::max(heatCount, 0)) + 1);
  for (int32_t h = 0; h < heatCount; ++h) {
    round.Heats[static_cast<size_t>(h)].LaneCars.assign(lanes, 0);
    round.Heats[static_cast<size_t>(h)].Times.assign(lanes, Currency());
  }
  return round;
}

bool HeatContains(const THeat& heat, int32_t value) {
  return ListContains(heat.LaneCars, value);
}

// Far beyond any real race; guards the heat count against overflow.
constexpr int64_t kMaxHeats = 1000000;

bool TooManyHeats(int64_t runs, int64_t entries) {
  return runs * entries + 2 > kMaxHeats;
}

}  // namespace

bool ListContains(const TIntArray& list, int32_t value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

TIntArray AllRacersList(int32_t count, int32_t laneCount) {
  TIntArray list;
  for (int32_t i = 1; i <= count; ++i)
    list.push_back(i);
  while (static_cast<int32_t>(list.size()) < laneCount)
    list.push_back(0);
  return list;
}

THeats GenerateLaneRotation(TIntArray entries, int32_t laneCount, int32_t runs,
                            RaceRandom& random) {
  const int32_t m = static_cast<int32_t>(entries.size());
  if (runs < 1 || m == 0 || laneCount < 1 || TooManyHeats(runs, m))
    return EmptyRound(0, laneCount);
  const int32_t n = runs * m;
  THeats round = EmptyRound(n, laneCount);
  auto& heats = round.Heats;

  for (int32_t lane = 0; lane < laneCount; ++lane) {
    int32_t j = lane;
    for (int32_t h = 0; h < n; ++h) {
      if (j > m - 1)
        j = 0;
      heats[h].LaneCars[lane] = entries[j];
      ++j;
    }
  }

  // Random exchanges within each lane; one draw for every lane and heat.
  // The partner is drawn below `last`, so the last heat is never a partner.
  const int32_t last = n - 1;
  for (int32_t lane = 0; lane < laneCount; ++lane) {
    for (int32_t h = 0; h <= last; ++h) {
      int32_t r = random.RandomDraw(last);
      int32_t& x = heats[h].LaneCars[lane];
      int32_t& y = heats[r].LaneCars[lane];
      if (HeatContains(heats[r], x) || HeatContains(heats[h], y))
        continue;
      std::swap(x, y);
    }
  }
  return round;
}

THeats GenerateStearns(TIntArray entries, int32_t laneCount, int32_t runs) {
  const int32_t m = static_cast<int32_t>(entries.size());
  // The pattern wraps to the second entry, so it needs at least two.
  if (runs < 1 || m < 2 || laneCount < 1 || TooManyHeats(runs, m)) {
    return EmptyRound(0, laneCount);
  }
  const int32_t k = (m - 1) * runs + 2;
  THeats round = EmptyRound(k, laneCount);
  for (int32_t lane = 0; lane < laneCount; ++lane) {
    int32_t j = 2 * lane;
    for (int32_t h = 0; h < k; ++h) {
      if (j > m - 1)
        j = 1;
      round.Heats[h].LaneCars[lane] = entries[j];
      ++j;
    }
  }
  return round;
}

THeats GeneratePerfectN(TIntArray entries, int32_t laneCount, int32_t runs) {
  const int32_t m = static_cast<int32_t>(entries.size());
  if (runs < 1 || m == 0 || laneCount < 1 || TooManyHeats(runs, m))
    return EmptyRound(0, laneCount);
  const int32_t n = runs * m;
  THeats round = EmptyRound(n, laneCount);
  auto& heats = round.Heats;

  for (int32_t lane = 0; lane < laneCount; ++lane) {
    int32_t j = lane;
    for (int32_t h = 0; h < n; ++h) {
      if (j > m - 1)
        j = 0;
      // A racer already in this heat leaves the lane empty instead.
      heats[h].LaneCars[lane] = HeatContains(heats[h], entries[j]) ? 0 : entries[j];
      ++j;
    }
  }

  auto inAdjacentHeat = [&heats, n](int32_t value, int32_t i) {
    return (i > 0 && HeatContains(heats[i - 1], value)) ||
           (i < n - 2 && HeatContains(heats[i + 1], value));
  };

  const int32_t last = n - 1;
  for (int32_t lane = 0; lane < laneCount; ++lane) {
    for (int32_t j = 0; j < last; ++j) {
      for (int32_t k = 0; k < last; ++k) {
        int32_t x = heats[j].LaneCars[lane];
        int32_t y = heats[k].LaneCars[lane];
        if (!HeatContains(heats[k], x) && !HeatContains(heats[j], y) && !inAdjacentHeat(x, k) &&
            !inAdjacentHeat(y, j)) {
          heats[j].LaneCars[lane] = y;
          heats[k].LaneCars[lane] = x;
        }
      }
    }
  }
  return round;
}

}  // namespace velmora
