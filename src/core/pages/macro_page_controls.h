#pragma once

#include <string>
#include <vector>

namespace orvane::pages {

// The controls the macro page's views are bound to, by name: the library
// list and its panel, the event list and its panel, the options, the insert
// panel and the record buttons.
std::vector<std::string> MacroPageControlNames();

}  // namespace orvane::pages
