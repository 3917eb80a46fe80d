#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;

namespace orvane::ui {

class SkinLabel;

// The small dialogs of the macro page, in the skin of the main window: the
// name dialog (TForm3), the key dialog (TForm5), the delay dialog (TForm6)
// and the value dialog (TForm7). A title, one input and three buttons:
// confirm, clear and close.
class MacroDialogView : public QDialog {
 public:
  enum class Kind { kName, kKey, kDelay, kValue };
  struct Captions {
    QString title, confirm, clear;
  };
  // `correct`: the text the input shows for what was typed (the number
  // boxes' rules); none for the name and key dialogs.
  MacroDialogView(
      Kind kind, const Captions& captions, const QFont& font,
      std::function<std::string(const std::string& previous, const std::string& typed)> correct,
      QWidget* parent);

  QLineEdit* Input() const { return input_; }
  SkinLabel* ConfirmButton() const { return confirm_; }
  // What was confirmed: the input's text, and for the key dialog the
  // virtual key of the key last pressed (0 for none).
  std::string Text() const;
  int VirtualKey() const { return virtual_key_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SkinLabel* AddButton(const QString& name, const QString& family, const QString& caption,
                       const QFont& font, const QRect& place);

  Kind kind_;
  QLineEdit* input_ = nullptr;
  SkinLabel* confirm_ = nullptr;
  int virtual_key_ = 0;
  std::string previous_;
};

}  // namespace orvane::ui
