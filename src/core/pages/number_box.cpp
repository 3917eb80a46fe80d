#include "core/pages/number_box.h"

#include <algorithm>

namespace orvane::pages {

namespace {

bool WellFormed(std::string_view text, bool minus_allowed) {
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '-' && i == 0 && minus_allowed) continue;
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The number of well-formed text with at least one digit; a run of many
// digits counts as a million, past any range here.
long long Number(std::string_view text) {
  const bool negative = text[0] == '-';
  long long number = 0;
  for (const char c : text.substr(negative ? 1 : 0))
    number = std::min<long long>(number * 10 + (c - '0'), 1'000'000);
  return negative ? -number : number;
}

}  // namespace

std::string NumberBox::Typed(std::string_view previous, std::string_view typed) const {
  if (!WellFormed(typed, min < 0)) return std::string(previous);
  if (typed.empty() || typed == "-") return std::string(typed);
  const long long number = Number(typed);
  if (number > max) return std::to_string(max);
  if (number < min) return std::to_string(min);
  return std::string(typed);
}

std::optional<int> NumberBox::Value(std::string_view text) const {
  if (text.empty() || text == "-" || !WellFormed(text, min < 0)) return std::nullopt;
  return static_cast<int>(std::clamp<long long>(Number(text), min, max));
}

}  // namespace orvane::pages
