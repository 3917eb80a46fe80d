#pragma once

#include <string>
#include <vector>

// The placement rules of the skinned window, free of any widget toolkit.
namespace orvane::app {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// A picture with a transparent label over it, from `_Enable`, `_X`, `_Y`:
// shown only when enable is exactly 1.
struct ButtonPlacement {
  bool visible = false;
  Rect picture;
  Rect label;
  bool operator==(const ButtonPlacement&) const = default;
};
ButtonPlacement PlaceButtonPair(int enable, int x, int y, int picture_width, int picture_height);
// The page and language buttons leave room at both ends of their picture.
ButtonPlacement PlaceSpacedButton(int enable, int x, int y, int picture_width, int picture_height,
                                  int space_front, int space_back);

// Coordinates of 8000 or more put a control outside the window: how a layout
// hides what has no `_Enable` key.
constexpr int kHiddenCoordinate = 8000;
bool OutsideWindow(const Rect& rect);

// The key menu beside a page's key label: to the right of the label's centre,
// or to its left (and above) when it would cross the skin's edge.
Point KeyMenuPosition(const Rect& label, int menu_width, int menu_height, int skin_width,
                      int skin_height);
// The key menu above an engineer key button.
Point EngineerKeyMenuPosition(const Rect& button, int menu_width, int menu_height,
                              int page_control_width, int page_control_top, int group_top);
// A sub-menu opened from a group item of `parent` (the key menu, or the
// special keys for the DPI menu): right of the parent when
// `room_needed` (the width of the menus side by side) fits in `area_width`,
// else left of the parent; level with the item, or ending level with its
// bottom when it would cross `area_height` (the DPI menu's test leaves the
// item's own height out: `item_height_counts`). `item` is in the parent.
Point SubmenuPosition(const Rect& parent, const Rect& item, int submenu_width, int submenu_height,
                      int room_needed, int area_width, int area_height,
                      bool item_height_counts = true);
// Key and special menus: 194 high with their eighth row, else 170.
int KeyMenuHeight(bool eighth_row);

// The window centred on the screen (negative when the skin is larger).
Point CentredWindow(int screen_width, int screen_height, int width, int height);
// The busy window centred on the main window.
Point CentredOn(const Rect& main, int width, int height);

// The caption of a hovered key label while TR_Enable is 1: a 200 ms tick
// rolls the first character to the end, with four spaces once a round.
class RollingCaption {
 public:
  void Start(const std::string& caption);
  // The caption to show after one more tick.
  const std::string& Tick();
  const std::string& Saved() const { return saved_; }

 private:
  std::string saved_;
  std::string rolling_;
  int counter_ = 0;
};

// Image i (1..count) of a row spaced by `gap`.
Point RowImagePosition(int row_x, int row_y, int picture_width, int gap, int i);
// Which number label (1..10) sits under image i of the LED count row.
int LedCountLabelUnder(int i, int num_order);

}  // namespace orvane::app
