#pragma once

#include <QLineEdit>

namespace orvane::ui {

// The number edit of every number field (TIntEdit): typed characters other
// than the decimal digits, and a leading minus where the field takes
// negative numbers, are dropped (backspace always works, and pasted text is
// held to the same), with the text aligned as the field wants. What the
// digits mean, and what an empty text is, the page's controller decides.
class NumberEdit : public QLineEdit {
 public:
  NumberEdit(const QString& text, QWidget* parent, Qt::Alignment alignment = Qt::AlignLeft,
             bool negative = false);
};

}  // namespace orvane::ui
