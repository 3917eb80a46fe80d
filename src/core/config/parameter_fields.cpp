#include "core/config/parameter_fields.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <span>

namespace orvane::config {

namespace {

constexpr std::array<uint8_t, 8> kOrientationCodes = {7, 2, 4, 1, 6, 5, 0, 3};

void SetBit(uint8_t& byte, int bit, bool on) {
  if (on) {
    byte = static_cast<uint8_t>(byte | (1u << bit));
  } else {
    byte = static_cast<uint8_t>(byte & ~(1u << bit));
  }
}

bool TestBit(uint8_t byte, int bit) { return (byte >> bit) & 1u; }

void SetPair(std::span<uint8_t> bytes, size_t at, uint8_t value) {
  bytes[at] = value;
  bytes[at + 1] = static_cast<uint8_t>(255 - value);
}

bool ValidLevel(int level) { return level >= 1 && level <= 7; }
bool ValidFireMacro(int macro) { return macro >= 1 && macro <= 10; }

}  // namespace

void SetSwitch(ParameterA& a, SwitchBit bit, std::optional<bool> on) {
  if (on) SetBit(a[0], static_cast<int>(bit), *on);
}

bool GetSwitch(const ParameterA& a, SwitchBit bit) { return TestBit(a[0], static_cast<int>(bit)); }

void SetOption(ParameterA& a, OptionBit bit, bool on) { SetBit(a[1], static_cast<int>(bit), on); }

bool GetOption(const ParameterA& a, OptionBit bit) { return TestBit(a[1], static_cast<int>(bit)); }

uint8_t OrientationCode(int choice) {
  return kOrientationCodes[static_cast<size_t>(std::clamp(choice, 0, 7))];
}

int OrientationChoice(uint8_t code) {
  const auto found = std::find(kOrientationCodes.begin(), kOrientationCodes.end(), code & 7);
  return static_cast<int>(found - kOrientationCodes.begin());
}

void SetSensorOrientation(ParameterA& a, int choice) {
  a[0] = static_cast<uint8_t>((a[0] & 0x8F) | (OrientationCode(choice) << 4));
}

int GetSensorOrientation(const ParameterA& a) { return OrientationChoice((a[0] >> 4) & 7); }

const char* LedTypeName(LedType type) {
  switch (type) {
    case LedType::kMcuLed: return "MCULED";
    case LedType::kRbLed: return "RBLED";
    case LedType::kSyncLed: return "SyncLED";
    case LedType::kBreLed: return "BreLED";
  }
  return "";
}

void SetLedType(ParameterA& a, std::optional<LedType> type) {
  if (!type) return;
  switch (*type) {
    case LedType::kMcuLed:
      SetBit(a[0], 7, false);
      SetBit(a[1], 3, true);
      break;
    case LedType::kRbLed:
      SetBit(a[0], 7, true);
      SetBit(a[1], 3, true);
      break;
    case LedType::kSyncLed:
      SetBit(a[0], 7, true);
      SetBit(a[1], 3, false);
      SetBit(a[1], 4, false);
      break;
    case LedType::kBreLed:
      SetBit(a[0], 7, true);
      SetBit(a[1], 3, false);
      SetBit(a[1], 4, true);
      break;
  }
}

LedType GetLedType(const ParameterA& a) {
  if (!TestBit(a[0], 7)) return LedType::kMcuLed;
  if (TestBit(a[1], 3)) return LedType::kRbLed;
  return TestBit(a[1], 4) ? LedType::kBreLed : LedType::kSyncLed;
}

void SetDpiLevelChoice(ParameterA& a, int choice) { a[2] = static_cast<uint8_t>(choice + 2); }

int GetDpiLevelChoice(const ParameterA& a) { return a[2] - 2; }

void SetMcuLedFullBright(ParameterA& a, std::optional<bool> full) {
  if (full) SetBit(a[3], 3, *full);
}

bool GetMcuLedFullBright(const ParameterA& a) { return TestBit(a[3], 3); }

void SetMcuLedCount(ParameterA& a, int count) {
  if (count < 4 || count > 13) return;
  a[3] = static_cast<uint8_t>((a[3] & 0x0F) | ((13 - count) << 4));
}

std::optional<int> GetMcuLedCount(const ParameterA& a) {
  const int code = a[3] >> 4;
  if (code > 9) return std::nullopt;
  return 13 - code;
}

void SetMcuLedModes(ParameterA& a, LedType type, const std::array<bool, 7>& enabled) {
  if (type != LedType::kMcuLed) return;
  uint8_t byte = 1;
  for (int mode = 1; mode <= 7; ++mode)
    SetBit(byte, mode, enabled[mode - 1]);
  a[4] = byte;
}

std::array<bool, 7> GetMcuLedModes(const ParameterA& a) {
  std::array<bool, 7> enabled{};
  for (int mode = 1; mode <= 7; ++mode)
    enabled[mode - 1] = TestBit(a[4], mode);
  return enabled;
}

void SetDpiValueIndex(ParameterA& a, int level, uint8_t index) {
  if (ValidLevel(level)) a[5 + level] = index;
}

uint8_t GetDpiValueIndex(const ParameterA& a, int level) {
  return ValidLevel(level) ? a[5 + level] : 0;
}

void SetDpiColour(ParameterA& a, int level, Rgb colour) {
  if (!ValidLevel(level)) return;
  const size_t at = 26 + 3 * (level - 1);
  a[at] = colour.r;
  a[at + 1] = colour.g;
  a[at + 2] = colour.b;
}

Rgb GetDpiColour(const ParameterA& a, int level) {
  if (!ValidLevel(level)) return {};
  const size_t at = 26 + 3 * (level - 1);
  return {a[at], a[at + 1], a[at + 2]};
}

void SetCurrentDpiLevel(ParameterB& b, uint8_t level) { SetPair(b, 0, level); }

uint8_t GetCurrentDpiLevel(const ParameterB& b) { return b[0]; }

uint8_t EncodeLedState(LedType type, const LedState& state) {
  uint8_t byte = 0;
  if (type == LedType::kMcuLed || type == LedType::kRbLed) {
    byte = static_cast<uint8_t>((state.current_mode + 1) & 7);
  }
  SetBit(byte, 3, state.off);
  if (type == LedType::kMcuLed) byte = static_cast<uint8_t>(byte | ((state.speed & 7) << 5));
  return byte;
}

LedState DecodeLedState(uint8_t byte) { return {(byte & 7) - 1, TestBit(byte, 3), byte >> 5}; }

void SetLedState(ParameterB& b, LedType type, const LedState& state) {
  SetPair(b, 2, EncodeLedState(type, state));
}

LedState GetLedState(const ParameterB& b) { return DecodeLedState(b[2]); }

void UpdateLedStateBits(ParameterB& b, uint8_t mask, uint8_t bits) {
  SetPair(b, 2, static_cast<uint8_t>((b[2] & ~mask) | (bits & mask)));
}

void SetKeyMode(ParameterB& b, int key_mode) { SetPair(b, 4, key_mode == 2 ? 0x80 : 0x00); }

int GetKeyMode(const ParameterB& b) { return TestBit(b[4], 7) ? 2 : 1; }

void SetIdentifiers(ParameterB& b, uint8_t maker, uint8_t product) {
  b[6] = maker;
  b[7] = product;
}

uint8_t GetMakerId(const ParameterB& b) { return b[6]; }

uint8_t GetProductId(const ParameterB& b) { return b[7]; }

void SetFireYOffset(DataBuf& data, int macro, const std::string& text) {
  const auto value = ParseDecimal(text);
  if (!ValidFireMacro(macro) || !value) return;
  SetPair(data.FireYOffsetTable, 2 * (macro - 1), static_cast<uint8_t>(*value & 0xFF));
}

uint8_t GetFireYOffset(const DataBuf& data, int macro) {
  return ValidFireMacro(macro) ? data.FireYOffsetTable[2 * (macro - 1)] : 0;
}

void SetFireColour(DataBuf& data, int macro, Rgb colour) {
  if (!ValidFireMacro(macro)) return;
  const size_t at = 3 * (macro - 1);
  data.FireColorTable[at] = colour.r;
  data.FireColorTable[at + 1] = colour.g;
  data.FireColorTable[at + 2] = colour.b;
}

Rgb GetFireColour(const DataBuf& data, int macro) {
  if (!ValidFireMacro(macro)) return {};
  const size_t at = 3 * (macro - 1);
  return {data.FireColorTable[at], data.FireColorTable[at + 1], data.FireColorTable[at + 2]};
}

void SetFireBurst(DataBuf& data, const FireBurst& burst) {
  // 255 stored means continuous fire: a count never turns into it.
  data.FireKey[2] =
      burst.continuous ? 255 : static_cast<uint8_t>(std::clamp(burst.shot_count, 1, 255) - 1);
  data.FireKey[8] = burst.interval;
}

FireBurst GetFireBurst(const DataBuf& data) {
  const uint8_t repeat = data.FireKey[2];
  return {repeat == 255, repeat == 255 ? 3 : repeat + 1, data.FireKey[8]};
}

std::optional<int64_t> ParseDecimal(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || end == text.c_str()) return std::nullopt;
  return value;
}

}  // namespace orvane::config
