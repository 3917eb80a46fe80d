#pragma once

#include <QColor>
#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "core/config/parameter_fields.h"

class QComboBox;
class QLineEdit;

namespace orvane::ui {

class RulerSlider;
class SkinLabel;

// A combo's selection set by code: its handler is for the user's choices.
void SelectQuietly(QComboBox* combo, int index);

// The colour dialog from `now`: the colour chosen, or nothing on Cancel.
using AskColour = std::function<std::optional<QColor>(const QColor& initial)>;
std::optional<config::Rgb> AskRgb(const AskColour& ask, config::Rgb now);

// What every page binder does with a user's action: the pop-up menus close,
// the controller acts, the page redraws from the controller's state.
class PageBinder : public QObject {
 public:
  virtual void Redraw() = 0;

 protected:
  explicit PageBinder(std::function<void()> hide_all_menus)
      : hide_all_menus_(std::move(hide_all_menus)) {}

  void OnClick(SkinLabel* label, std::function<void()> act);
  // A user's choice in a combo (a choice made by code runs nothing).
  void OnChoice(QComboBox* combo, std::function<void(int index)> act);
  // The mouse-up on a ruler slider, x pixels from its left edge.
  void OnRelease(RulerSlider* slider, std::function<void(int x)> act);
  // An edit whose text the controller corrects as it is typed: the edit
  // shows the text the controller returns.
  void OnTyped(QLineEdit* edit, std::function<std::string(const std::string& typed)> correct);

  void Act(const std::function<void()>& act);
  // After every action, before the redraw: views of the same data on other
  // pages catch up.
  virtual void AfterAct() {}

 private:
  std::function<void()> hide_all_menus_;
};

}  // namespace orvane::ui
