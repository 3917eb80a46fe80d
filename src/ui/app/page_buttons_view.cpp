#include "ui/app/page_buttons_view.h"

#include <QDesktopServices>
#include <QUrl>

#include "core/app/layout_rules.h"
#include "ui/app/layout_colour.h"
#include "ui/app/png_image.h"

namespace orvane::ui {

namespace {

struct PageButton {
  const char* name;     // "Confirm" -> Btn_Confirm_1 over Img_Confirm_1
  const char* key;      // layout family key
  const char* family;   // picture family
  const char* caption;  // language key, empty for picture-only buttons
  bool spaced;          // the page and language buttons leave room at their ends
};

constexpr PageButton kPageButtons[] = {
    {"Confirm", "Btn_A1", "BtnS", "Str000", false},
    {"Apply", "Btn_A2", "BtnS", "Str001", false},
    {"Confirm1", "Btn_A3", "BtnS", "Str002", false},
    {"Exit", "Btn_A4", "ExitS", "", false},
    {"Confirm2", "Btn_A5", "BtnS", "Str015", false},
    {"Confirm3", "Btn_A6", "BtnS", "Str016", false},
    {"Mini", "Btn_A7", "MiniS", "", false},
    {"Read", "Btn_A8", "BtnS", "Str017", false},
    {"Main", "Btn_B1", "SetS", "Str004", true},
    {"Second", "Btn_B2", "SetS", "Str005", true},
    {"Adv", "Btn_B4", "SetS", "Str007", true},
    {"Breath", "Btn_B5", "SetS", "Str008", true},
    {"Save", "Btn_B6", "SetS", "Str009", true},
    {"Load", "Btn_B7", "SetS", "Str010", true},
    {"Lang1", "Btn_B8", "SetS", "Str012", true},
    {"Lang2", "Btn_B9", "SetS", "Str013", true},
    {"Lang3", "Btn_B10", "SetS", "Str011", true},
    {"Macro", "Btn_B11", "SetS", "Str014", true},
    // No layout keys: always at (10, 10) and never shown (Ctrl+Shift+E instead).
    {"Engineer", "", "SetS", "", true},
};

const std::map<app::Page, const char*> kPageOfButton = {
    {app::Page::kMain, "Main"},    {app::Page::kSecond, "Second"},
    {app::Page::kAdvanced, "Adv"}, {app::Page::kBreathing, "Breath"},
    {app::Page::kMacro, "Macro"},  {app::Page::kEngineer, "Engineer"}};

QString CopyName(const char* name, int copy) { return QString("Btn_%1_%2").arg(name).arg(copy); }

}  // namespace

PageButtonsView::PageButtonsView(const std::array<QWidget*, 4>& pages,
                                 const app::OrgSettings& settings,
                                 std::function<bool()> mouse_connected)
    : settings_(settings), mouse_connected_(std::move(mouse_connected)) {
  for (int copy = 1; copy <= 4; ++copy) {
    for (const PageButton& button : kPageButtons) {
      const QString name = CopyName(button.name, copy);
      SkinButton& made = buttons_[name] = MakeSkinButton(pages[copy - 1], name, button.family);
      // Leaving a button brings back the marks the page and language buttons wear.
      connect(made.label, &SkinLabel::left, this, [this] { Mark(marked_page_, marked_language_); });
    }
    const QString web_name = CopyName("Web", copy);
    SkinButton& web = buttons_[web_name] = MakeSkinButton(pages[copy - 1], web_name, "WebS");
    // Hovering lights the web button only while a mouse is connected.
    disconnect(web.label, &SkinLabel::entered, nullptr, nullptr);
    connect(web.label, &SkinLabel::entered, this, [this, web] {
      if (mouse_connected_()) web.ShowLook("_03");
    });
    connect(web.label, &SkinLabel::clicked, this, [this, web] {
      web.ShowLook("_02");
      if (settings_.web_enable)
        QDesktopServices::openUrl(QUrl(QString::fromStdString(settings_.web)));
    });
  }
  PlaceWebButtons();
}

SkinButton& PageButtonsView::Button(const char* name, int copy) {
  return buttons_.at(CopyName(name, copy));
}

void PageButtonsView::OnClick(const char* name, const std::function<void()>& action) {
  for (int copy = 1; copy <= 4; ++copy)
    connect(Button(name, copy).label, &SkinLabel::clicked, this, action);
}

void PageButtonsView::ShowPressed(const char* name) {
  for (int copy = 1; copy <= 4; ++copy)
    Button(name, copy).ShowLook("_03");
}

void PageButtonsView::PlaceWebButtons() {
  for (int copy = 1; copy <= 4; ++copy) {
    const SkinButton& web = Button("Web", copy);
    web.SetGeometry(
        {settings_.web_x, settings_.web_y, web.picture->width(), web.picture->height()});
  }
}

void PageButtonsView::Place(const app::IniTable& layout, const std::string& section) {
  for (int copy = 1; copy <= 4; ++copy) {
    for (const PageButton& button : kPageButtons) {
      const SkinButton& skin = Button(button.name, copy);
      const auto value = [&](const std::string& suffix) {
        if (button.key[0] == '\0') return suffix == "_Enable" ? 0 : 10;
        return layout.Integer(section, button.key + suffix);
      };
      const QSize size = skin.picture->pixmap().size();
      const app::ButtonPlacement placement =
          button.spaced
              ? app::PlaceSpacedButton(value("_Enable"), value("_X"), value("_Y"), size.width(),
                                       size.height(), layout.Integer(section, "Btn_Space_F"),
                                       layout.Integer(section, "Btn_Space_B"))
              : app::PlaceButtonPair(value("_Enable"), value("_X"), value("_Y"), size.width(),
                                     size.height());
      const auto& [picture, label] = std::pair{placement.picture, placement.label};
      skin.picture->setGeometry(picture.x, picture.y, picture.width, picture.height);
      skin.label->setGeometry(label.x, label.y, label.width, label.height);
      skin.SetVisible(placement.visible);
    }
  }
}

void PageButtonsView::Caption(const app::IniTable& layout, const std::string& section,
                              const TextLookup& text, const QString& font_family) {
  for (int copy = 1; copy <= 4; ++copy) {
    for (const PageButton& button : kPageButtons) {
      SkinLabel* label = Button(button.name, copy).label;
      label->setText(button.caption[0] ? QString::fromStdString(text(button.caption)) : QString());
      QFont font(font_family);
      font.setPixelSize(layout.Integer(section, button.spaced ? "Size_B" : "Size_A") + 4);
      label->setFont(font);
      QPalette palette = label->palette();
      palette.setColor(QPalette::WindowText,
                       LayoutColour(layout, section, button.spaced ? "Color_B" : "Color_A"));
      label->setPalette(palette);
    }
  }
}

void PageButtonsView::Mark(app::Page current, int language) {
  marked_page_ = current;
  marked_language_ = language;
  const auto page = kPageOfButton.find(current);
  const QString language_button = QString("Lang%1").arg(language);
  for (int copy = 1; copy <= 4; ++copy) {
    for (const PageButton& button : kPageButtons) {
      if (QString(button.family) != "SetS") continue;
      const bool on = (page != kPageOfButton.end() && QString(button.name) == page->second) ||
                      QString(button.name) == language_button;
      Button(button.name, copy).ShowLook(on ? "_03" : "_01");
    }
  }
}

void PageButtonsView::RaiseAlwaysUsable() {
  for (int copy = 1; copy <= 4; ++copy) {
    for (const char* name : {"Exit", "Mini", "Lang1", "Lang2", "Lang3"})
      Button(name, copy).Raise();
  }
}

}  // namespace orvane::ui
