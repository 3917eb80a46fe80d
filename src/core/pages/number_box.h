#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::pages {

// A number box of the macro page and its dialogs: digits, and a minus sign
// only in front where negatives are allowed. What is typed either stands,
// is brought into the range (above it: the maximum; below: the minimum), or
// changes nothing when it is no number at all (pasted text, "12-").
struct NumberBox {
  int min = 0;
  int max = 2040;

  // The text the box shows after `typed` replaced `previous`. Empty and a
  // lone "-" stay while typing; they hold no value.
  std::string Typed(std::string_view previous, std::string_view typed) const;
  // The number the text holds, in range; nothing for empty text or "-".
  std::optional<int> Value(std::string_view text) const;
};

}  // namespace orvane::pages
