#include "core/app/page_setting_parts.h"
#include "core/app/setting_values.h"

namespace orvane::app {

void AddEngineerSettingNames(std::vector<std::string>& names) {
  for (const char* name : {"engineer.sensor-orientation", "engineer.maker-id",
                           "engineer.product-id", "engineer.smoothing", "engineer.fire-trigger"})
    names.emplace_back(name);
}

bool GetEngineerSetting(const pages::EngineerPageState& state, const std::string& name,
                        std::string& value) {
  if (name == "engineer.sensor-orientation") {
    value = std::to_string(state.sensor_orientation);
  } else if (name == "engineer.maker-id") {
    value = state.maker_text;
  } else if (name == "engineer.product-id") {
    value = state.product_text;
  } else if (name == "engineer.smoothing") {
    value = OnOffText(state.smoothing);
  } else if (name == "engineer.fire-trigger") {
    value = state.fire_trigger_fn ? "fn+left" : "left";
  } else {
    return false;
  }
  return true;
}

std::optional<SetResult> SetEngineerSetting(pages::EngineerPage& page, const std::string& name,
                                            const std::string& value) {
  if (name == "engineer.sensor-orientation") {
    const auto choice = Number(value, 0, 7);
    if (!choice) return SetResult{SetStatus::kBadValue, "the sensor orientation is 0..7"};
    page.ChooseSensorOrientation(*choice);
  } else if (name == "engineer.maker-id" || name == "engineer.product-id") {
    if (!Number(value, 0, 255)) return SetResult{SetStatus::kBadValue, "an identifier is 0..255"};
    name == "engineer.maker-id" ? page.TypeMakerId(value) : page.TypeProductId(value);
  } else if (name == "engineer.smoothing") {
    const auto on = OnOff(value);
    if (!on) return SetResult{SetStatus::kBadValue, "smoothing is on or off"};
    page.SetSmoothing(*on);
  } else if (name == "engineer.fire-trigger") {
    if (value != "fn+left" && value != "left") {
      return SetResult{SetStatus::kBadValue, "the fire trigger is fn+left or left"};
    }
    page.SetFireTriggerFn(value == "fn+left");
  } else {
    return std::nullopt;
  }
  return SetResult{};
}

}  // namespace orvane::app
