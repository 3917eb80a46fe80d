#include "ui/app/number_edit.h"

#include <QRegularExpressionValidator>

namespace orvane::ui {

NumberEdit::NumberEdit(const QString& text, QWidget* parent, Qt::Alignment alignment)
    : QLineEdit(text, parent) {
  setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this));
  setAlignment(alignment | Qt::AlignVCenter);
}

}  // namespace orvane::ui
