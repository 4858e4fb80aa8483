// The schedule generators: each turns an entry list into one round of heats,
// the real heats followed by the spare heat.
#pragma once

#include <cstdint>

#include "race_random.h"
#include "race_types.h"

namespace velmora {

// Each entry once in every lane per run, then shuffled by random exchanges
// within each lane.
THeats GenerateLaneRotation(TIntArray entries, int32_t laneCount, int32_t runs, RaceRandom& random);
// A fixed staggered pattern: each lane starts two entries further down.
THeats GenerateStearns(TIntArray entries, int32_t laneCount, int32_t runs);
// The rotation without duplicates, then improved by every exchange within a
// lane that neither doubles a racer in a heat nor puts it in adjacent heats.
THeats GeneratePerfectN(TIntArray entries, int32_t laneCount, int32_t runs);

bool ListContains(const TIntArray& list, int32_t value);

// 1..count followed by zeros up to laneCount entries.
TIntArray AllRacersList(int32_t count, int32_t laneCount);

}  // namespace velmora
