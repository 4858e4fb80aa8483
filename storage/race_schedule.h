// Velmora's reader of race schedule files.
#pragma once

#include <string>

#include "notifier.h"
#include "race_types.h"

namespace velmora {

// The round a race schedule file holds, with the file's own lane count. An
// invalid file informs "Invalid Race Schedule File" and gives a round without
// real heats; a file that cannot be read throws FileError.
THeats ImportSchedule(const std::string& fileName, Notifier& notifier);

}  // namespace velmora
