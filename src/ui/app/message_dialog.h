#pragma once

#include <QDialog>

class QLabel;

namespace orvane::ui {

class SkinLabel;

// The skinned message box: the "Msg" picture gives it shape and size, the
// text sits in its middle and one OK button closes it.
class MessageDialog : public QDialog {
 public:
  MessageDialog(const QString& text, const QString& ok_caption, const QFont& font, QWidget* parent);

  QLabel* TextLabel() const { return text_; }
  SkinLabel* OkButton() const { return ok_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* text_ = nullptr;
  SkinLabel* ok_ = nullptr;
};

}  // namespace orvane::ui
