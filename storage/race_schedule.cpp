#include "race_schedule.h"

#include "fields.h"
#include "schedule_import.h"

namespace velmora {

THeats ImportSchedule(const std::string& fileName, Notifier& notifier) {
  return ScheduleFromLines(ReadLines(fileName), notifier);
}

}  // namespace velmora
