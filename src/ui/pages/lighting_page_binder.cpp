#include "ui/pages/lighting_page_binder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/app/png_image.h"
#include "ui/app/ruler_slider.h"
#include "ui/app/skin_label.h"

namespace orvane::ui {

namespace {

using pages::LightOption;

// Each option's two lamps, their click labels and the engineer radios: on
// first, off second.
struct OptionControls {
  LightOption option;
  const char* lamps[2];
  const char* clicks[2];
  const char* radios[2];
};

// The captions "ALL" and "HALF" stand beside the brightness lamps, so a click
// on them chooses the brightness; the key-mode saving lamps answer their own
// clicks where a skin shows them.
constexpr OptionControls kOptions[] = {
    {LightOption::kLightOn,
     {"Img_LEDOn", "Img_LEDOff"},
     {"lbl_LEDOn", "lbl_LEDOff"},
     {"rb_LEDOn", "rb_LEDOff"}},
    {LightOption::kSwitchKeys,
     {"Img_B4CPIOn", "Img_B4CPIOff"},
     {"lbl_B4CPIOn", "lbl_B4CPIOff"},
     {"rb_B4CPIOn", "rb_B4CPIOff"}},
    {LightOption::kModeKeys,
     {"Img_LCPIOn", "Img_LCPIOff"},
     {"lbl_LCPIOn", "lbl_LCPIOff"},
     {"rb_LCPIOn", "rb_LCPIOff"}},
    {LightOption::kFullBright,
     {"Img_MCULED3Control", "Img_MCULED6Control"},
     {"lbl_MCULED3Control", "lbl_MCULED6Control"},
     {"rb_MCULED3Control", "rb_MCULED6Control"}},
    {LightOption::kKeyModeSaved,
     {"Img_SaveKeyMode", "Img_NoSaveKeyMode"},
     {"Img_SaveKeyMode", "Img_NoSaveKeyMode"},
     {"rb_Save", "rb_NoSave"}},
};

constexpr const char* kTypeRadios[4] = {"rb_MCULED", "rb_RBLED", "rb_SyncLED", "rb_BreLED"};

std::string Numbered(const std::string& stem, int k) { return stem + std::to_string(k); }

}  // namespace

LightingPageBinder::LightingPageBinder(const ControlRegistry& controls, app::Shell& shell,
                                       Window window)
    : PageBinder(window.hide_all_menus),
      controls_(controls),
      shell_(shell),
      window_(std::move(window)) {
  ConnectOptions();
  ConnectTypes();
  ConnectModes();
  ConnectRows();
}

void LightingPageBinder::OnClickOf(const std::string& name, std::function<void()> act) {
  OnClick(controls_.Get<SkinLabel>(name), std::move(act));
}

void LightingPageBinder::ConnectOptions() {
  for (const OptionControls& option : kOptions) {
    for (int choice = 0; choice < 2; ++choice) {
      const bool on = choice == 0;
      const LightOption which = option.option;
      OnClickOf(option.clicks[choice], [this, which, on] { Page().SetOption(which, on); });
      if (option.lamps[choice] != option.clicks[choice]) {
        OnClickOf(option.lamps[choice], [this, which, on] { Page().SetOption(which, on); });
      }
      connect(controls_.Get<QRadioButton>(option.radios[choice]), &QRadioButton::clicked, this,
              [this, which, on] { Act([&] { Page().SetOption(which, on); }); });
    }
  }
  OnClickOf("lbl_SaveKeyMode", [this] { Page().SetOption(LightOption::kFullBright, true); });
  OnClickOf("lbl_NoSaveKeyMode", [this] { Page().SetOption(LightOption::kFullBright, false); });
}

void LightingPageBinder::ConnectTypes() {
  for (int t = 0; t < 4; ++t) {
    connect(controls_.Get<QRadioButton>(kTypeRadios[t]), &QRadioButton::clicked, this,
            [this, t] { Act([&] { Page().SetType(static_cast<config::LedType>(t)); }); });
  }
}

void LightingPageBinder::ConnectModes() {
  for (int k = 1; k <= pages::kLedModes; ++k) {
    connect(controls_.Get<QCheckBox>(Numbered("cb_Mode", k)), &QCheckBox::clicked, this,
            [this, k](bool checked) {
              Page().EnableMode(k, checked);
              Redraw();
            });
    OnClickOf(Numbered("lbl_MCULEDMode", k), [this, k] { Page().SetMcuMode(k); });
    OnClickOf(Numbered("Img_MCULEDMode", k), [this, k] { Page().ClickMcuModePicture(k); });
    OnClickOf(Numbered("lbl_RBLEDMode", k), [this, k] { Page().SetRbMode(k); });
    OnClickOf(Numbered("Img_RBLEDMode", k), [this, k] { Page().SetRbMode(k); });
  }
  OnChoice(controls_.Get<QComboBox>("cb_MCULEDCurrentMode"),
           [this](int index) { Page().SetMcuMode(index + 1); });
  OnChoice(controls_.Get<QComboBox>("cb_RBLEDCurrentMode"),
           [this](int index) { Page().SetRbMode(index + 1); });
}

void LightingPageBinder::ConnectRows() {
  for (int k = 1; k <= pages::kLedCountPictures; ++k)
    OnClickOf(Numbered("Img_MCULEDNum_", k), [this, k] { Page().ClickCountPicture(k); });
  for (int s = 1; s <= pages::kLedSpeedPictures; ++s)
    OnClickOf(Numbered("Img_MCULEDStep_", s), [this, s] { Page().ClickSpeedPicture(s); });
  auto* slider = controls_.Get<RulerSlider>("slider_Breath_Speed");
  slider->SetRuler(pages::kBreathSpeedRuler);
  OnRelease(slider, [this](int x) { Page().SpeedSliderReleased(x); });
  auto* count = controls_.Get<QLineEdit>("edt_MCULEDNum");
  OnTyped(count, [this](const std::string& typed) { return Page().EditCount(typed); });
  connect(count, &QLineEdit::editingFinished, this, [this, count] {
    count->setText(QString::fromStdString(Page().LeaveCount()));
    Redraw();
  });
  OnTyped(controls_.Get<QLineEdit>("edt_MCULEDCrtStep"),
          [this](const std::string& typed) { return Page().EditSpeed(typed); });
}

void LightingPageBinder::Redraw() {
  RedrawOptions();
  RedrawModes();
  RedrawRows();
  RedrawShown();
}

void LightingPageBinder::RedrawOptions() {
  const pages::LightingPageState& state = Page().State();
  for (const OptionControls& option : kOptions) {
    const bool on = state.Option(option.option);
    for (int choice = 0; choice < 2; ++choice) {
      const bool chosen = (choice == 0) == on;
      controls_.Get<QLabel>(option.lamps[choice])
          ->setPixmap(SkinPicture(chosen ? "RdS_E" : "RdS_D"));
      auto* radio = controls_.Get<QRadioButton>(option.radios[choice]);
      const QSignalBlocker quiet(radio);
      radio->setChecked(chosen);
    }
  }
  for (int t = 0; t < 4; ++t) {
    auto* radio = controls_.Get<QRadioButton>(kTypeRadios[t]);
    const QSignalBlocker quiet(radio);
    radio->setChecked(static_cast<int>(state.type) == t);
  }
  // Without key-mode saving the mouse always starts in key mode 1.
  auto* key_mode = controls_.Get<QComboBox>("cb_KeyMode");
  if (!state.Option(LightOption::kKeyModeSaved)) key_mode->setCurrentIndex(0);
  key_mode->setEnabled(state.Option(LightOption::kKeyModeSaved));
}

void LightingPageBinder::RedrawModes() {
  const pages::LightingPageState& state = Page().State();
  auto* strip_modes = controls_.Get<QComboBox>("cb_MCULEDCurrentMode");
  const QSignalBlocker quiet(strip_modes);
  for (int k = 1; k <= pages::kLedModes; ++k) {
    auto* box = controls_.Get<QCheckBox>(Numbered("cb_Mode", k));
    const bool enabled = state.modes_enabled[static_cast<size_t>(k - 1)];
    box->setChecked(enabled);
    box->setEnabled(state.shows.strip);
    const QString item = enabled ? box->text() : QStringLiteral("------");
    if (strip_modes->count() >= k) strip_modes->setItemText(k - 1, item);
    controls_.Get<QLabel>(Numbered("Img_MCULEDMode", k))
        ->setPixmap(SkinPicture(k - 1 == state.mcu_mode ? "RdS_E" : "RdS_D"));
    controls_.Get<QLabel>(Numbered("Img_RBLEDMode", k))
        ->setPixmap(SkinPicture(k - 1 == state.rb_mode ? "RdS_E" : "RdS_D"));
  }
  strip_modes->setCurrentIndex(state.mcu_mode);
  auto* rb_modes = controls_.Get<QComboBox>("cb_RBLEDCurrentMode");
  const QSignalBlocker quiet_rb(rb_modes);
  rb_modes->setCurrentIndex(state.rb_mode);
}

void LightingPageBinder::RedrawRows() {
  const pages::LightingPageState& state = Page().State();
  for (int k = 1; k <= pages::kLedCountPictures; ++k) {
    const bool lit = pages::PictureLit(window_.dpiled_status, k, state.count_lit);
    controls_.Get<QLabel>(Numbered("Img_MCULEDNum_", k))
        ->setPixmap(SkinPicture(lit ? "Bar1_E" : "Bar1_D"));
  }
  for (int s = 1; s <= pages::kLedSpeedPictures; ++s) {
    const bool lit = pages::PictureLit(window_.dpiled_status, s, state.speed_lit);
    controls_.Get<QLabel>(Numbered("Img_MCULEDStep_", s))
        ->setPixmap(SkinPicture(lit ? "Bar1_E" : "Bar1_D"));
  }
  controls_.Get<RulerSlider>("slider_Breath_Speed")->setValue(state.speed_slider);
  auto* count = controls_.Get<QLineEdit>("edt_MCULEDNum");
  if (count->text().toStdString() != state.count_text) {
    count->setText(QString::fromStdString(state.count_text));
  }
  auto* speed = controls_.Get<QLineEdit>("edt_MCULEDCrtStep");
  if (speed->text().toStdString() != state.speed_text) {
    speed->setText(QString::fromStdString(state.speed_text));
  }
}

void LightingPageBinder::ShowAll(const std::string& stem, int count, bool shown) {
  for (int k = 1; k <= count; ++k)
    controls_.Get(Numbered(stem, k))->setVisible(shown);
}

// What the LED type chosen shows, on both pages.
void LightingPageBinder::RedrawShown() {
  const pages::LightingPageState& state = Page().State();
  const pages::LightingShows& shows = state.shows;
  controls_.Get("gbRBLEDMode")->setVisible(shows.rb_modes);
  controls_.Get("gbLCPI")->setVisible(shows.mode_keys);
  controls_.Get("gbMCULEDControlMode")->setVisible(shows.brightness);
  controls_.Get("gbMCULEDCurrent")->setVisible(shows.strip);
  controls_.Get("gbMCULEDCPIColor")->setVisible(shows.dpi_colours);
  for (const char* name : {"lbl_LCPIOn", "Img_LCPIOn", "lbl_LCPIOff", "Img_LCPIOff"})
    controls_.Get(name)->setVisible(shows.mode_keys);
  for (int k = 1; k <= pages::kLedModes; ++k) {
    // The page offers only the strip's modes the engineer enabled.
    const bool offered = shows.strip && state.modes_enabled[static_cast<size_t>(k - 1)];
    controls_.Get(Numbered("lbl_MCULEDMode", k))->setVisible(offered);
    controls_.Get(Numbered("Img_MCULEDMode", k))->setVisible(offered);
  }
  ShowAll("lbl_RBLEDMode", pages::kLedModes, shows.rb_modes);
  ShowAll("Img_RBLEDMode", pages::kLedModes, shows.rb_modes);
  const bool bars = window_.dpiled_status == 0;
  ShowAll("Img_MCULEDNum_", pages::kLedCountPictures, shows.strip);
  ShowAll("lbl_MCULEDNum_", pages::kLedCountPictures, shows.strip);
  ShowAll("Img_MCULEDStep_", pages::kLedSpeedPictures, shows.strip && bars);
  ShowAll("lbl_MCULEDStep_", pages::kLedSpeedPictures, shows.strip && bars);
  controls_.Get("slider_Breath_Speed")->setVisible(shows.strip && !bars);
  // The speed's captions go with its row: a lone "Slow ... Fast" would
  // promise a setting this LED does not have.
  for (const char* name : {"lbl_LED_Effect_Setting", "lbl_LED_Effect_Slow", "lbl_LED_Effect_Fast"})
    controls_.Get(name)->setVisible(shows.strip);
}

}  // namespace orvane::ui
