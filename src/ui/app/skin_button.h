#pragma once

#include <QLabel>
#include <QString>

#include "ui/app/skin_label.h"

namespace orvane::ui {

// A skinned button: the family's picture (<family>_01, <family>_02 while the
// pointer is on it) under a transparent caption label of the same place,
// which takes the clicks. The picture is made first, so it lies underneath.
struct SkinButton {
  QLabel* picture = nullptr;
  SkinLabel* label = nullptr;
  QString family;

  void SetGeometry(const QRect& rect) const;
  void SetVisible(bool visible) const;
  void Raise() const;
  // "_01" normal, "_02" hovered, "_03" pressed.
  void ShowLook(const char* suffix) const;
};

// `picture_name` empty: "Img_" + the label's name without its four-letter
// prefix ("Btn_Apply_1" -> "Img_Apply_1").
SkinButton MakeSkinButton(QWidget* parent, const QString& label_name, const QString& family,
                          QString picture_name = {});

}  // namespace orvane::ui
