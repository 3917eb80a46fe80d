#include "core/pages/engineer_page.h"

#include <algorithm>

#include "core/config/parameter_fields.h"

namespace orvane::pages {

namespace {

constexpr int kGenericIdentifier = 255;
constexpr int kOrientations = 8;

uint8_t IdentifierOf(const std::string& text) {
  int value = 0;
  for (const char c : text)
    value = std::min(value * 10 + (c - '0'), kGenericIdentifier);
  return static_cast<uint8_t>(text.empty() ? kGenericIdentifier : value);
}

}  // namespace

std::string NumberText(int value) { return std::to_string(value); }

void EngineerPage::ImageShown() {
  const config::DataBuf& data = config_.data;
  state_.sensor_orientation = config::GetSensorOrientation(data.ParameterA);
  state_.maker_text = NumberText(config::GetMakerId(data.ParameterB));
  state_.product_text = NumberText(config::GetProductId(data.ParameterB));
  state_.smoothing = config::GetOption(data.ParameterA, config::OptionBit::kSmoothing);
  state_.fire_trigger_fn = config::GetSwitch(data.ParameterA, config::SwitchBit::kFireTriggerFn);
}

void EngineerPage::BeforeWrite() {
  config::DataBuf& data = config_.data;
  config::SetSensorOrientation(data.ParameterA, state_.sensor_orientation);
  config::SetIdentifiers(data.ParameterB, IdentifierOf(state_.maker_text),
                         IdentifierOf(state_.product_text));
  config::SetOption(data.ParameterA, config::OptionBit::kSmoothing, state_.smoothing);
  config::SetSwitch(data.ParameterA, config::SwitchBit::kFireTriggerFn, state_.fire_trigger_fn);
}

bool EngineerPage::ChooseSensorOrientation(int choice) {
  if (choice < 0 || choice >= kOrientations) return false;
  state_.sensor_orientation = choice;
  return true;
}

std::string EngineerPage::IdentifierText(std::string_view typed, const std::string& previous) {
  if (!std::all_of(typed.begin(), typed.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return previous;
  }
  if (typed.empty() || typed.size() > 3 || std::stoi(std::string(typed)) > kGenericIdentifier) {
    return NumberText(kGenericIdentifier);
  }
  return std::string(typed);
}

std::string EngineerPage::TypeMakerId(std::string_view typed) {
  state_.maker_text = IdentifierText(typed, state_.maker_text);
  return state_.maker_text;
}

std::string EngineerPage::TypeProductId(std::string_view typed) {
  state_.product_text = IdentifierText(typed, state_.product_text);
  return state_.product_text;
}

void EngineerPage::ShowReadIdentifiers(uint8_t maker, uint8_t product) {
  state_.read_maker = NumberText(maker);
  state_.read_product = NumberText(product);
}

}  // namespace orvane::pages
