#include "core/app/layout_rules.h"

#include "core/util/unicode.h"

namespace orvane::app {

ButtonPlacement PlaceButtonPair(int enable, int x, int y, int picture_width, int picture_height) {
  const Rect rect{x, y, picture_width, picture_height};
  return {enable == 1, rect, rect};
}

ButtonPlacement PlaceSpacedButton(int enable, int x, int y, int picture_width, int picture_height,
                                  int space_front, int space_back) {
  return {enable == 1,
          {x, y, picture_width, picture_height},
          {x + space_front, y, picture_width - space_front - space_back, picture_height}};
}

bool OutsideWindow(const Rect& rect) {
  return rect.x >= kHiddenCoordinate || rect.y >= kHiddenCoordinate;
}

Point KeyMenuPosition(const Rect& label, int menu_width, int menu_height, int skin_width,
                      int skin_height) {
  Point at;
  at.x = label.x + label.width + menu_width < skin_width ? label.x + label.width / 2
                                                         : label.x + label.width / 2 - menu_width;
  at.y = label.y + label.height + menu_height < skin_height
             ? label.y + label.height / 2
             : label.y + label.height / 2 - menu_height;
  return at;
}

Point EngineerKeyMenuPosition(const Rect& button, int menu_width, int menu_height,
                              int page_control_width, int page_control_top, int group_top) {
  Point at;
  at.x = button.x + menu_width > page_control_width ? button.x + button.width - menu_width + 10
                                                    : button.x + 10;
  at.y = button.y + page_control_top + group_top - menu_height + 38;
  return at;
}

int KeyMenuHeight(bool eighth_row) { return eighth_row ? 194 : 170; }

Point CentredWindow(int screen_width, int screen_height, int width, int height) {
  return {(screen_width - width) / 2, (screen_height - height) / 2};
}

Point CentredOn(const Rect& main, int width, int height) {
  return {main.x + (main.width - width) / 2, main.y + (main.height - height) / 2};
}

void RollingCaption::Start(const std::string& caption) {
  saved_ = caption;
  rolling_ = caption;
  counter_ = 0;
}

const std::string& RollingCaption::Tick() {
  counter_ = counter_ >= 21 ? 2 : counter_ + 1;
  // Roll by characters, not bytes: a caption may be Chinese.
  std::vector<uint16_t> units = util::Utf8ToUtf16(rolling_);
  if (units.empty()) return rolling_;
  const uint16_t first = units.front();
  units.erase(units.begin());
  if (counter_ == 1) units.insert(units.end(), 4, u' ');
  units.push_back(first);
  rolling_ = util::Utf16ToUtf8(units);
  return rolling_;
}

Point RowImagePosition(int row_x, int row_y, int picture_width, int gap, int i) {
  return {row_x + (i - 1) * (picture_width + gap), row_y};
}

int LedCountLabelUnder(int i, int num_order) { return num_order == 1 ? 11 - i : i; }

Point SubmenuPosition(const Rect& parent, const Rect& item, int submenu_width, int submenu_height,
                      int room_needed, int area_width, int area_height, bool item_height_counts) {
  Point at;
  at.x = room_needed < area_width ? parent.x + item.x + item.width + 2 : parent.x - submenu_width;
  const int below = item_height_counts ? item.height : 0;
  const bool fits_below = parent.y + item.y + below + submenu_height < area_height;
  at.y = fits_below ? parent.y + item.y : parent.y + item.y + item.height - submenu_height;
  return at;
}

}  // namespace orvane::app
