#include "ui/app/engineer_page_view.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <stdexcept>

#include "core/app/engineer_captions.h"
#include "core/app/engineer_controls.h"
#include "ui/app/number_edit.h"
#include "ui/app/png_image.h"
#include "ui/app/skin_button.h"
#include "ui/app/skin_label.h"

namespace orvane::ui {

namespace {

using app::EngineerControl;
using app::EngineerKind;

QWidget* MakeControl(const EngineerControl& control, const QString& caption, QWidget* parent) {
  switch (control.kind) {
    case EngineerKind::kGroup: return new QGroupBox(caption, parent);
    case EngineerKind::kLabel: return new QLabel(caption, parent);
    case EngineerKind::kRadio: {
      auto* radio = new QRadioButton(caption, parent);
      radio->setChecked(control.checked);
      return radio;
    }
    case EngineerKind::kCheck: {
      auto* check = new QCheckBox(caption, parent);
      check->setChecked(control.checked);
      return check;
    }
    case EngineerKind::kCombo: return new QComboBox(parent);
    case EngineerKind::kEdit:
    case EngineerKind::kNumberEdit: {
      auto* edit = control.kind == EngineerKind::kNumberEdit ? new NumberEdit(caption, parent)
                                                             : new QLineEdit(caption, parent);
      if (control.max_length > 0) edit->setMaxLength(control.max_length);
      edit->setReadOnly(control.read_only);
      return edit;
    }
    case EngineerKind::kButton: return new QPushButton(caption, parent);
    case EngineerKind::kKeyButton: {
      const SkinButton button =
          MakeSkinButton(parent, QString::fromStdString(control.name), "KeyS");
      button.picture->setScaledContents(true);
      button.picture->setGeometry(control.rect.x, control.rect.y, control.rect.width,
                                  control.rect.height);
      button.label->setStyleSheet("color: #F0F0F5;");
      return button.label;
    }
    case EngineerKind::kList: return new QListWidget(parent);
    case EngineerKind::kBar: {
      // A red rule across the tab, without function.
      auto* bar = new QWidget(parent);
      bar->setAutoFillBackground(true);
      QPalette palette = bar->palette();
      palette.setColor(QPalette::Window, QColor(0xC8, 0x28, 0x3A));
      bar->setPalette(palette);
      return bar;
    }
  }
  return new QWidget(parent);
}

}  // namespace

EngineerPageView::EngineerPageView(QWidget* page, bool chinese) : chinese_(chinese) {
  page->setFont(QFont("DejaVu Sans", 8));
  BuildTitle(page);
  tabs_ = new QTabWidget(page);
  tabs_->setObjectName(app::kEngineerTabsName);
  tabs_->setGeometry(8, 40, 984, 520);
  by_name_[app::kEngineerTabsName] = tabs_;
  for (const auto& [name, row] : {std::pair{"ts_Operator", 13}, std::pair{"ts_Engineer", 14}}) {
    auto* tab = new QWidget;
    tab->setObjectName(name);
    tabs_->addTab(tab, QString::fromStdString(app::EngineerCaption(row, chinese_)));
    by_name_[name] = tab;
  }
  // The Engineer tab stays hidden and disabled until the logo's unlock.
  tabs_->setTabVisible(1, false);
  tabs_->setTabEnabled(1, false);
  BuildControls(page);
}

void EngineerPageView::BuildTitle(QWidget* page) {
  logo_ = new SkinLabel("Img_Logo4", page);
  logo_->setPixmap(SkinPicture("RdS_E"));
  logo_->setGeometry(16, 12, 18, 18);
  auto* title = new QLabel(page);
  title->setObjectName("lbl_Engineer");
  title->setGeometry(44, 8, 400, 26);
  title->setText(QString::fromStdString(app::EngineerCaption(5, chinese_)));
  close_ = new SkinLabel("Btn_Close", page);
  close_->setPixmap(SkinPicture("ExitS_01"));
  close_->setGeometry(962, 8, 28, 28);
  connect(close_, &SkinLabel::entered, this,
          [this] { close_->setPixmap(SkinPicture("ExitS_02")); });
  connect(close_, &SkinLabel::left, this, [this] { close_->setPixmap(SkinPicture("ExitS_01")); });
}

void EngineerPageView::BuildControls(QWidget* page) {
  for (const EngineerControl& control : app::EngineerControls()) {
    QWidget* parent = control.tab == app::EngineerTab::kPage        ? page
                      : control.tab == app::EngineerTab::kOperation ? by_name_.at("ts_Operator")
                                                                    : by_name_.at("ts_Engineer");
    if (!control.group.empty()) parent = by_name_.at(control.group);
    const QString caption =
        control.caption_row >= 0
            ? QString::fromStdString(app::EngineerCaption(control.caption_row, chinese_))
            : QString::fromStdString(control.text);
    QWidget* widget = MakeControl(control, caption, parent);
    widget->setObjectName(QString::fromStdString(control.name));
    widget->setGeometry(control.rect.x, control.rect.y, control.rect.width, control.rect.height);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      for (int row : control.item_rows)
        combo->addItem(QString::fromStdString(app::EngineerCaption(row, chinese_)));
      for (const std::string& item : control.items)
        combo->addItem(QString::fromStdString(item));
      combo->setCurrentIndex(-1);  // until the image's value is shown
    }
    widget->setEnabled(!control.locked);
    widget->setVisible(!control.never_shown && !control.shown_by_unlock);
    by_name_[control.name] = widget;
  }
}

void EngineerPageView::Unlock() {
  tabs_->setTabVisible(1, true);
  tabs_->setTabEnabled(1, true);
  for (const EngineerControl& control : app::EngineerControls()) {
    QWidget* widget = by_name_.at(control.name);
    if (control.locked) widget->setEnabled(true);
    if (control.shown_by_unlock) widget->show();
  }
}

// A name that was never built is a fault of the code that asks: it fails
// loudly here rather than later through a null pointer.
QWidget* EngineerPageView::Find(const std::string& name) const {
  const auto found = by_name_.find(name);
  if (found == by_name_.end()) throw std::logic_error("no control named " + name);
  return found->second;
}

void EngineerPageView::ConnectActions(const EngineerActions& actions) {
  const auto on = [this](const char* name, const std::function<void()>& action) {
    connect(static_cast<QAbstractButton*>(Find(name)), &QAbstractButton::clicked, this,
            [action] { action(); });
  };
  connect(close_, &SkinLabel::clicked, this, [close = actions.close] { close(); });
  on("btn_Write", actions.write);
  on("Btn_Save_6", actions.save_profile);
  on("Btn_Load_6", actions.load_profile);
  on("Btn_Default", actions.load_default);
  on("Btn_ImportBaseMacro", actions.import_base_macros);
  for (const auto& [name, page] :
       {std::pair{"Btn_Main_6", app::Page::kMain}, std::pair{"Btn_Second_6", app::Page::kSecond},
        std::pair{"Btn_Adv_6", app::Page::kAdvanced},
        std::pair{"Btn_Breath_6", app::Page::kBreathing},
        std::pair{"Btn_Macro_6", app::Page::kMacro}}) {
    on(name, [show = actions.show, page = page] { show(page); });
  }
}

}  // namespace orvane::ui
