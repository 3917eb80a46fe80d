#include "ui/config/assembly_key_dialog.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "core/app/layout_rules.h"
#include "ui/app/png_image.h"
#include "ui/app/skin_button.h"
#include "ui/app/skin_dialog.h"
#include "ui/app/skin_label.h"
#include "ui/app/virtual_keys.h"

namespace orvane::ui {

namespace {

constexpr const char* kStyle =
    "QDialog { background: #1E2129; border: 1px solid #8E1F2C; }"
    "QLabel, QCheckBox { color: #E6E8EE; }"
    "QLineEdit { background: #1B1F27; color: #E6E8EE; border: 1px solid #404959;"
    " border-radius: 3px; }";

// A skinned button with its caption.
SkinLabel* AddButton(QWidget* parent, const QString& name, const QString& caption,
                     const QFont& font, QPoint at) {
  const SkinButton button = MakeSkinButton(parent, name, "BtnS");
  button.SetGeometry(QRect(at, button.picture->size()));
  button.label->setText(caption);
  button.label->setFont(font);
  button.label->setStyleSheet("color: #F0F0F5;");
  return button.label;
}

}  // namespace

AssemblyKeyDialogView::AssemblyKeyDialogView(const TextLookup& text, const QFont& font,
                                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("TForm2");
  setModal(true);
  setStyleSheet(kStyle);
  setFixedSize(360, 200);
  const auto caption = [&text](const char* key) { return QString::fromStdString(text(key)); };
  auto* title = new QLabel(caption("Str500"), this);
  title->setObjectName("lbl_Assembly");
  title->setFont(font);
  title->setGeometry(16, 10, 280, 24);
  auto* close = new SkinLabel("IB_Close", this);
  close->setText("x");
  close->setFont(font);
  close->setStyleSheet("color: #F0F0F5;");
  close->setGeometry(width() - 34, 8, 24, 24);
  connect(close, &SkinLabel::clicked, this, &QDialog::reject);
  edit_ = new QLineEdit(this);
  edit_->setObjectName("Edt_Assembly");
  edit_->setReadOnly(true);
  edit_->setAlignment(Qt::AlignCenter);
  edit_->setFont(font);
  edit_->setGeometry(16, 44, width() - 32, 30);
  edit_->installEventFilter(this);
  const char* names[4] = {"CB_Ctrl", "CB_Shift", "CB_Alt", "CB_Win"};
  const char* captions[4] = {"Ctrl", "Shift", "Alt", "Win"};
  for (int i = 0; i < 4; ++i) {
    boxes_[i] = new QCheckBox(captions[i], this);
    boxes_[i]->setObjectName(names[i]);
    boxes_[i]->setFont(font);
    boxes_[i]->setGeometry(16 + 84 * i, 86, 80, 24);
    connect(boxes_[i], &QCheckBox::clicked, this, [this, i](bool checked) {
      dialog_.ModifierClicked(static_cast<config::Modifier>(i), checked);
      Redraw();
      edit_->setFocus();
    });
  }
  auto* confirm = AddButton(this, "IB_Confirm", caption("Str501"), font, {40, 140});
  connect(confirm, &SkinLabel::clicked, this, [this] {
    code_ = dialog_.Confirm().code;
    accept();
  });
  auto* clear = AddButton(this, "IB_Cancel", caption("Str502"), font, {200, 140});
  connect(clear, &SkinLabel::clicked, this, [this] {
    dialog_.Clear();
    Redraw();
    edit_->setFocus();
  });
  CentreOnParent(this);
  edit_->setFocus();
}

bool AssemblyKeyDialogView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool modifier_held =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    dialog_.KeyDown(VirtualKeyOf(*key), modifier_held);
    Redraw();
    return true;  // every key is the dialog's, Escape and Return too
  }
  return QDialog::eventFilter(watched, event);
}

void AssemblyKeyDialogView::Redraw() {
  edit_->setText(QString::fromStdString(dialog_.Text()));
  for (int i = 0; i < 4; ++i)
    boxes_[i]->setChecked(dialog_.Checked(static_cast<config::Modifier>(i)));
}

}  // namespace orvane::ui
