#include "ui/macro/macro_dialog.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "core/config/key_tables.h"
#include "ui/app/png_image.h"
#include "ui/app/skin_button.h"
#include "ui/app/skin_dialog.h"
#include "ui/app/skin_label.h"
#include "ui/app/virtual_keys.h"

namespace orvane::ui {

namespace {

const char* InputName(MacroDialogView::Kind kind) {
  switch (kind) {
    case MacroDialogView::Kind::kName: return "Edt_MacroName";
    case MacroDialogView::Kind::kKey: return "Edt_EditKey";
    default: return "Edt_EditTime";
  }
}

}  // namespace

MacroDialogView::MacroDialogView(
    Kind kind, const Captions& captions, const QFont& font,
    std::function<std::string(const std::string&, const std::string&)> correct, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      kind_(kind) {
  setObjectName(kind == Kind::kName    ? "TForm3"
                : kind == Kind::kKey   ? "TForm5"
                : kind == Kind::kDelay ? "TForm6"
                                       : "TForm7");
  SkinDialog(this, "Msg", "Img_MacroName");
  auto* title = new QLabel(captions.title, this);
  title->setObjectName("lbl_MacroName");
  QFont title_font = font;
  title_font.setPixelSize(font.pixelSize() + 2);
  title->setFont(title_font);
  title->setStyleSheet("color: #F0F0F5;");
  title->setAlignment(Qt::AlignCenter);
  title->setGeometry(20, 24, width() - 40, 28);
  input_ = new QLineEdit(this);
  input_->setObjectName(InputName(kind));
  input_->setFont(font);
  input_->setAlignment(Qt::AlignCenter);
  input_->setGeometry(width() / 2 - 90, 70, 180, 28);
  if (kind == Kind::kName) input_->setMaxLength(16);
  if (kind == Kind::kKey) {
    input_->setReadOnly(true);
    input_->installEventFilter(this);
  }
  if (correct) {
    connect(input_, &QLineEdit::textEdited, this, [this, correct](const QString& text) {
      const std::string shown = correct(previous_, text.toStdString());
      if (shown != text.toStdString()) input_->setText(QString::fromStdString(shown));
      previous_ = shown;
    });
  }
  const int y = height() - 52;
  confirm_ = AddButton("IB_Confirm", "BtnS", captions.confirm, font, {24, y, 96, 32});
  SkinLabel* clear = AddButton("IB_Cancel", "BtnS", captions.clear, font, {132, y, 96, 32});
  const QPixmap close_skin = SkinPicture("ExitS_01");
  SkinLabel* close =
      AddButton("IB_Close", "ExitS", {}, font,
                {width() - close_skin.width() - 12, 12, close_skin.width(), close_skin.height()});
  connect(confirm_, &SkinLabel::clicked, this, &QDialog::accept);
  connect(clear, &SkinLabel::clicked, this, [this] {
    input_->clear();
    previous_.clear();
    virtual_key_ = 0;
  });
  connect(close, &SkinLabel::clicked, this, &QDialog::reject);
  CentreOnParent(this);
  input_->setFocus();
}

SkinLabel* MacroDialogView::AddButton(const QString& name, const QString& family,
                                      const QString& caption, const QFont& font,
                                      const QRect& place) {
  const SkinButton button = MakeSkinButton(this, name, family, "Img_" + name.mid(3));
  button.SetGeometry(place);
  button.label->setText(caption);
  button.label->setFont(font);
  button.label->setStyleSheet("color: #F0F0F5;");
  return button.label;
}

std::string MacroDialogView::Text() const { return input_->text().toStdString(); }

// The key dialog: each key pressed shows its name; the last one counts.
bool MacroDialogView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == input_ && event->type() == QEvent::KeyPress) {
    const int vk = VirtualKeyOf(*static_cast<QKeyEvent*>(event));
    if (vk != 0) {
      virtual_key_ = vk;
      input_->setText(
          QString::fromStdString(config::GetKeyNameByIndex(config::GetKeyIndexByVK(vk))));
    }
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace orvane::ui
