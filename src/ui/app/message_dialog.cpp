#include "ui/app/message_dialog.h"

#include <QBitmap>
#include <QKeyEvent>

#include "core/app/layout_rules.h"
#include "ui/app/png_image.h"
#include "ui/app/skin_button.h"
#include "ui/app/skin_label.h"

namespace orvane::ui {

MessageDialog::MessageDialog(const QString& text, const QString& ok_caption, const QFont& font,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("FormMessagDialog");
  setModal(true);
  const QPixmap skin = SkinPicture("Msg");
  setFixedSize(skin.size());
  // The maroon of the picture is see-through, as on the main window.
  setMask(QBitmap::fromImage(SkinImage("Msg")
                                 .convertToFormat(QImage::Format_RGB32)
                                 .createMaskFromColor(qRgb(0x80, 0, 0), Qt::MaskInColor)));
  auto* background = new QLabel(this);
  background->setObjectName("Img_Msg");
  background->setPixmap(skin);
  background->setGeometry(rect());
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
  if (parent != nullptr) {
    const QRect main = parent->frameGeometry();
    const app::Point at =
        app::CentredOn({main.x(), main.y(), main.width(), main.height()}, width(), height());
    move(at.x, at.y);
  }
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
