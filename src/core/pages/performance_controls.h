#pragma once

#include <string>
#include <vector>

namespace orvane::pages {

// The controls the DPI rows' views are bound to, by name, on the advanced
// page and the engineer page.
std::vector<std::string> DpiPageControlNames();
// The controls the lighting views are bound to, on the lighting page and the
// engineer page.
std::vector<std::string> LightingPageControlNames();

}  // namespace orvane::pages
