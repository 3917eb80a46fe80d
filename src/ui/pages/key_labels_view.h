#pragma once

#include <QString>
#include <array>
#include <memory>
#include <string>

#include "core/app/ini_table.h"
#include "ui/app/skin_button.h"
#include "ui/pages/mouse_picture_view.h"

namespace orvane::ui {

class RollingCaptionView;

// The key page's nine labels Key1..Key9 over their key pictures, placed by
// the layout, with the numbered mouse between them. What they show and do
// is the button page binder's.
class KeyLabelsView {
 public:
  KeyLabelsView(QWidget* page, RollingCaptionView& rolling);
  void Place(const app::IniTable& layout, const std::string& section);
  void Style(const app::IniTable& layout, const std::string& section, const QString& font_family);

 private:
  std::array<SkinButton, 9> keys_;
  MousePictureView mouse_;
};

}  // namespace orvane::ui
