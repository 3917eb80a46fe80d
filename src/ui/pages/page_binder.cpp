#include "ui/pages/page_binder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "ui/app/ruler_slider.h"
#include "ui/app/skin_label.h"

namespace orvane::ui {

void SelectQuietly(QComboBox* combo, int index) {
  const QSignalBlocker quiet(combo);
  combo->setCurrentIndex(index);
}

std::optional<config::Rgb> AskRgb(const AskColour& ask, config::Rgb now) {
  const auto chosen = ask(QColor(now.r, now.g, now.b));
  if (!chosen) return std::nullopt;
  return config::Rgb{static_cast<uint8_t>(chosen->red()), static_cast<uint8_t>(chosen->green()),
                     static_cast<uint8_t>(chosen->blue())};
}

void PageBinder::Act(const std::function<void()>& act) {
  hide_all_menus_();
  act();
  AfterAct();
  Redraw();
}

void PageBinder::OnClick(SkinLabel* label, std::function<void()> act) {
  connect(label, &SkinLabel::clicked, this, [this, act] { Act(act); });
}

void PageBinder::OnChoice(QComboBox* combo, std::function<void(int)> act) {
  connect(combo, &QComboBox::activated, this, [this, act](int index) { Act([&] { act(index); }); });
}

void PageBinder::OnRelease(RulerSlider* slider, std::function<void(int)> act) {
  connect(slider, &RulerSlider::released, this, [this, act](int x) { Act([&] { act(x); }); });
}

void PageBinder::OnTyped(QLineEdit* edit, std::function<std::string(const std::string&)> correct) {
  connect(edit, &QLineEdit::textEdited, this, [this, edit, correct](const QString& text) {
    const std::string typed = text.toStdString();
    const std::string shown = correct(typed);
    if (shown != typed) edit->setText(QString::fromStdString(shown));
    AfterAct();
    Redraw();
  });
}

}  // namespace orvane::ui
