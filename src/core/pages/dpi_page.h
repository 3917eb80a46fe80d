#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/config/data_buf.h"
#include "core/config/parameter_fields.h"
#include "core/device/image_observer.h"
#include "core/pages/ruler.h"

namespace orvane::pages {

constexpr int kDpiLevels = 7;
constexpr int kDpiValueCount = static_cast<int>(config::kDpiValues.size());

using TextLookup = std::function<std::string(std::string_view key)>;

// GetDisplayByIndex: the DPI text of the 1-based index i (1..12), else "".
std::string GetDisplayByIndex(int i, const TextLookup& text);

// How the colour swatches follow the LED type of the last image shown.
enum class SwatchShow {
  kShown,     // the strip: swatches shown, filled, and a click picks a colour
  kHidden,    // the two-colour and the synchronous LED
  kAsBefore,  // the breathing LED, and before any image: left as they were
};

// What the DPI rows show, on the advanced page and the engineer page alike.
// Every value is a valid choice: a byte the image holds out of range shows
// the nearest valid one, and stays stored as it is until the user changes
// that setting.
struct DpiPageState {
  int level_count = 2;  // 2..7
  int current = 1;      // 1..level_count
  // The item each level's value choice shows (0..11), the slider's value
  // (index * 100, stopped at the slider's last step) and the value text.
  std::array<int, kDpiLevels> value_index{};
  std::array<int, kDpiLevels> slider_value{};
  std::array<std::string, kDpiLevels> value_text;
  std::array<config::Rgb, kDpiLevels> colours{};
  std::array<bool, kDpiLevels> in_use{};  // levels 1..level_count
  std::string led_type_name;              // LedTypeName, of the last image shown
  SwatchShow swatches = SwatchShow::kAsBefore;
};

// The DPI levels of the advanced page and their engineer view: level count,
// each level's value and colour, the current level. Edits land in DataBuf at
// once; the state is rebuilt from it.
class DpiPage : public device::ImageObserver {
 public:
  enum class Channel { kRed = 0, kGreen = 1, kBlue = 2 };

  DpiPage(config::Configuration& config, TextLookup text, int dpi_count = 11);

  void ImageShown() override;
  void BeforeWrite() override {}
  void LanguageChanged() { Rebuild(); }

  // cb_CPIStep and cbb_DPICount: 2..7 levels, the highest one current.
  bool SetLevelCount(int count);
  // DPILevel_OnClick, where the skin lets the level names switch levels: the
  // level above the highest in use is added, the highest one (from 3 up) is
  // dropped; either way the highest level in use becomes current.
  bool ToggleLevel(int level);
  // cb_CPIn: level 1..7 gets value index 0..11.
  bool SetValue(int level, int index);
  // slider_DPInMouseUp at x pixels; returns the index chosen.
  int SliderReleased(int level, int x);
  bool SetColour(int level, config::Rgb colour);
  // edt_CPInR/G/B: the edit's digits; above 255 reads 255, empty reads 0.
  // Returns the text the edit is to show.
  std::string SetColourText(int level, Channel channel, std::string_view text);
  // lbl_DPInColClick: only the strip's swatches pick colours.
  bool CanPickColour() const { return state_.swatches == SwatchShow::kShown; }
  // CurrentDPI_OnClick and cb_CurrentCPI: a level in use becomes current.
  bool SetCurrent(int level);

  const DpiPageState& State() const { return state_; }
  int DpiCount() const { return dpi_count_; }

 private:
  void Rebuild();

  config::Configuration& config_;
  TextLookup text_;
  int dpi_count_;
  DpiPageState state_;
};

}  // namespace orvane::pages
