#include "ui/app/number_edit.h"

#include <QRegularExpressionValidator>

namespace orvane::ui {

NumberEdit::NumberEdit(const QString& text, QWidget* parent, Qt::Alignment alignment, bool negative)
    : QLineEdit(text, parent) {
  const QRegularExpression digits(negative ? "-?[0-9]*" : "[0-9]*");
  setValidator(new QRegularExpressionValidator(digits, this));
  setAlignment(alignment | Qt::AlignVCenter);
}

}  // namespace orvane::ui
