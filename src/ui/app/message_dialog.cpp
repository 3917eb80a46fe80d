#include "ui/app/message_dialog.h"

#include <QBitmap>
#include <QKeyEvent>

#include "core/app/layout_rules.h"
#include "ui/app/png_image.h"
#include "ui/app/skin_button.h"
#include "ui/app/skin_dialog.h"
#include "ui/app/skin_label.h"

namespace orvane::ui {

MessageDialog::MessageDialog(const QString& text, const QString& ok_caption, const QFont& font,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("FormMessagDialog");
  SkinDialog(this, "Msg", "Img_Msg");
  text_ = new QLabel(text, this);
  text_->setObjectName("lbl_Message");
  text_->setFont(font);
  text_->setWordWrap(true);
  text_->setAlignment(Qt::AlignCenter);
  text_->setStyleSheet("color: #F0F0F5;");
  text_->setGeometry(20, 20, width() - 40, height() - 80);
  const SkinButton ok = MakeSkinButton(this, "Btn_MsgOK", "BtnS", "Img_MsgOK");
  const QSize button = ok.picture->size();
  ok.SetGeometry({(width() - button.width()) / 2, height() - button.height() - 16, button.width(),
                  button.height()});
  ok_ = ok.label;
  ok_->setText(ok_caption);
  ok_->setFont(font);
  ok_->setAlignment(Qt::AlignCenter);
  ok_->setStyleSheet("color: #F0F0F5;");
  connect(ok_, &SkinLabel::clicked, this, &QDialog::accept);
  CentreOnParent(this);
}

// Enter, space and Escape close it, as the OK button does.
void MessageDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
      event->key() == Qt::Key_Space || event->key() == Qt::Key_Escape) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace orvane::ui
