#pragma once

#include <map>
#include <string>
#include <string_view>

#include "core/config/action_codes.h"

namespace orvane::testing {

// The first language's names of the keys naming needs.
inline std::string EnglishName(std::string_view key) {
  static const std::map<std::string, std::string, std::less<>> kNames = {
      {"Str210", "Left Click"},   {"Str211", "Right Click"},
      {"Str212", "Middle Click"}, {"Str213", "Back"},
      {"Str214", "Forward"},      {"Str220", "Fire Key"},
      {"Str221", "LED ON/OFF"},   {"Str222", "AIM"},
      {"Str223", "Gun Key Fn"},   {"Str224", "Key Off"},
      {"Str225", "Profile"},      {"Str226", "LED Mode"},
      {"Str231", "DPI Loop"},     {"Str232", "DPI +"},
      {"Str233", "DPI -"},        {"Str240", "My Computer"},
      {"Str241", "Calculator"},   {"Str242", "E-Mail"},
      {"Str243", "Desktop"},      {"Str250", "Play/Pause"},
      {"Str251", "Stop"},         {"Str252", "Previous Track"},
      {"Str253", "Next Track"},   {"Str254", "Volume +"},
      {"Str255", "Volume -"},     {"Str256", "Mute"},
      {"Str260", "Home"},         {"Str261", "Search"},
      {"Str262", "Web Back"},     {"Str263", "Web Forward"},
      {"Str264", "Stop"},         {"Str265", "Refresh"},
      {"Str266", "Favorites"},    {"Str600", "AKM"},
      {"Str601", "M16"},          {"Str602", "M4"},
      {"Str603", "UMP9"},         {"Str604", "SCAR-L"},
      {"Str605", "5.56mm Fire"},  {"Str606", "7.62mm Fire"},
  };
  const auto found = kNames.find(key);
  return found == kNames.end() ? std::string() : found->second;
}

inline config::NamingContext EnglishContext() {
  config::NamingContext context;
  context.text = EnglishName;
  return context;
}

}  // namespace orvane::testing
