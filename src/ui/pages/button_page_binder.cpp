#include "ui/pages/button_page_binder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

#include "core/pages/button_page_controls.h"
#include "ui/app/png_image.h"
#include "ui/app/ruler_slider.h"
#include "ui/app/skin_label.h"

namespace orvane::ui {

namespace {

constexpr const char* kSwitchBoxes[3] = {"cb_MidPress", "cb_CPIPress", "cb_GunPress"};

app::Rect RectOf(const QWidget* widget) {
  return {widget->x(), widget->y(), widget->width(), widget->height()};
}

}  // namespace

ButtonPageBinder::ButtonPageBinder(const ControlRegistry& controls, app::Shell& shell,
                                   KeyMenuView& menus, Window window)
    : controls_(controls), shell_(shell), menus_(menus), window_(std::move(window)) {
  ConnectKeys();
  ConnectOptions();
  menus_.on_function = [this](int tag) { Pick(tag); };
  menus_.on_assembly = [this] { Assembly(); };
  menus_.on_macro = [this](int row) { PickMacro(row); };
}

void ButtonPageBinder::ConnectKeys() {
  for (int k = 1; k <= 9; ++k) {
    connect(controls_.Get<SkinLabel>(pages::KeyLabelName(k)), &SkinLabel::clicked, this,
            [this, k] { OpenForLabel(k); });
    for (const int number : {100 + k, 200 + k}) {
      connect(controls_.Get<SkinLabel>(pages::EngineerKeyName(number)), &SkinLabel::clicked, this,
              [this, number] { OpenForEngineer(number); });
    }
  }
}

void ButtonPageBinder::ConnectOptions() {
  for (int k = 1; k <= 3; ++k) {
    const auto which = static_cast<pages::ProfileSwitch>(k - 1);
    const auto click = [this, which] {
      window_.hide_all_menus();
      Page().ClickSwitch(which);
      Redraw();
    };
    connect(controls_.Get<SkinLabel>("IB_ComboKey" + std::to_string(k)), &SkinLabel::clicked, this,
            click);
    auto* box = controls_.Get<QCheckBox>(kSwitchBoxes[k - 1]);
    connect(box, &QCheckBox::clicked, this, [this, which](bool checked) {
      window_.hide_all_menus();
      Page().SetSwitch(which, checked);
      Redraw();
    });
  }
  connect(controls_.Get<QComboBox>("cb_AIMKeyValue"), &QComboBox::activated, this,
          [this](int index) {
            Say(Page().ChooseAimLevel(index));
            Redraw();
          });
  auto* aim = controls_.Get<RulerSlider>("slider_DPI8");
  aim->SetRuler(pages::DpiRuler(window_.dpi_count));
  connect(aim, &RulerSlider::released, this, [this](int x) {
    window_.hide_all_menus();
    Say(Page().AimSliderReleased(x, window_.dpi_count));
    Redraw();
  });
}

// ShowPnlMain_OnClick: the key menu beside key label k.
void ButtonPageBinder::OpenForLabel(int k) {
  window_.hide_all_menus();
  Page().OpenMenuForLabel(k);
  menus_.SetHeight(Page().State().key_menu_height);
  menus_.ShowBesideLabel(RectOf(controls_.Get(pages::KeyLabelName(k))), window_.skin_width,
                         window_.skin_height);
}

// TLShowPnlMain_OnClick: the key menu above an engineer key button, without
// the page labels' fire-macro row.
void ButtonPageBinder::OpenForEngineer(int number) {
  window_.hide_all_menus();
  Page().OpenMenuForEngineerButton(number);
  menus_.SetHeight(Page().State().key_menu_height);
  const QWidget* tabs = controls_.Get("Pg_Parameter");
  const QWidget* group = controls_.Get(number < 200 ? "gbKeyMode1" : "gbKeyMode2");
  menus_.ShowAboveEngineerKey(RectOf(controls_.Get(pages::EngineerKeyName(number))), tabs->width(),
                              tabs->y(), group->y(), window_.skin_width, window_.skin_height);
}

void ButtonPageBinder::Pick(int tag) {
  window_.hide_all_menus();
  Say(Page().PickFunction(tag));
  Redraw();
}

// LB_NameClick: the library entry of the row into the open menu's button.
void ButtonPageBinder::PickMacro(int row) {
  window_.hide_all_menus();
  const std::vector<std::string>& names = shell_.Pages().macros.State().names;
  if (row < 0 || static_cast<size_t>(row) >= names.size()) return;
  Say(shell_.Pages().AssignLibraryMacro(names[static_cast<size_t>(row)]));
  Redraw();
}

void ButtonPageBinder::Assembly() {
  window_.hide_all_menus();
  const std::string code = window_.ask_assembly_key();
  if (code.empty()) {
    Page().CloseMenu();
    return;
  }
  Page().ApplyAssemblyKey(code);
  Redraw();
}

void ButtonPageBinder::Say(const std::optional<std::string>& message) {
  if (message) window_.show_message(*message);
}

void ButtonPageBinder::Redraw() {
  const pages::ButtonPageState& state = Page().State();
  for (int k = 1; k <= 9; ++k) {
    controls_.Get<QLabel>(pages::KeyLabelName(k))
        ->setText(QString::fromStdString(state.names[state.page_profile - 1][k - 1]));
    // The engineer page shows both profiles' buttons.
    for (int profile = 1; profile <= 2; ++profile) {
      controls_.Get<QLabel>(pages::EngineerKeyName(100 * profile + k))
          ->setText(QString::fromStdString(state.names[profile - 1][k - 1]));
    }
  }
  for (int k = 1; k <= 3; ++k) {
    const bool on = state.switches[k - 1];
    controls_.Get<QLabel>("Img_ComboKey" + std::to_string(k))
        ->setPixmap(SkinPicture(on ? "CbS_E" : "CbS_D"));
    auto* box = controls_.Get<QCheckBox>(kSwitchBoxes[k - 1]);
    const QSignalBlocker quiet(box);
    box->setChecked(on);
  }
  // The gun-key option only on the profile-2 page, where product and layout allow it.
  const bool gun_option = state.gun_switch_shown && window_.gun_option_in_layout();
  controls_.Get("IB_ComboKey3")->setVisible(gun_option);
  controls_.Get("Img_ComboKey3")->setVisible(gun_option);
  auto* aim = controls_.Get<QComboBox>("cb_AIMKeyValue");
  const QSignalBlocker quiet(aim);
  aim->setCurrentIndex(state.aim_choice);
  controls_.Get<QLabel>("lbl_AIMKeyValue")->setText(QString::fromStdString(state.aim_value));
  controls_.Get<RulerSlider>("slider_DPI8")->setValue(state.aim_slider);
  menus_.SetHeight(state.key_menu_height);
}

}  // namespace orvane::ui
