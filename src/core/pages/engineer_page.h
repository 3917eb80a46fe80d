#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/config/data_buf.h"
#include "core/device/image_observer.h"

namespace orvane::pages {

// The engineer page's own settings, those no user page shows.
struct EngineerPageState {
  int sensor_orientation = 0;        // cb_SensorOri: 0 deg .. "XY Swap XY NoReverse"
  std::string maker_text = "255";    // edt_VendorID: the maker identifier to write
  std::string product_text = "255";  // edt_ProductID
  std::string read_maker = "255";    // edt_VendorID_Rd: what the read found
  std::string read_product = "255";  // edt_ProductID_Rd
  bool smoothing = true;             // cb_Smooth
  bool fire_trigger_fn = false;      // rb_FireFnOn ("Fn+Left Key"); off: rb_FireFnOff
};

// The number edits' text of a value: its decimal digits, 0 included, so a
// stored 0 is shown and written back as 0.
std::string NumberText(int value);

// The controller of the engineer page's settings that belong to no other
// page: sensor orientation, the identifiers to write and those read,
// smoothing and the recoil trigger. It shows what the image holds and puts
// it back before every write.
class EngineerPage : public device::ImageObserver {
 public:
  explicit EngineerPage(config::Configuration& config) : config_(config) { ImageShown(); }

  void ImageShown() override;
  void BeforeWrite() override;

  // cb_SensorOri: choice 0..7; false outside.
  bool ChooseSensorOrientation(int choice);
  // edt_VendorIDChange, edt_ProductIDChange: the text the edit is to show.
  // Above 255 and empty text read "255" (the generic identifier); text that
  // is no number changes nothing.
  std::string TypeMakerId(std::string_view typed);
  std::string TypeProductId(std::string_view typed);
  void SetSmoothing(bool on) { state_.smoothing = on; }
  void SetFireTriggerFn(bool on) { state_.fire_trigger_fn = on; }
  // The read session's identifiers of the connected mouse.
  void ShowReadIdentifiers(uint8_t maker, uint8_t product);

  const EngineerPageState& State() const { return state_; }

 private:
  static std::string IdentifierText(std::string_view typed, const std::string& previous);

  config::Configuration& config_;
  EngineerPageState state_;
};

}  // namespace orvane::pages
