#pragma once

#include <string>
#include <vector>

namespace orvane::pages {

// The controls the button page's views are bound to, by name: the key labels
// and their pictures, the engineer key buttons, the profile-switch options
// with their pictures and check boxes, the AIM choice and value.
std::vector<std::string> ButtonPageControlNames();
// Key label k (1..9) of the key page, and its picture.
std::string KeyLabelName(int k);
std::string KeyPictureName(int k);
// Engineer key button `number` (101..109, 201..209).
std::string EngineerKeyName(int number);

}  // namespace orvane::pages
