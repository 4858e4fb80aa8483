#include "race_types.h"

#include "errors.h"

namespace velmora {

std::string TimerTypeText(TimerKind kind) {
  switch (kind) {
    case TimerKind::NoTimer:
      return "No Timer";
    case TimerKind::TheJudge:
      return "TheJudge";
    case TimerKind::MicroWizard:
      return "Microwizard";
    case TimerKind::NewBoldDTX000:
      return "NewBoldDTX000";
    case TimerKind::SmartLine:
      return "SmartLine";
  }
  return "No Timer";
}

TimerKind TimerKindFromItem(int item) {
  switch (item) {
    case 1:
      return TimerKind::MicroWizard;
    case 2:
      return TimerKind::TheJudge;
    case 3:
      return TimerKind::NewBoldDTX000;
    case 4:
      return TimerKind::SmartLine;
    default:
      return TimerKind::NoTimer;
  }
}

int TimerItemFromKind(TimerKind kind) {
  switch (kind) {
    case TimerKind::MicroWizard:
      return 1;
    case TimerKind::TheJudge:
      return 2;
    case TimerKind::NewBoldDTX000:
      return 3;
    case TimerKind::SmartLine:
      return 4;
    case TimerKind::NoTimer:
      break;
  }
  return 0;
}

void SetGroupsMethod(RaceState& race, GroupsMethod method) {
  race.GroupsMethod = method;
  race.NoFinals = method != GroupsMethod::Finals;
}

std::string ColorToText(int32_t color) {
  static const char kHex[] = "0123456789ABCDEF";
  uint32_t c = static_cast<uint32_t>(color);
  std::string text;
  for (int shift : {0, 8, 16}) {
    uint32_t byte = (c >> shift) & 0xFF;
    text += kHex[byte >> 4];
    text += kHex[byte & 0xF];
  }
  return text;
}

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

int32_t HexPair(const std::string& pair) {
  int32_t value = 0;
  bool ok = !pair.empty();
  for (char c : pair) {
    int digit = HexValue(c);
    if (digit < 0)
      ok = false;
    value = value * 16 + digit;
  }
  if (!ok)
    throw ConversionError("'$" + pair + "' is not a valid integer value");
  return value;
}

}  // namespace

int32_t TextToColor(const std::string& text) {
  auto pair = [&text](size_t at) { return at < text.size() ? text.substr(at, 2) : std::string(); };
  int32_t red = HexPair(pair(0));
  int32_t green = HexPair(pair(2));
  int32_t blue = HexPair(pair(4));
  return red + green * 256 + blue * 65536;
}

TIntArray GroupMembers(const RaceState& race, int32_t group) {
  TIntArray members;
  for (int32_t position = 1; position <= race.RacerCount; ++position) {
    const TCar* car = CarAt(race, position);
    if (car && car->Group == group)
      members.push_back(position);
  }
  return members;
}

TCar* CarAt(RaceState& race, int32_t position) {
  if (position < 1 || position > race.RacerCount ||
      position > static_cast<int32_t>(race.Cars.Items.size())) {
    return nullptr;
  }
  return &race.Cars.Items[static_cast<size_t>(position - 1)];
}

const TCar* CarAt(const RaceState& race, int32_t position) {
  return CarAt(const_cast<RaceState&>(race), position);
}

THeats* RoundAt(RaceState& race, int32_t roundNumber) {
  if (roundNumber < 1 || roundNumber > race.RoundCount ||
      roundNumber > static_cast<int32_t>(race.Rounds.size())) {
    return nullptr;
  }
  return &race.Rounds[static_cast<size_t>(roundNumber - 1)];
}

const THeats* RoundAt(const RaceState& race, int32_t roundNumber) {
  return RoundAt(const_cast<RaceState&>(race), roundNumber);
}

}  // namespace velmora
