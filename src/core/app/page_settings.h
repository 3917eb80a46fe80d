#pragma once

#include <string>
#include <vector>

#include "core/app/page_set.h"

// The pages' settings by name, for `orvanectl get` and `orvanectl set`: each
// change runs the page's own operation, so the command line obeys the same
// rules and refusals as the window.
//
//   button.P.K          profile P (1, 2), button K (1..9): a function's name
//                       as the first language has it, code:XXXXXX, or
//                       macro:NAME (a library macro into a slot of the mouse)
//   aim                 the AIM level, 0..11
//   switch.middle-hold, switch.dpi-hold, switch.gun-hold   on / off
//   dpi.count           2..7 levels
//   dpi.N               level N (1..7): one of 500 800 1000 ... 8000
//   dpi.N.colour        level N's colour, #RRGGBB
//   dpi.current         the current level, 1..dpi.count
namespace orvane::app {

enum class SetStatus {
  kDone,
  kUnknownName,
  kBadValue,
  kRefused,  // the page refused it: `message` is its own text
};

struct SetResult {
  SetStatus status = SetStatus::kDone;
  std::string message;
};

// Every name, in the order `get` prints them.
std::vector<std::string> SettingNames();
// The value of a setting; false for an unknown name.
bool GetSetting(const PageSet& pages, const std::string& name, std::string& value);
SetResult SetSetting(PageSet& pages, const std::string& name, const std::string& value);

}  // namespace orvane::app
