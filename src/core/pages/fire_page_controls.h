#pragma once

#include <array>
#include <string>
#include <vector>

namespace orvane::pages {

// The five edits of parameter row 1..3, in the order the row shows them.
std::array<std::string, 5> FireRowEditNames(int row);

// The controls the fire page's views are bound to, by name: the guns, the
// parameter rows, Confirm and Cancel, the Fire key's burst, the engineer
// view's fire controls, and the hidden editor with its panels.
std::vector<std::string> FirePageControlNames();

}  // namespace orvane::pages
