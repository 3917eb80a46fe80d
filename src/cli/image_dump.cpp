#include "cli/image_dump.h"

#include <cstdio>

#include "core/config/parameter_fields.h"

namespace orvane::cli {

using namespace orvane::config;

namespace {

const char* const kOrientations[8] = {
    "0", "90", "180", "270", "X mirrored", "Y mirrored", "XY swapped, inverted", "XY swapped"};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
std::string Bool(bool value) { return value ? "true" : "false"; }

std::string Hex(uint8_t byte) {
  char text[3];
  std::snprintf(text, sizeof(text), "%02X", byte);
  return text;
}

std::string ColourText(Rgb colour) { return Quoted(Hex(colour.r) + Hex(colour.g) + Hex(colour.b)); }

template <typename Item>
std::string List(int first, int last, Item item) {
  std::string text = "[";
  for (int i = first; i <= last; ++i)
    text += (i > first ? ", " : "") + item(i);
  return text + "]";
}

std::string ProfileCodes(const DataBuf& data, int mode) {
  return List(0, 8, [&](int button) {
    const size_t at = 27 * static_cast<size_t>(mode) + 3 * static_cast<size_t>(button);
    return Quoted(Hex(data.ProfileKeys[at]) + Hex(data.ProfileKeys[at + 1]) +
                  Hex(data.ProfileKeys[at + 2]));
  });
}

void AddParameterA(const ParameterA& a, DumpFields& fields) {
  fields.emplace_back("sensor_orientation", Quoted(kOrientations[GetSensorOrientation(a)]));
  fields.emplace_back("led_type", Quoted(LedTypeName(GetLedType(a))));
  fields.emplace_back("led_switch_keys", Bool(GetSwitch(a, SwitchBit::kLedSwitchKeys)));
  fields.emplace_back("fire_trigger_fn", Bool(GetSwitch(a, SwitchBit::kFireTriggerFn)));
  fields.emplace_back("led_mode_keys", Bool(GetSwitch(a, SwitchBit::kLedModeKeys)));
  fields.emplace_back("key_mode_not_saved", Bool(GetSwitch(a, SwitchBit::kKeyModeNotSaved)));
  fields.emplace_back("mode_switch_middle_hold",
                      Bool(GetOption(a, OptionBit::kModeSwitchMiddleHold)));
  fields.emplace_back("mode_switch_cpi_hold", Bool(GetOption(a, OptionBit::kModeSwitchCpiHold)));
  fields.emplace_back("mode_switch_gun_hold", Bool(GetOption(a, OptionBit::kModeSwitchGunHold)));
  fields.emplace_back("smoothing", Bool(GetOption(a, OptionBit::kSmoothing)));
  fields.emplace_back("dpi_level_count", std::to_string(GetDpiLevelChoice(a) + 2));
  fields.emplace_back("dpi_values", List(1, 7, [&](int level) {
                        const uint8_t index = GetDpiValueIndex(a, level);
                        return index < kDpiValues.size() ? std::to_string(kDpiValues[index])
                                                         : std::string("null");
                      }));
  fields.emplace_back("dpi_colours",
                      List(1, 7, [&](int level) { return ColourText(GetDpiColour(a, level)); }));
  fields.emplace_back("strip_full_brightness", Bool(GetMcuLedFullBright(a)));
  const auto count = GetMcuLedCount(a);
  fields.emplace_back("strip_led_count", count ? std::to_string(*count) : "null");
  const auto modes = GetMcuLedModes(a);
  fields.emplace_back("strip_modes_enabled",
                      List(1, 7, [&](int mode) { return Bool(modes[mode - 1]); }));
}

void AddParameterB(const ParameterB& b, DumpFields& fields) {
  const LedState led = GetLedState(b);
  fields.emplace_back("current_dpi_level", std::to_string(GetCurrentDpiLevel(b) + 1));
  fields.emplace_back("led_current_mode", std::to_string(led.current_mode + 1));
  fields.emplace_back("led_off", Bool(led.off));
  fields.emplace_back("strip_speed", std::to_string(led.speed));
  fields.emplace_back("key_mode", std::to_string(GetKeyMode(b)));
  fields.emplace_back("maker_id", std::to_string(GetMakerId(b)));
  fields.emplace_back("product_id", std::to_string(GetProductId(b)));
}

void AddFire(const DataBuf& data, DumpFields& fields) {
  const FireBurst burst = GetFireBurst(data);
  fields.emplace_back("fire_key_continuous", Bool(burst.continuous));
  fields.emplace_back("fire_key_shots",
                      burst.continuous ? "null" : std::to_string(burst.shot_count));
  fields.emplace_back("fire_key_interval", std::to_string(burst.interval));
  fields.emplace_back("fire_y_offsets", List(1, 10, [&](int macro) {
                        return std::to_string(GetFireYOffset(data, macro));
                      }));
  fields.emplace_back("fire_colours", List(1, 10, [&](int macro) {
                        return ColourText(GetFireColour(data, macro));
                      }));
}

}  // namespace

DumpFields DumpConfiguration(const DataBuf& data) {
  DumpFields fields;
  AddParameterA(data.ParameterA, fields);
  AddParameterB(data.ParameterB, fields);
  fields.emplace_back("profile1_codes", ProfileCodes(data, 0));
  fields.emplace_back("profile2_codes", ProfileCodes(data, 1));
  AddFire(data, fields);
  return fields;
}

std::string FormatJson(const DumpFields& fields) {
  std::string text = "{\n";
  for (size_t i = 0; i < fields.size(); ++i) {
    text += "  " + Quoted(fields[i].first) + ": " + fields[i].second;
    text += i + 1 < fields.size() ? ",\n" : "\n";
  }
  return text + "}\n";
}

std::string FormatText(const DumpFields& fields) {
  std::string text;
  for (const auto& [key, value] : fields)
    text += key + ": " + value + "\n";
  return text;
}

}  // namespace orvane::cli
