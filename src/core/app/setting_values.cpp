#include "core/app/setting_values.h"

#include <charconv>
#include <cstdio>

namespace orvane::app {

std::optional<int> Number(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

std::optional<bool> OnOff(std::string_view text) {
  if (text == "on") return true;
  if (text == "off") return false;
  return std::nullopt;
}

const char* OnOffText(bool on) { return on ? "on" : "off"; }

std::string ColourText(config::Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof(text), "#%02X%02X%02X", colour.r, colour.g, colour.b);
  return text;
}

std::optional<config::Rgb> ParseColour(std::string_view text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  uint8_t bytes[3];
  for (size_t i = 0; i < 3; ++i) {
    const int high = config::HexDigitValue(text[1 + 2 * i]);
    const int low = config::HexDigitValue(text[2 + 2 * i]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes[i] = static_cast<uint8_t>(high * 16 + low);
  }
  return config::Rgb{bytes[0], bytes[1], bytes[2]};
}

}  // namespace orvane::app
