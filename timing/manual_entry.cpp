#include "manual_entry.h"

#include "currency.h"
#include "race_module.h"

namespace velmora {

bool EnterManualTimes(RaceState& race, const std::vector<std::string>& texts, RaceRandom& random,
                      Notifier& notifier) {
  if (race.LaneCount < 1)
    return false;
  // -1 is the mark of a text that does not read as a time.
  const Currency invalid = Currency::FromWhole(-1);
  std::vector<Currency> times;
  for (int lane = 0; lane < race.LaneCount; ++lane) {
    const std::string text =
        static_cast<std::size_t>(lane) < texts.size() ? texts[lane] : std::string();
    Currency t = TextToCurrency(text, invalid);
    if (t == invalid) {
      notifier.Inform(kInvalidTimePrefix + text);
      return false;
    }
    times.push_back(t);
  }
  return RecordHeatTimes(race, times, race.CurrentHeat, random, notifier);
}

}  // namespace velmora
