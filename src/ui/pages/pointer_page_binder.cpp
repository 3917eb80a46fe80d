#include "ui/pages/pointer_page_binder.h"

#include <QCheckBox>
#include <QLabel>
#include <string>

#include "ui/app/png_image.h"
#include "ui/app/ruler_slider.h"
#include "ui/app/skin_label.h"

namespace orvane::ui {

namespace {

using Slider = pages::PointerPage::Slider;
using pages::PointerSetting;

constexpr struct {
  const char* name;
  Slider slider;
} kSliders[] = {{"slider_Spd", Slider::kSpeed},
                {"slider_DbSpd", Slider::kDoubleClick},
                {"slider_SrcSpd", Slider::kWheel}};

const char* SettingName(PointerSetting setting) {
  switch (setting) {
    case PointerSetting::kSpeed: return "pointer speed";
    case PointerSetting::kPrecision: return "precision";
    case PointerSetting::kDoubleClick: return "double-click speed";
    case PointerSetting::kWheel: return "wheel lines";
  }
  return "";
}

// "Kept, not applied on this desktop: double-click speed, wheel lines."
std::string NotAppliedNote(const std::vector<PointerSetting>& settings) {
  if (settings.empty()) return {};
  std::string names;
  for (const PointerSetting setting : settings)
    names += (names.empty() ? "" : ", ") + std::string(SettingName(setting));
  return "Kept, not applied on this desktop: " + names + ".";
}

}  // namespace

PointerPageBinder::PointerPageBinder(const ControlRegistry& controls, app::Shell& shell,
                                     std::function<void()> hide_all_menus)
    : PageBinder(std::move(hide_all_menus)), controls_(controls), shell_(shell) {
  for (const auto& entry : kSliders) {
    auto* slider = controls_.Get<RulerSlider>(entry.name);
    slider->SetRuler(pages::kPointerRuler);
    const Slider which = entry.slider;
    OnRelease(slider, [this, which](int x) { Page().SliderReleased(which, x); });
  }
  OnClick(controls_.Get<SkinLabel>("lbl_IsControl"), [this] { Page().TogglePrecision(); });
  OnClick(controls_.Get<SkinLabel>("lbl_IsScreen"), [this] { Page().ToggleOneScreen(); });
}

void PointerPageBinder::Redraw() {
  const pages::PointerPageState& state = Page().State();
  controls_.Get<RulerSlider>("slider_Spd")
      ->setValue(pages::PointerPage::SliderValue(state.speed_level));
  controls_.Get<RulerSlider>("slider_DbSpd")
      ->setValue(pages::PointerPage::SliderValue(state.double_click_level));
  auto* wheel = controls_.Get<RulerSlider>("slider_SrcSpd");
  // A screen at a time leaves the slider where it was, disabled.
  if (!state.one_screen) wheel->setValue(pages::PointerPage::SliderValue(state.scroll_level));
  wheel->setEnabled(!state.one_screen);
  RedrawLamp("IsControl", state.precision);
  RedrawLamp("IsScreen", state.one_screen);
  controls_.Get<QLabel>("lbl_PointerNote")
      ->setText(QString::fromStdString(NotAppliedNote(state.not_applied)));
}

void PointerPageBinder::RedrawLamp(const std::string& stem, bool on) {
  controls_.Get<QLabel>("Img_" + stem)->setPixmap(SkinPicture(on ? "CbS_E" : "CbS_D"));
  controls_.Get<QCheckBox>("cb_" + stem)->setChecked(on);
}

}  // namespace orvane::ui
