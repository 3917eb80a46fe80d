#pragma once

#include <string>
#include <vector>

namespace orvane::app {

// Every key the program reads from a screen layout table [org1]..[org3]; the
// shipped tables must hold them all.
const std::vector<std::string>& LayoutKeys();

// The embedded tables, by resource name: "org", "org1".."org3", "lang1".."lang3".
std::string EmbeddedText(const std::string& name);

}  // namespace orvane::app
