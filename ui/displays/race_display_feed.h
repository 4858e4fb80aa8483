// Copies what the main window shows from the race into the three displays.
// Every read is bounded by the lists the race really has, so a round without
// heats, a short lane list or a stray car position shows "<none>" instead of
// reading past an end.
#pragma once

#include <string>

#include "race_creation.h"  // ScoreCaptionOf: the leader box caption
#include "race_types.h"

namespace velmora {

class TRaceBoard;
class TOnDeckGrid;
class TLeaderBox;

// Text the displays show for a lane without a car.
inline constexpr const char* kNoCarText = "<none>";

// What the on-deck grid shows for the car at a 1-based position: its car
// name, "<Racer n>" when it has none, "<none>" for an empty lane or a
// position that is not a racer.
std::string OnDeckText(const RaceState& race, int32_t position);

// When a race is shown: lane count, vehicle word, each lane's name and colour.
void ShowRaceLanes(const RaceState& race, TRaceBoard& board, TOnDeckGrid& grid);

// At every refresh: the heat numbers and the heat on show on the board, the
// next heat of the same round on the grid ("<none>" everywhere after the
// round's last heat), and a copy of the standings in the box. Leaves each
// display's lane count as it is.
void ShowRaceHeat(const RaceState& race, TRaceBoard& board, TOnDeckGrid& grid, TLeaderBox& box);

}  // namespace velmora
