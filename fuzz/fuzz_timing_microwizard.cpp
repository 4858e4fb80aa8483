// Serial bytes through the MicroWizard timer protocol on a race in progress.
#include "timing_fuzz_race.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return velmora::fuzzing::FuzzTimer(velmora::TimerKind::MicroWizard, data, size);
}
