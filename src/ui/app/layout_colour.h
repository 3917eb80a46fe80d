#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <string>

#include "core/app/ini_table.h"

namespace orvane::ui {

// The colour of three layout keys <prefix>_R, <prefix>_G, <prefix>_B.
inline QColor LayoutColour(const app::IniTable& layout, const std::string& section,
                           const std::string& prefix) {
  return QColor(layout.Integer(section, prefix + "_R"), layout.Integer(section, prefix + "_G"),
                layout.Integer(section, prefix + "_B"));
}

// One colour of a widget's palette: a label's text, a swatch's fill.
inline void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

}  // namespace orvane::ui
