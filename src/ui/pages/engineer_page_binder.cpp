#include "ui/pages/engineer_page_binder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/pages/event_rows.h"

namespace orvane::ui {

namespace {

void CheckQuietly(QAbstractButton* button, bool on) {
  const QSignalBlocker quiet(button);
  button->setChecked(on);
}

}  // namespace

EngineerPageBinder::EngineerPageBinder(const ControlRegistry& controls, app::Shell& shell,
                                       std::function<void()> hide_all_menus)
    : PageBinder(std::move(hide_all_menus)), controls_(controls), shell_(shell) {
  OnChoice(controls_.Get<QComboBox>("cb_SensorOri"),
           [this](int index) { Page().ChooseSensorOrientation(index); });
  OnTyped(controls_.Get<QLineEdit>("edt_VendorID"),
          [this](const std::string& typed) { return Page().TypeMakerId(typed); });
  OnTyped(controls_.Get<QLineEdit>("edt_ProductID"),
          [this](const std::string& typed) { return Page().TypeProductId(typed); });
  auto* smooth = controls_.Get<QCheckBox>("cb_Smooth");
  connect(smooth, &QCheckBox::clicked, this,
          [this](bool on) { Act([&] { Page().SetSmoothing(on); }); });
  for (const auto& [name, fn] :
       {std::pair{"rb_FireFnOn", true}, std::pair{"rb_FireFnOff", false}}) {
    const bool on = fn;
    connect(controls_.Get<QRadioButton>(name), &QRadioButton::clicked, this,
            [this, on] { Act([&] { Page().SetFireTriggerFn(on); }); });
  }
}

void EngineerPageBinder::Redraw() {
  const pages::EngineerPageState& state = Page().State();
  SelectQuietly(controls_.Get<QComboBox>("cb_SensorOri"), state.sensor_orientation);
  SetTextIfOther(controls_.Get<QLineEdit>("edt_VendorID"), state.maker_text);
  SetTextIfOther(controls_.Get<QLineEdit>("edt_ProductID"), state.product_text);
  SetTextIfOther(controls_.Get<QLineEdit>("edt_VendorID_Rd"), state.read_maker);
  SetTextIfOther(controls_.Get<QLineEdit>("edt_ProductID_Rd"), state.read_product);
  CheckQuietly(controls_.Get<QCheckBox>("cb_Smooth"), state.smoothing);
  CheckQuietly(controls_.Get<QRadioButton>("rb_FireFnOn"), state.fire_trigger_fn);
  CheckQuietly(controls_.Get<QRadioButton>("rb_FireFnOff"), !state.fire_trigger_fn);
}

}  // namespace orvane::ui
