#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/config/data_buf.h"
#include "core/config/parameter_fields.h"
#include "core/device/image_observer.h"

namespace orvane::pages {

constexpr int kLedModes = 7;
constexpr int kLedCountPictures = 10;  // strips of 4..13 LEDs
constexpr int kLedSpeedPictures = 8;   // speed codes 0..7

// What each LED type shows, on the lighting page and the engineer page.
struct LightingShows {
  bool rb_modes = false;     // the two-colour modes (page row, engineer group)
  bool mode_keys = false;    // the mode-switch key combination (L+DPI)
  bool brightness = false;   // the strip's brightness (engineer group)
  bool strip = false;        // the strip's modes, LED count and speed rows, the slider
  bool dpi_colours = false;  // the engineer group of DPI level colours
};
LightingShows ShowsFor(config::LedType type);

// The count and speed rows: with DPILED_Status 1 only the current picture is
// lit (a marker), with 0 every picture up to it (a bar). A current picture
// below 1 lights none.
bool PictureLit(int dpiled_status, int picture, int current);

// The option pairs: each is one bit, shown as two lamps and two radios.
enum class LightOption { kLightOn, kSwitchKeys, kModeKeys, kFullBright, kKeyModeSaved };

// What the lighting views draw from. The current modes, the LED count and the
// speed are what the engineer controls hold; the page's pictures and the
// slider are drawn from the same values.
struct LightingPageState {
  config::LedType type = config::LedType::kMcuLed;  // the engineer type radio
  std::string led_type_name;                        // LedTypeName, of the last image shown
  std::array<bool, 5> options{};                    // by LightOption
  std::array<bool, kLedModes> modes_enabled{};      // cb_Mode1..7
  int mcu_mode = 0;                                 // cb_MCULEDCurrentMode item, mode - 1
  int rb_mode = 0;                                  // cb_RBLEDCurrentMode item, mode - 1
  std::string count_text = "13";                    // edt_MCULEDNum
  int count_lit = 10;                               // count picture 1..10; 0: none
  std::string speed_text = "0";                     // edt_MCULEDCrtStep
  int speed_lit = 1;                                // speed picture 1..8
  int speed_slider = 700;                           // slider_Breath_Speed, 0..700
  LightingShows shows;

  bool Option(LightOption option) const { return options[static_cast<size_t>(option)]; }
};

// The lighting page and its engineer view: the LED type, the option pairs,
// the strip's and the two-colour LED's modes, the strip's LED count and
// speed. Each edit lands in DataBuf at once, in the bits of that setting
// only, so a byte the image holds out of range stays as it was until the user
// changes that very setting.
class LightingPage : public device::ImageObserver {
 public:
  explicit LightingPage(config::Configuration& config);

  void ImageShown() override;
  void BeforeWrite() override {}

  // rb_MCULEDClick .. rb_BreLEDClick.
  void SetType(config::LedType type);
  // The option radios and lamps. Returns false where the LED type in use
  // shows no such option.
  bool SetOption(LightOption option, bool on);
  // cb_Mode1..7 (TLRefreshMCULEDMode), the strip's only: its current mode
  // goes back to the first item.
  bool EnableMode(int mode, bool enabled);
  // cb_MCULEDCurrentMode and lbl_MCULEDModeN: mode 1..7 of the strip.
  bool SetMcuMode(int mode);
  // Img_MCULEDModeN: the same, and the two-colour choice follows.
  bool ClickMcuModePicture(int mode);
  // cb_RBLEDCurrentMode, lbl_RBLEDModeN and Img_RBLEDModeN.
  bool SetRbMode(int mode);
  // MCULEDNum_OnClick: count picture 1..10, a strip of picture + 3 LEDs.
  bool ClickCountPicture(int picture);
  // edt_MCULEDNumChange: returns the text the edit is to show.
  std::string EditCount(std::string_view text);
  // edt_MCULEDNumExit.
  std::string LeaveCount();
  // MCULEDStep_OnClick: speed picture 1..8, speed code picture - 1.
  bool ClickSpeedPicture(int picture);
  // edt_MCULEDCrtStepChange: returns the text the edit is to show.
  std::string EditSpeed(std::string_view text);
  // slider_Breath_SpeedMouseUp at x pixels; returns the speed code.
  int SpeedSliderReleased(int x);

  const LightingPageState& State() const { return state_; }

 private:
  bool StripShown() const { return state_.shows.strip; }
  void StoreCount(int count);
  void StoreSpeed(int code);
  void StoreMode();
  void DrawSpeed(int code);
  void Redraw();

  config::Configuration& config_;
  LightingPageState state_;
};

}  // namespace orvane::pages
