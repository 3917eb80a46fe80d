#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "core/app/ini_table.h"
#include "core/app/org_settings.h"
#include "core/app/shell_view.h"
#include "ui/app/skin_button.h"

class QWidget;

namespace orvane::ui {

// The buttons every one of the four skinned pages carries: Confirm, Apply,
// Read, the load-configuration buttons, the page and language buttons, Save
// and Load, Exit and minimise, and the web button. Each exists once per page
// ("Btn_Apply_1" .. "Btn_Apply_4"); an action connects to all four copies.
class PageButtonsView : public QObject {
 public:
  using TextLookup = std::function<std::string(std::string_view key)>;

  PageButtonsView(const std::array<QWidget*, 4>& pages, const app::OrgSettings& settings,
                  std::function<bool()> mouse_connected);

  // `name` is the button without prefix and copy number: "Apply".
  void OnClick(const char* name, const std::function<void()>& action);
  // The pressed look on all four copies, until the pointer leaves.
  void ShowPressed(const char* name);
  void Place(const app::IniTable& layout, const std::string& section);
  void Caption(const app::IniTable& layout, const std::string& section, const TextLookup& text,
               const QString& font_family);
  // The current page's and language's buttons in their marked look.
  void Mark(app::Page current, int language);
  // Leaving, minimising and the language stay within reach over any cover.
  void RaiseAlwaysUsable();

 private:
  SkinButton& Button(const char* name, int copy);
  void PlaceWebButtons();

  std::map<QString, SkinButton> buttons_;
  const app::OrgSettings& settings_;
  std::function<bool()> mouse_connected_;
  app::Page marked_page_ = app::Page::kMain;
  int marked_language_ = 1;
};

}  // namespace orvane::ui
