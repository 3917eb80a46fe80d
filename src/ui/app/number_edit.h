#pragma once

#include <QLineEdit>

namespace orvane::ui {

// The number edit of the engineer page (TIntEdit): typed characters other
// than the decimal digits are dropped (backspace always works, and pasted
// text is held to digits too), with the text aligned as the field wants.
// What the digits mean, and what an empty text is, the page's controller
// decides.
class NumberEdit : public QLineEdit {
 public:
  NumberEdit(const QString& text, QWidget* parent, Qt::Alignment alignment = Qt::AlignLeft);
};

}  // namespace orvane::ui
