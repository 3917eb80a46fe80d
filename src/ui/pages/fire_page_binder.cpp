#include "ui/pages/fire_page_binder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "core/pages/fire_page_controls.h"
#include "ui/app/png_image.h"
#include "ui/app/skin_label.h"
#include "ui/pages/event_rows.h"

namespace orvane::ui {

namespace {

using pages::FireEdit;

constexpr const char* kChannels[3] = {"R", "G", "B"};

std::string N(int n) { return std::to_string(n); }

}  // namespace

FirePageBinder::FirePageBinder(const ControlRegistry& controls, app::Shell& shell,
                               KeyMenuView& menus, Window window)
    : PageBinder(window.hide_all_menus),
      controls_(controls),
      shell_(shell),
      window_(std::move(window)) {
  ConnectGuns();
  for (int row = 1; row <= 3; ++row)
    ConnectRow(row);
  ConnectBurst();
  ConnectGunKeys();
  ConnectEngineerTables();
  menus.on_fire_macro = [this] { Open(); };
  // LB_ScriptClick: the menu's target is taken before the menus close.
  menus.on_gun_key = [this](int item) {
    const auto message = Page().AssignGunKey(item);
    window_.hide_all_menus();
    window_.redraw_pages();
    if (message) window_.show_message(*message);
  };
}

// Key_FireMacroClick: the page for the key whose menu is open, gun 1.
void FirePageBinder::Open() {
  const pages::MenuTarget target = shell_.Pages().buttons.State().menu;
  if (target.kind != pages::MenuTarget::Kind::kPageLabel) return;
  window_.hide_all_menus();
  shell_.Pages().buttons.CloseMenu();
  came_from_ = target.profile == 2 ? app::Page::kSecond : app::Page::kMain;
  Page().Open(target.profile, target.button);
  window_.show_page(app::Page::kFire);
  Redraw();
}

// Confirm and Cancel: the editor hidden, the key page again; Confirm then
// binds and sends, and says what went wrong.
void FirePageBinder::Leave(bool confirm) {
  window_.hide_all_menus();
  window_.hide_editor();
  window_.show_page(came_from_);
  if (!confirm) return;
  const auto message = Page().Confirm();
  window_.show_page(came_from_);  // the key's new name
  if (message) window_.show_message(*message);
}

void FirePageBinder::ConnectGuns() {
  for (int gun = 1; gun <= pages::FirePage::kGuns; ++gun) {
    auto* button = controls_.Get<SkinLabel>("Btn_Fire" + N(gun));
    OnClick(button, [this, gun] { Page().SelectGun(gun); });
    // The chosen gun keeps its highlighted picture when the pointer leaves.
    connect(button, &SkinLabel::left, this, [this] { RedrawGuns(); });
  }
  connect(controls_.Get<SkinLabel>("Btn_FireConfirm"), &SkinLabel::clicked, this,
          [this] { Leave(true); });
  connect(controls_.Get<SkinLabel>("Btn_FireExit"), &SkinLabel::clicked, this,
          [this] { Leave(false); });
}

void FirePageBinder::ConnectRow(int row) {
  const auto edits = pages::FireRowEditNames(row);
  for (int e = 0; e < pages::kFireEdits; ++e) {
    const auto edit = static_cast<FireEdit>(e);
    OnTyped(controls_.Get<QLineEdit>(edits[static_cast<size_t>(e)]),
            [this, row, edit](const std::string& typed) {
              return Page().TypeParameter(row, edit, typed);
            });
  }
  controls_.Get("cs_FireColor" + N(row))->raise();
  auto* colour = controls_.Get<SkinLabel>("IB_FireColor" + N(row));
  colour->raise();
  connect(colour, &SkinLabel::clicked, this, [this, row] { PickColour(row); });
  for (const std::string& name : {"lbl_FireRKFS" + N(row), "Img_FireRKFS" + N(row)}) {
    OnClick(controls_.Get<SkinLabel>(name), [this, row] { Page().ToggleReleaseStop(row); });
  }
}

void FirePageBinder::PickColour(int row) {
  window_.hide_all_menus();
  const auto chosen =
      AskRgb(window_.ask_colour, Page().State().row[static_cast<size_t>(row - 1)].colour);
  if (!chosen) return;
  Page().PickColour(row, *chosen);
  AfterAct();
  Redraw();
}

void FirePageBinder::ConnectBurst() {
  OnTyped(controls_.Get<QLineEdit>("Edt_Repeat1"),
          [this](const std::string& typed) { return Page().TypeRepeat(typed); });
  OnTyped(controls_.Get<QLineEdit>("Edt_DelayTime1"),
          [this](const std::string& typed) { return Page().TypeInterval(typed, false); });
  OnTyped(controls_.Get<QLineEdit>("edt_FireTime"),
          [this](const std::string& typed) { return Page().TypeInterval(typed, true); });
  for (const char* name : {"lbl_FireContinue", "Img_FireContinue"})
    OnClick(controls_.Get<SkinLabel>(name), [this] { Page().ToggleContinuous(); });
  OnChoice(controls_.Get<QComboBox>("cb_FireCount"),
           [this](int item) { Page().ChooseBurstItem(item); });
}

void FirePageBinder::ConnectGunKeys() {
  auto* list = controls_.Get<QListWidget>("LB_ScriptName");
  connect(list, &QListWidget::itemClicked, this, [this, list](QListWidgetItem* item) {
    Act([&] { Page().SelectGunKey(list->row(item)); });
  });
  OnChoice(controls_.Get<QComboBox>("cb_SOSStartIndex"),
           [this](int index) { Page().ChooseFirstSlot(index + 1); });
  OnChoice(controls_.Get<QComboBox>("cb_SOSNumber"),
           [this](int index) { Page().ChooseLastSlot(index + 1); });
  connect(controls_.Get<QPushButton>("btn_AddScript"), &QPushButton::clicked, this, [this] {
    Act([&] {
      if (auto message = Page().AddGunKey()) window_.show_message(*message);
    });
  });
  connect(controls_.Get<QPushButton>("btn_DelScript"), &QPushButton::clicked, this, [this] {
    Act([&] {
      if (auto message = Page().DeleteGunKey()) window_.show_message(*message);
    });
  });
  connect(controls_.Get<QPushButton>("Btn_ImportGunMacro"), &QPushButton::clicked, this, [this] {
    window_.hide_all_menus();
    const std::string path = window_.choose_file();
    if (path.empty()) return;
    const auto message = Page().ImportBlock(path);
    Redraw();
    if (message) window_.show_message(*message);
  });
}

void FirePageBinder::ConnectEngineerTables() {
  for (int slot = 1; slot <= fire::kFireSlots; ++slot) {
    for (int channel = 0; channel < 3; ++channel) {
      OnTyped(controls_.Get<QLineEdit>("edt_FireMacroColor" + N(slot) + kChannels[channel]),
              [this, slot, channel](const std::string& typed) {
                return Page().TypeColour(slot, channel, typed);
              });
    }
    OnTyped(controls_.Get<QLineEdit>("edt_YOffset" + N(slot)),
            [this, slot](const std::string& typed) { return Page().TypeYOffset(slot, typed); });
  }
}

void FirePageBinder::AfterAct() {
  shell_.Pages().fire_editor.ImageShown();
  window_.redraw_editor();
}

void FirePageBinder::Redraw() {
  RedrawGuns();
  for (int row = 1; row <= 3; ++row)
    RedrawRow(row);
  RedrawBurst();
  RedrawEngineer();
}

void FirePageBinder::RedrawGuns() {
  const pages::FirePageState& state = Page().State();
  for (int gun = 1; gun <= pages::FirePage::kGuns; ++gun) {
    const bool chosen = gun == state.gun;
    controls_.Get<QLabel>("Img_Fire" + N(gun))
        ->setPixmap(SkinPicture(QString::fromStdString("Gun" + N(gun) + (chosen ? "_02" : "_01"))));
    controls_.Get<QRadioButton>("rb_Fire" + N(gun))->setChecked(chosen);
  }
  for (int k = 1; k <= 5; ++k)
    controls_.Get("Img_GunMode" + N(k))->setVisible(state.mode_images[static_cast<size_t>(k - 1)]);
}

void FirePageBinder::RedrawRow(int r) {
  const pages::FirePageState& state = Page().State();
  const pages::FireRowState& row = state.row[static_cast<size_t>(r - 1)];
  const bool shown = r <= state.rows;
  const auto edits = pages::FireRowEditNames(r);
  for (size_t e = 0; e < edits.size(); ++e) {
    auto* edit = controls_.Get<QLineEdit>(edits[e]);
    SetTextIfOther(edit, row.texts[e]);
    // A parameter the fire macro does not hold cannot be tuned.
    edit->setReadOnly(!row.editable[e]);
    edit->setEnabled(row.editable[e]);
    edit->setVisible(shown);
  }
  const std::string n = N(r);
  for (const std::string& name : {"cs_FireColor" + n, "Img_FireColor" + n, "IB_FireColor" + n,
                                  "Img_FireRKFS" + n, "lbl_FireRKFS" + n})
    controls_.Get(name)->setVisible(shown);
  const QColor colour(row.colour.r, row.colour.g, row.colour.b);
  controls_.Get("cs_FireColor" + n)
      ->setStyleSheet("background-color: " + colour.name() + "; border: none;");
  controls_.Get<QLabel>("Img_FireRKFS" + n)
      ->setPixmap(SkinPicture(row.release_stop ? "CbS_E" : "CbS_D"));
  controls_.Get<QCheckBox>("cb_FireRKFS" + n)->setChecked(row.release_stop);
}

void FirePageBinder::RedrawBurst() {
  const pages::FireBurstState& burst = Page().State().burst;
  auto* repeat = controls_.Get<QLineEdit>("Edt_Repeat1");
  SetTextIfOther(repeat, burst.repeat_text);
  repeat->setEnabled(!burst.continuous);
  SetTextIfOther(controls_.Get<QLineEdit>("Edt_DelayTime1"), burst.interval_text);
  SetTextIfOther(controls_.Get<QLineEdit>("edt_FireTime"), burst.interval_text);
  controls_.Get<QLabel>("Img_FireContinue")
      ->setPixmap(SkinPicture(burst.continuous ? "CbS_E" : "CbS_D"));
  controls_.Get<QCheckBox>("cb_IsFireContinue")->setChecked(burst.continuous);
  SelectQuietly(controls_.Get<QComboBox>("cb_FireCount"), burst.count_item);
}

void FirePageBinder::RedrawEngineer() {
  const pages::FirePageState& state = Page().State();
  for (int slot = 1; slot <= fire::kFireSlots; ++slot) {
    const size_t at = static_cast<size_t>(slot - 1);
    for (int channel = 0; channel < 3; ++channel) {
      SetTextIfOther(controls_.Get<QLineEdit>("edt_FireMacroColor" + N(slot) + kChannels[channel]),
                     state.colours[at][static_cast<size_t>(channel)]);
    }
    SetTextIfOther(controls_.Get<QLineEdit>("edt_YOffset" + N(slot)), state.y_offsets[at]);
  }
  for (const char* name : {"LB_ScriptName", "LB_Script"})
    ShowItems(controls_.Get<QListWidget>(name), state.gun_keys);
  auto* list = controls_.Get<QListWidget>("LB_ScriptName");
  const QSignalBlocker quiet(list);
  list->setCurrentRow(state.gun_key_selected);
  if (state.gun_key_selected < 0) list->clearSelection();
  SelectQuietly(controls_.Get<QComboBox>("cb_SOSStartIndex"), state.first_slot - 1);
  SelectQuietly(controls_.Get<QComboBox>("cb_SOSNumber"), state.last_slot - 1);
}

}  // namespace orvane::ui
