// The race displays as race creation and race loading reach them: the main
// window implements the display work, the command line leaves it empty.
#pragma once

#include "race_types.h"

namespace velmora {

class RaceDisplays {
 public:
  virtual ~RaceDisplays() = default;
  // Shows a newly created or loaded race: board, on-deck grid, lane names and
  // colours, title, logo, race buttons. Runs after the race-state effects of
  // InitRaceDisplays below and ends with a refresh of its own.
  virtual void InitRaceDisplays() = 0;
  // Copies the heat on show, the next heat, the rounds and the standings to
  // the displays and repaints them.
  virtual void RefreshRaceDisplays() = 0;
};

// Displays that show nothing, for the command line and tests.
class NoRaceDisplays : public RaceDisplays {
 public:
  void InitRaceDisplays() override {}
  void RefreshRaceDisplays() override {}
};

// The race-state part of the display initialisation: the first heat is on
// show, Leaders holds one entry per racer and the standings are computed.
void PrepareRaceDisplays(RaceState& race);

// The whole display initialisation: PrepareRaceDisplays, then the display
// work of `displays`.
void InitRaceDisplays(RaceState& race, RaceDisplays& displays);

}  // namespace velmora
