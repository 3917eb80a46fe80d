#include "ui/pages/dpi_page_binder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <string>

#include "ui/app/layout_colour.h"
#include "ui/app/png_image.h"
#include "ui/app/ruler_slider.h"
#include "ui/app/skin_label.h"

namespace orvane::ui {

namespace {

constexpr const char* kChannels[3] = {"R", "G", "B"};

std::string Level(int level) { return "DPI" + std::to_string(level); }
std::string Cpi(int level) { return "CPI" + std::to_string(level); }

}  // namespace

DpiPageBinder::DpiPageBinder(const ControlRegistry& controls, app::Shell& shell, Window window)
    : PageBinder(window.hide_all_menus),
      controls_(controls),
      shell_(shell),
      window_(std::move(window)) {
  for (int level = 1; level <= pages::kDpiLevels; ++level)
    ConnectLevel(level);
  ConnectCounts();
}

void DpiPageBinder::ConnectLevel(int level) {
  const std::string name = Level(level);
  auto* slider = controls_.Get<RulerSlider>("slider_" + name);
  slider->SetRuler(pages::DpiRuler(Page().DpiCount()));
  OnRelease(slider, [this, level](int x) { Page().SliderReleased(level, x); });
  OnClick(controls_.Get<SkinLabel>("Img_" + name), [this, level] { Page().SetCurrent(level); });
  OnClick(controls_.Get<SkinLabel>("lbl_" + name), [this, level] {
    if (window_.names_switch_levels()) Page().ToggleLevel(level);
  });
  // The frame picture is solid: the fill goes over it, inside its border,
  // and the click label over both.
  controls_.Get("cs_" + name + "Col")->raise();
  auto* swatch_click = controls_.Get<SkinLabel>("lbl_" + name + "Col");
  swatch_click->raise();
  connect(swatch_click, &SkinLabel::clicked, this, [this, level] { PickColour(level); });
  OnChoice(controls_.Get<QComboBox>("cb_" + Cpi(level)),
           [this, level](int index) { Page().SetValue(level, index); });
  for (int channel = 0; channel < 3; ++channel) {
    const auto part = static_cast<pages::DpiPage::Channel>(channel);
    OnTyped(controls_.Get<QLineEdit>("edt_" + Cpi(level) + kChannels[channel]),
            [this, level, part](const std::string& typed) {
              return Page().SetColourText(level, part, typed);
            });
  }
}

void DpiPageBinder::ConnectCounts() {
  for (const char* name : {"cbb_DPICount", "cb_CPIStep"})
    OnChoice(controls_.Get<QComboBox>(name),
             [this](int index) { Page().SetLevelCount(index + 2); });
  OnChoice(controls_.Get<QComboBox>("cb_CurrentCPI"),
           [this](int index) { Page().SetCurrent(index + 1); });
}

// lbl_DPInColClick: only the strip's colours are picked here.
void DpiPageBinder::PickColour(int level) {
  if (!Page().CanPickColour() || !Page().State().in_use[static_cast<size_t>(level - 1)]) return;
  const auto chosen =
      AskRgb(window_.ask_colour, Page().State().colours[static_cast<size_t>(level - 1)]);
  if (!chosen) return;
  Page().SetColour(level, *chosen);
  Redraw();
}

void DpiPageBinder::Redraw() {
  RedrawCounts();
  for (int level = 1; level <= pages::kDpiLevels; ++level) {
    RedrawLevel(level);
    RedrawEngineerLevel(level);
    RedrawSwatch(level);
  }
}

void DpiPageBinder::RedrawCounts() {
  const pages::DpiPageState& state = Page().State();
  SelectQuietly(controls_.Get<QComboBox>("cbb_DPICount"), state.level_count - 2);
  SelectQuietly(controls_.Get<QComboBox>("cb_CPIStep"), state.level_count - 2);
  auto* current = controls_.Get<QComboBox>("cb_CurrentCPI");
  const QSignalBlocker quiet(current);
  if (current->count() != state.level_count) {
    current->clear();
    for (int level = 1; level <= state.level_count; ++level)
      current->addItem(QString::number(level));
  }
  current->setCurrentIndex(state.current - 1);
}

void DpiPageBinder::RedrawLevel(int level) {
  const pages::DpiPageState& state = Page().State();
  const size_t i = static_cast<size_t>(level - 1);
  const bool in_use = state.in_use[i];
  const std::string name = Level(level);
  auto* slider = controls_.Get<RulerSlider>("slider_" + name);
  slider->setValue(state.slider_value[i]);
  slider->setEnabled(in_use);
  auto* lamp = controls_.Get<QLabel>("Img_" + name);
  lamp->setPixmap(SkinPicture(level == state.current ? "CbS_E" : "CbS_D"));
  lamp->setEnabled(in_use);
  if (!window_.names_switch_levels()) {
    lamp->setVisible(in_use);
  } else {
    SetTextColour(controls_.Get("lbl_" + name), QPalette::WindowText, window_.name_colour(in_use));
  }
  controls_.Get<QRadioButton>("rb_" + name)->setChecked(level == state.current);
  controls_.Get<QLabel>("lbl_" + name + "Value")
      ->setText(QString::fromStdString(state.value_text[i]));
  // In bar style the value shows as bars up to its step.
  for (int bar = 1; bar <= 11; ++bar) {
    const bool lit = bar <= state.slider_value[i] / 100 + 1;
    auto* picture = controls_.Get<QLabel>("Img_" + name + "_" + std::to_string(bar));
    picture->setPixmap(SkinPicture(lit ? "Bar1_E" : "Bar1_D"));
    picture->setEnabled(in_use);
  }
}

void DpiPageBinder::RedrawEngineerLevel(int level) {
  const pages::DpiPageState& state = Page().State();
  const size_t i = static_cast<size_t>(level - 1);
  const bool in_use = state.in_use[i];
  const std::string cpi = Cpi(level);
  SelectQuietly(controls_.Get<QComboBox>("cb_" + cpi), state.value_index[i]);
  const uint8_t parts[3] = {state.colours[i].r, state.colours[i].g, state.colours[i].b};
  for (int channel = 0; channel < 3; ++channel) {
    auto* edit = controls_.Get<QLineEdit>("edt_" + cpi + kChannels[channel]);
    // Leading zeros being typed stay; the number is what counts.
    if (edit->text().toInt() != parts[channel] || edit->text().isEmpty()) {
      edit->setText(QString::number(parts[channel]));
    }
    if (level >= 3) {
      edit->setVisible(in_use);
      controls_.Get("lbl_" + cpi + kChannels[channel])->setVisible(in_use);
    }
  }
  if (level >= 3) {
    controls_.Get("cb_" + cpi)->setVisible(in_use);
    controls_.Get("lbl_" + cpi)->setVisible(in_use);
  }
}

void DpiPageBinder::RedrawSwatch(int level) {
  const pages::DpiPageState& state = Page().State();
  const size_t i = static_cast<size_t>(level - 1);
  const std::string name = Level(level);
  QWidget* click = controls_.Get("lbl_" + name + "Col");
  click->setEnabled(state.in_use[i]);
  if (state.swatches == pages::SwatchShow::kAsBefore) return;
  const bool shown = state.swatches == pages::SwatchShow::kShown;
  QWidget* fill = controls_.Get("cs_" + name + "Col");
  for (QWidget* part : {fill, controls_.Get("Img_" + name + "Col"), click})
    part->setVisible(shown);
  // The page's style sheet outranks a palette, so the fill is a style too.
  if (shown) {
    const QColor colour(state.colours[i].r, state.colours[i].g, state.colours[i].b);
    fill->setStyleSheet("background-color: " + colour.name() + "; border: none;");
  }
}

}  // namespace orvane::ui
