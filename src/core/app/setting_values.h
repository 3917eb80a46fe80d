#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/config/action_codes.h"
#include "core/config/parameter_fields.h"

// How `orvanectl get` and `set` spell the values of the pages' settings.
namespace orvane::app {

// A decimal number low..high, nothing else.
std::optional<int> Number(std::string_view text, int low, int high);
// "on" or "off".
std::optional<bool> OnOff(std::string_view text);
const char* OnOffText(bool on);
// #RRGGBB.
std::string ColourText(config::Rgb colour);
std::optional<config::Rgb> ParseColour(std::string_view text);

}  // namespace orvane::app
