#pragma once

#include <string>
#include <vector>

// The controls of the skinned pages beyond the page buttons: what each is,
// which page holds it and which layout keys place, colour and size it. The
// window builds them from this catalogue; what they do belongs to the pages'
// own code.
namespace orvane::app {

enum class ControlKind {
  kText,        // a transparent caption
  kClickLabel,  // a transparent label laid over a lamp, swatch or picture
  kLamp,        // a lamp picture: <picture>_D off, <picture>_E on
  kPicture,     // a fixed picture, stretched to width x height when given
  kButton,      // a picture of family <picture>_01/_02 with its label over it
  kEdit,
  kCombo,
  kList,
  kSlider,    // a ruler slider: the ruler picture with its thumb
  kSwatch,    // a filled colour shape inside a colour frame
  kHidden,    // a state holder the user never sees (check box or radio)
  kGroup,     // a container; controls naming it as group move and hide with it
  kPopup,     // a pop-up menu of the main window, hidden until opened
  kMenuItem,  // an item of a pop-up menu
};

// When a control is on screen.
enum class Shown {
  kAlways,
  kAtStart,        // shown at start; the page's own code hides and shows it
  kHiddenAtStart,  // hidden at start; the page's own code shows it
  kSliderStyle,    // only while DPILED_Status is 1 (values as sliders)
  kBarStyle,       // only while DPILED_Status is 0 (values as bars)
  kFireUnlock,     // hidden until the fire editor's unlock
};

struct PageControl {
  int page = 0;  // 1..5: gbPage1..gbPage5; 0: the main window (pop-ups)
  std::string name;
  ControlKind kind = ControlKind::kText;
  std::string place;  // layout keys <place>_X and <place>_Y; empty: at (dx, dy)
  int dx = 0;
  int dy = 0;
  int width = 0;  // 0: the picture's own size
  int height = 0;
  std::string caption;             // a language key, "=text" for a fixed text, or empty;
                                   // an edit's starting text ("=16")
  std::vector<std::string> items;  // combo items, each like a caption
  std::string picture;             // lamp or button family, or the picture's name
  std::string colour;              // text colour keys <colour>_R, _G, _B
  std::string size;                // font size key
  int size_offset = 0;             // added to that size
  std::string group;               // the kGroup or kPopup that holds it
  std::string step;                // x += index * (step_base + <step>)
  int index = 0;
  int step_base = 0;
  bool num_order = false;   // a row label that the Num_Order setting mirrors
  bool text_width = false;  // width from <place>_Width
  bool enable_key = false;  // shown only when <place>_Enable is 1
  Shown shown = Shown::kAlways;
};

const std::vector<PageControl>& PageControls();
const PageControl* FindPageControl(const std::string& name);

// Every layout key the catalogue and the pages' placement read.
std::vector<std::string> PageControlLayoutKeys();

}  // namespace orvane::app
