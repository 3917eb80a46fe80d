#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/config/data_buf.h"
#include "core/config/parameter_fields.h"
#include "core/device/image_observer.h"

namespace orvane::pages {

constexpr int kDpiLevels = 7;

// GetSliderRulerByX: the position (0 .. dpi_count - 1) of a ruler slider
// 225 pixels wide released at x pixels from its left edge.
int GetSliderRulerByX(int x, int dpi_count);

// What the DPI rows show. Every value is a valid choice: a byte the image
// holds out of range shows the nearest valid one, and stays stored as it is
// until the user changes that setting.
struct DpiPageState {
  int level_count = 2;                        // 2..7
  int current = 1;                            // 1..level_count
  std::array<int, kDpiLevels> value_index{};  // 0..11, the item each level shows
  std::array<config::Rgb, kDpiLevels> colours{};
  std::array<bool, kDpiLevels> in_use{};  // levels 1..level_count
};

// The DPI levels of the advanced page and their engineer view: level count,
// each level's value and colour, the current level. Edits land in DataBuf at
// once; the state is rebuilt from it.
class DpiPage : public device::ImageObserver {
 public:
  explicit DpiPage(config::Configuration& config, int dpi_count = 11);

  void ImageShown() override { Rebuild(); }
  void BeforeWrite() override {}

  // cb_CPIStepChange and cbb_DPICount: 2..7 levels, the highest one current.
  bool SetLevelCount(int count);
  // cb_CPIn: level 1..7 gets value index 0..11.
  bool SetValue(int level, int index);
  // slider_DPInMouseUp at x pixels; returns the index chosen.
  int SliderReleased(int level, int x);
  bool SetColour(int level, config::Rgb colour);
  // CurrentDPI_OnClick: a level in use becomes the current one.
  bool SetCurrent(int level);

  const DpiPageState& State() const { return state_; }
  int DpiCount() const { return dpi_count_; }

 private:
  void Rebuild();

  config::Configuration& config_;
  int dpi_count_;
  DpiPageState state_;
};

}  // namespace orvane::pages
