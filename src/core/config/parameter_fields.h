#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/config/data_buf.h"

// Each field of ParameterA, ParameterB, the fire tables and FireKey, both
// ways. The pages only read and set controls and call these. A setter given
// no value (a radio pair with neither button selected) leaves its bits alone.
namespace orvane::config {

using ParameterA = std::array<uint8_t, kParameterA.length>;
using ParameterB = std::array<uint8_t, kParameterB.length>;

// ParameterA byte 0 bits 0..3: the four on/off radio pairs.
enum class SwitchBit : uint8_t {
  kLedSwitchKeys = 0,
  kFireTriggerFn = 1,
  kLedModeKeys = 2,
  kKeyModeNotSaved = 3,
};
void SetSwitch(ParameterA& a, SwitchBit bit, std::optional<bool> on);
bool GetSwitch(const ParameterA& a, SwitchBit bit);

// ParameterA byte 1 bits 0, 1, 2, 5: the four check boxes.
enum class OptionBit : uint8_t {
  kModeSwitchMiddleHold = 0,
  kModeSwitchCpiHold = 1,
  kModeSwitchGunHold = 2,
  kSmoothing = 5,
};
void SetOption(ParameterA& a, OptionBit bit, bool on);
bool GetOption(const ParameterA& a, OptionBit bit);

// cb_SensorOri choice 0..7 <-> the 3-bit code in byte 0 bits 4..6.
uint8_t OrientationCode(int choice);
int OrientationChoice(uint8_t code);
void SetSensorOrientation(ParameterA& a, int choice);
int GetSensorOrientation(const ParameterA& a);

enum class LedType { kMcuLed, kRbLed, kSyncLed, kBreLed };
const char* LedTypeName(LedType type);
void SetLedType(ParameterA& a, std::optional<LedType> type);
LedType GetLedType(const ParameterA& a);

// Byte 2: cb_CPIStep index + 2.
void SetDpiLevelChoice(ParameterA& a, int choice);
int GetDpiLevelChoice(const ParameterA& a);

// Byte 3 bit 3: full (true) or half brightness of the strip.
void SetMcuLedFullBright(ParameterA& a, std::optional<bool> full);
bool GetMcuLedFullBright(const ParameterA& a);
// Byte 3 bits 4..7 hold 13 - count; counts outside 4..13 change nothing, and
// codes 10..15 give no count.
void SetMcuLedCount(ParameterA& a, int count);
std::optional<int> GetMcuLedCount(const ParameterA& a);
// Byte 4: written only for the strip: bit 0 set, bits 1..7 = modes 1..7.
void SetMcuLedModes(ParameterA& a, LedType type, const std::array<bool, 7>& enabled);
std::array<bool, 7> GetMcuLedModes(const ParameterA& a);

// Bytes 6..12: index 0..11 into the DPI value list, for levels 1..7.
constexpr std::array<int, 12> kDpiValues = {500,  800,  1000, 1200, 1600, 2000,
                                            2400, 3200, 4000, 4800, 6400, 8000};
void SetDpiValueIndex(ParameterA& a, int level, uint8_t index);
uint8_t GetDpiValueIndex(const ParameterA& a, int level);

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};
// Bytes 26..46: the colour of DPI level 1..7.
void SetDpiColour(ParameterA& a, int level, Rgb colour);
Rgb GetDpiColour(const ParameterA& a, int level);

// ParameterB: value and complement pairs.
void SetCurrentDpiLevel(ParameterB& b, uint8_t level);
uint8_t GetCurrentDpiLevel(const ParameterB& b);

struct LedState {
  int current_mode = 0;  // 0-based; only the strip and the two-colour LED have modes
  bool off = false;
  int speed = 0;  // 0..7, strip only
  bool operator==(const LedState&) const = default;
};
uint8_t EncodeLedState(LedType type, const LedState& state);
LedState DecodeLedState(uint8_t byte);
void SetLedState(ParameterB& b, LedType type, const LedState& state);
LedState GetLedState(const ParameterB& b);
// Only the bits of `mask` take their value from `bits`: a page changing one
// part of the LED state leaves the others as the image had them.
void UpdateLedStateBits(ParameterB& b, uint8_t mask, uint8_t bits);
constexpr uint8_t kLedModeBits = 0x07;
constexpr uint8_t kLedOffBit = 0x08;
constexpr uint8_t kLedSpeedBits = 0xE0;

// KeyModeByte: bit 7 = key mode 2.
void SetKeyMode(ParameterB& b, int key_mode);
int GetKeyMode(const ParameterB& b);

void SetIdentifiers(ParameterB& b, uint8_t maker, uint8_t product);
uint8_t GetMakerId(const ParameterB& b);
uint8_t GetProductId(const ParameterB& b);

// FireYOffsetTable: fire macro 1..10; the edit's decimal text truncated to
// 8 bits. Text that is not a number leaves the pair alone.
void SetFireYOffset(DataBuf& data, int macro, const std::string& text);
uint8_t GetFireYOffset(const DataBuf& data, int macro);
void SetFireColour(DataBuf& data, int macro, Rgb colour);
Rgb GetFireColour(const DataBuf& data, int macro);

// FireKey byte 2 (FireRepeat) and byte 8 (FireInterval).
struct FireBurst {
  bool continuous = false;
  int shot_count = 3;  // 1..255, used when not continuous
  uint8_t interval = 100;
  bool operator==(const FireBurst&) const = default;
};
void SetFireBurst(DataBuf& data, const FireBurst& burst);
FireBurst GetFireBurst(const DataBuf& data);

// Parses the decimal text of a number edit; nothing for other text and for
// numbers beyond 64 bits. 64 bits on every system, so a long typed number
// means the same on Windows (where long has 32) as on Linux.
std::optional<int64_t> ParseDecimal(const std::string& text);

}  // namespace orvane::config
