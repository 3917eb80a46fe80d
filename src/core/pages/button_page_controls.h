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

// Where button k (1..9) of the mouse lies on the mouse picture, as fractions
// of its width and height: the picture draws them there, and the page puts
// the button's number on it.
struct MouseSpot {
  double x = 0;
  double y = 0;
};
MouseSpot MouseButtonSpot(int k);

}  // namespace orvane::pages
