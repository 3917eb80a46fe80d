#include <array>

#include "core/app/page_setting_parts.h"
#include "core/app/setting_values.h"

namespace orvane::app {

namespace {

using pages::FireEdit;

constexpr std::array<const char*, 5> kEditNames = {"count", "x", "y", "offset", "delay"};

// "fire.G.FIELD" for guns 1 to 5, "fire.G.R.FIELD" for the rows of guns 6
// and 7.
struct FireName {
  int gun = 0;
  int row = 1;
  std::string field;
};

int RowsOf(int gun) { return gun == 6 ? 2 : gun == 7 ? 3 : 1; }

std::optional<FireName> ParseFireName(const std::string& name) {
  if (name.rfind("fire.", 0) != 0 || name.size() < 8) return std::nullopt;
  FireName parsed;
  const auto gun = Number(name.substr(5, 1), 1, pages::FirePage::kGuns);
  if (!gun || name[6] != '.') return std::nullopt;
  parsed.gun = *gun;
  std::string rest = name.substr(7);
  if (RowsOf(parsed.gun) > 1) {
    const auto row = Number(rest.substr(0, 1), 1, RowsOf(parsed.gun));
    if (!row || rest.size() < 3 || rest[1] != '.') return std::nullopt;
    parsed.row = *row;
    rest = rest.substr(2);
  }
  parsed.field = rest;
  return parsed;
}

std::optional<FireEdit> EditOf(const std::string& field) {
  for (size_t i = 0; i < kEditNames.size(); ++i) {
    if (field == kEditNames[i]) return static_cast<FireEdit>(i);
  }
  return std::nullopt;
}

std::string Prefix(int gun, int row) {
  return "fire." + std::to_string(gun) + "." + (RowsOf(gun) > 1 ? std::to_string(row) + "." : "");
}

// The range each edit takes on the command line; the page corrects typed
// text into it, a script is told instead.
struct Range {
  int low, high;
  const char* what;
};
constexpr std::array<Range, 5> kRanges = {{{1, 256, "the shot count is 1..256"},
                                           {-128, 127, "the X movement is -128..127"},
                                           {0, 127, "the Y movement is 0..127"},
                                           {-128, 127, "the Y offset is -128..127"},
                                           {0, 2040, "the delay is 0..2040 ms"}}};

std::optional<SetResult> SetBurst(pages::FirePage& page, const std::string& name,
                                  const std::string& value) {
  if (name == "fire.burst.count") {
    if (value == "continuous") {
      if (!page.State().burst.continuous) page.ToggleContinuous();
      return SetResult{};
    }
    const auto count = Number(value, 1, 255);
    if (!count) return SetResult{SetStatus::kBadValue, "1..255 shots, or continuous"};
    page.ChooseBurstItem(*count - 1);
    return SetResult{};
  }
  if (name == "fire.burst.interval") {
    const auto interval = Number(value, 0, 255);
    if (!interval) return SetResult{SetStatus::kBadValue, "the interval is 0..255"};
    page.TypeInterval(std::to_string(*interval), false);
    return SetResult{};
  }
  return std::nullopt;
}

}  // namespace

void AddFireSettingNames(std::vector<std::string>& names) {
  for (int gun = 1; gun <= pages::FirePage::kGuns; ++gun) {
    for (int row = 1; row <= RowsOf(gun); ++row) {
      for (const char* field : kEditNames)
        names.push_back(Prefix(gun, row) + field);
      names.push_back(Prefix(gun, row) + "colour");
      names.push_back(Prefix(gun, row) + "stop-on-release");
    }
  }
  names.emplace_back("fire.burst.count");
  names.emplace_back("fire.burst.interval");
}

bool GetFireSetting(const pages::FirePage& page, const std::string& name, std::string& value) {
  if (name == "fire.burst.count") {
    const pages::FireBurstState& burst = page.State().burst;
    value = burst.continuous ? "continuous" : burst.repeat_text;
    return true;
  }
  if (name == "fire.burst.interval") {
    value = page.State().burst.interval_text;
    return true;
  }
  const auto parsed = ParseFireName(name);
  if (!parsed) return false;
  const pages::FireRowState row = page.RowOf(parsed->gun, parsed->row);
  if (const auto edit = EditOf(parsed->field)) {
    value = row.texts[static_cast<size_t>(*edit)];
  } else if (parsed->field == "colour") {
    value = ColourText(row.colour);
  } else if (parsed->field == "stop-on-release") {
    value = OnOffText(row.release_stop);
  } else {
    return false;
  }
  return true;
}

std::optional<SetResult> SetFireSetting(pages::FirePage& page, const std::string& name,
                                        const std::string& value) {
  if (auto burst = SetBurst(page, name, value)) return burst;
  const auto parsed = ParseFireName(name);
  if (!parsed) return std::nullopt;
  page.SelectGun(parsed->gun);
  const pages::FireRowState& row = page.State().row[static_cast<size_t>(parsed->row - 1)];
  if (const auto edit = EditOf(parsed->field)) {
    const Range range = kRanges[static_cast<size_t>(*edit)];
    const auto number = Number(value, range.low, range.high);
    if (!number) return SetResult{SetStatus::kBadValue, range.what};
    if (!row.editable[static_cast<size_t>(*edit)]) {
      return SetResult{SetStatus::kRefused, "fire macro " + std::to_string(row.slot) +
                                                " holds no " + parsed->field +
                                                " event to change; nothing written"};
    }
    page.TypeParameter(parsed->row, *edit, std::to_string(*number));
  } else if (parsed->field == "colour") {
    const auto colour = ParseColour(value);
    if (!colour) return SetResult{SetStatus::kBadValue, "a colour is #RRGGBB"};
    page.PickColour(parsed->row, *colour);
  } else if (parsed->field == "stop-on-release") {
    const auto on = OnOff(value);
    if (!on) return SetResult{SetStatus::kBadValue, "on or off"};
    if (row.release_stop != *on) page.ToggleReleaseStop(parsed->row);
  } else {
    return std::nullopt;
  }
  // The write that follows sends the edited slots, as Confirm would.
  page.CopySlotsToBlock();
  return SetResult{};
}

}  // namespace orvane::app
