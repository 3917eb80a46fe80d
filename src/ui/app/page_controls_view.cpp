#include "ui/app/page_controls_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <optional>

#include "ui/app/layout_colour.h"
#include "ui/app/number_edit.h"
#include "ui/app/png_image.h"
#include "ui/app/ruler_slider.h"
#include "ui/app/skin_button.h"
#include "ui/app/skin_label.h"

#include <stdexcept>

namespace orvane::ui {

namespace {

using app::ControlKind;
using app::PageControl;
using app::Shown;

constexpr int kLedCountRow = 10;

// The skin's look for the toolkit's own fields and lists.
constexpr const char* kFieldStyle =
    "QLineEdit, QComboBox, QListWidget { background: #1B1F27; color: #E6E8EE;"
    " border: 1px solid #404959; border-radius: 3px; }"
    "QComboBox QAbstractItemView { background: #1B1F27; color: #E6E8EE;"
    " selection-background-color: #8E1F2C; }";

QString CaptionText(const std::string& caption, const PageControlsView::TextLookup& text) {
  if (caption.empty()) return {};
  if (caption[0] == '=') return QString::fromStdString(caption.substr(1));
  return QString::fromStdString(text(caption));
}

}  // namespace

PageControlsView::PageControlsView(const std::array<QWidget*, 5>& pages, QWidget* window) {
  // One style sheet a page: the fields and lists below it take it.
  for (QWidget* page : pages)
    page->setStyleSheet(kFieldStyle);
  for (const PageControl& control : app::PageControls()) {
    QWidget* parent = control.page == 0 ? window : pages[static_cast<size_t>(control.page - 1)];
    if (!control.group.empty()) parent = by_name_.at(control.group);
    Built built;
    built.control = &control;
    built.widget = Make(control, parent, built);
    built.widget->setObjectName(QString::fromStdString(control.name));
    const bool hidden = control.shown == Shown::kHiddenAtStart ||
                        control.shown == Shown::kFireUnlock || control.kind == ControlKind::kHidden;
    if (hidden) {
      built.widget->hide();
      if (built.picture != nullptr) built.picture->hide();
    }
    by_name_[control.name] = built.widget;
    built_.push_back(built);
  }
}

QWidget* PageControlsView::Make(const PageControl& control, QWidget* parent, Built& built) {
  const QString name = QString::fromStdString(control.name);
  switch (control.kind) {
    case ControlKind::kText:
    case ControlKind::kClickLabel: {
      auto* label = new SkinLabel(name, parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      return label;
    }
    case ControlKind::kMenuItem: {
      auto* item = new SkinLabel(name, parent);
      item->setAutoFillBackground(true);
      ConnectMenuHover(item);
      return item;
    }
    case ControlKind::kLamp:
    case ControlKind::kPicture: {
      // Lamps and row pictures answer clicks as their captions do.
      auto* picture = new SkinLabel(name, parent);
      const QString source = QString::fromStdString(control.picture) +
                             (control.kind == ControlKind::kLamp ? "_D" : "");
      picture->setPixmap(SkinPicture(source));
      picture->setScaledContents(control.width > 0);
      return picture;
    }
    case ControlKind::kButton: return MakeButton(control, parent, built);
    case ControlKind::kEdit: {
      // Every edit of the pages holds a number; an edit's caption is its
      // starting text. Moves and offsets may be negative.
      const std::string& name = control.name;
      const bool negative = name.find("Axis") != std::string::npos ||
                            name.find("FireX") != std::string::npos ||
                            name.find("Offset") != std::string::npos;
      return new NumberEdit(QString::fromStdString(control.caption).mid(1), parent, Qt::AlignCenter,
                            negative);
    }
    case ControlKind::kCombo: {
      auto* combo = new QComboBox(parent);
      return combo;
    }
    case ControlKind::kList: {
      auto* list = new QListWidget(parent);
      // The pop-up lists sit on the window, outside the pages' style.
      if (control.page == 0) list->setStyleSheet(kFieldStyle);
      return list;
    }
    case ControlKind::kSlider: return new RulerSlider(name, control.width, parent);
    case ControlKind::kSwatch: {
      auto* swatch = new QFrame(parent);
      swatch->setAutoFillBackground(true);
      return swatch;
    }
    case ControlKind::kHidden: {
      if (control.name.rfind("rb_", 0) != 0) return new QCheckBox(parent);
      // Several independent sets share a page (delay and release choices):
      // their code keeps each set to one choice itself.
      auto* radio = new QRadioButton(parent);
      radio->setAutoExclusive(false);
      return radio;
    }
    case ControlKind::kGroup: return new QWidget(parent);
    case ControlKind::kPopup: {
      auto* popup = new QFrame(parent);
      popup->setAutoFillBackground(true);
      popup->setFrameStyle(QFrame::Box);
      return popup;
    }
  }
  return new QWidget(parent);
}

// A picture of the family's normal look with a transparent label over it that
// swaps in the hover look while the pointer is on it.
QWidget* PageControlsView::MakeButton(const PageControl& control, QWidget* parent, Built& built) {
  const QString family = QString::fromStdString(control.picture);
  const SkinButton button = MakeSkinButton(parent, QString::fromStdString(control.name), family);
  built.picture = button.picture;
  // A gun's name stands under its drawing; other buttons centre their caption.
  button.label->setAlignment(family.startsWith("Gun") ? Qt::AlignHCenter | Qt::AlignBottom
                                                      : Qt::AlignCenter);
  return button.label;
}

// Pop-up menu items: white text on the macro colour while hovered.
void PageControlsView::ConnectMenuHover(QWidget* item) {
  auto* label = static_cast<SkinLabel*>(item);
  connect(label, &SkinLabel::entered, this, [this, label] {
    SetTextColour(label, QPalette::Window, menu_hover_);
    SetTextColour(label, QPalette::WindowText, Qt::white);
  });
  connect(label, &SkinLabel::left, this, [this, label] {
    SetTextColour(label, QPalette::Window, menu_back_);
    SetTextColour(label, QPalette::WindowText, menu_text_);
  });
}

void PageControlsView::Place(const app::IniTable& layout, const std::string& section,
                             const app::OrgSettings& settings) {
  const auto value = [&](const std::string& key) { return layout.Integer(section, key); };
  for (Built& built : built_) {
    const PageControl& c = *built.control;
    QPoint at(c.dx, c.dy);
    if (!c.place.empty()) at += QPoint(value(c.place + "_X"), value(c.place + "_Y"));
    const int index = c.num_order && settings.num_order == 1 ? kLedCountRow - 1 - c.index : c.index;
    if (!c.step.empty()) at.rx() += index * (c.step_base + value(c.step));
    QSize size(c.text_width ? value(c.place + "_Width") : c.width, c.height);
    if (c.kind == ControlKind::kList && size.width() == 0) size.setWidth(value(c.place + "_W"));
    if (c.kind == ControlKind::kList && size.height() == 0) size.setHeight(value(c.place + "_H"));
    if (const auto* picture = built.picture ? built.picture : qobject_cast<QLabel*>(built.widget);
        picture != nullptr && !picture->pixmap().isNull() && size.width() == 0) {
      size = picture->pixmap().size();
    }
    const QWidget* group = c.group.empty() ? nullptr : by_name_.at(c.group);
    if (group != nullptr && app::FindPageControl(c.group)->kind == ControlKind::kGroup)
      at -= group->pos();
    built.widget->setGeometry(QRect(at, size));
    if (built.picture != nullptr) built.picture->setGeometry(QRect(at, size));
    ApplyPlacedVisibility(built, layout, section, settings);
  }
}

// The controls whose visibility the layout or the display style decides.
void PageControlsView::ApplyPlacedVisibility(const Built& built, const app::IniTable& layout,
                                             const std::string& section,
                                             const app::OrgSettings& settings) {
  const PageControl& control = *built.control;
  std::optional<bool> visible;
  if (control.enable_key) visible = layout.Integer(section, control.place + "_Enable") == 1;
  if (control.shown == Shown::kSliderStyle) visible = settings.dpiled_status == 1;
  if (control.shown == Shown::kBarStyle) visible = settings.dpiled_status == 0;
  if (control.name == "cbb_DPICount") visible = layout.Integer(section, "DPI_Count_Visible") == 1;
  if (!visible) return;
  built.widget->setVisible(*visible);
  if (built.picture != nullptr) built.picture->setVisible(*visible);
}

void PageControlsView::Caption(const app::IniTable& layout, const std::string& section,
                               const TextLookup& text, const QString& font_family) {
  menu_text_ = LayoutColour(layout, section, "Color_F_Font");
  menu_back_ = LayoutColour(layout, section, "Color_F_Back");
  menu_hover_ = LayoutColour(layout, section, "Color_MACRO");
  for (Built& built : built_) {
    const PageControl& c = *built.control;
    if (!c.size.empty()) {
      QFont font(font_family);
      font.setPixelSize(layout.Integer(section, c.size) + c.size_offset + 4);
      built.widget->setFont(font);
    }
    if (!c.colour.empty()) {
      SetTextColour(built.widget, QPalette::WindowText, LayoutColour(layout, section, c.colour));
    }
    if (c.kind == ControlKind::kMenuItem || c.kind == ControlKind::kPopup) {
      SetTextColour(built.widget, QPalette::Window, menu_back_);
      SetTextColour(built.widget, QPalette::WindowText, menu_text_);
    }
    if (auto* label = qobject_cast<SkinLabel*>(built.widget); label && !c.caption.empty()) {
      label->setText(CaptionText(c.caption, text));
    }
    if (auto* combo = qobject_cast<QComboBox*>(built.widget); combo && !c.items.empty()) {
      const int chosen = combo->currentIndex();
      const QSignalBlocker quiet(combo);
      combo->clear();
      for (const std::string& item : c.items)
        combo->addItem(CaptionText(item, text));
      // Nothing is chosen until the page's own code shows the image's value.
      combo->setCurrentIndex(chosen);
    }
  }
}

void PageControlsView::SetMacroListItemHeight(int height) {
  for (const char* name :
       {"LB_PCMacroName", "LB_MacroName", "LB_macro", "LB_FireMacroName", "LB_FireMacro"}) {
    Find(name)->setStyleSheet(QString("QListWidget::item { height: %1px; }").arg(height));
  }
}

void PageControlsView::HidePopups() {
  for (const Built& built : built_) {
    const bool popup = built.control->kind == ControlKind::kPopup ||
                       (built.control->page == 0 && built.control->kind == ControlKind::kList);
    if (popup) built.widget->hide();
  }
}

// A name that was never built is a fault of the code that asks: it fails
// loudly here rather than later through a null pointer.
QWidget* PageControlsView::Find(const std::string& name) const {
  const auto found = by_name_.find(name);
  if (found == by_name_.end()) throw std::logic_error("no control named " + name);
  return found->second;
}

}  // namespace orvane::ui
