#include "core/pages/drv_state.h"

namespace orvane::pages {

namespace {

constexpr uint8_t kSmoothingBit = 0x80;
constexpr uint8_t kLevelBits = 0x0F;

bool TwoColour(const LightingPageState& lighting) {
  return lighting.type == config::LedType::kRbLed;
}

}  // namespace

DrvState FillDrvState(const DpiPageState& dpi, const LightingPageState& lighting, bool smoothing,
                      const DrvState& from_driver) {
  DrvState state{};
  state[0] =
      static_cast<uint8_t>(((dpi.current - 1) & kLevelBits) | (smoothing ? kSmoothingBit : 0));
  const int mode = TwoColour(lighting) ? lighting.rb_mode : lighting.mcu_mode;
  state[1] = static_cast<uint8_t>((mode + 1) & config::kLedModeBits);
  if (!lighting.Option(LightOption::kLightOn)) state[1] |= config::kLedOffBit;
  state[2] = from_driver[2];
  state[3] = static_cast<uint8_t>(dpi.value_index[static_cast<size_t>(dpi.current - 1)]);
  return state;
}

bool ShowDrvState(const DrvState& state, DpiPage& dpi, LightingPage& lighting) {
  dpi.SetCurrent((state[0] & kLevelBits) + 1);
  const int mode = state[1] & config::kLedModeBits;
  if (TwoColour(lighting.State())) {
    lighting.SetRbMode(mode);
  } else {
    lighting.SetMcuMode(mode);
  }
  lighting.SetOption(LightOption::kLightOn, (state[1] & config::kLedOffBit) == 0);
  return (state[0] & kSmoothingBit) != 0;
}

}  // namespace orvane::pages
