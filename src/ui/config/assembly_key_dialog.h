#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <string_view>

#include "core/config/assembly_key.h"

class QCheckBox;
class QLineEdit;

namespace orvane::ui {

// TForm2, the assembly-key dialog: the user presses a key in its edit box
// and ticks modifiers; Confirm hands the keyboard code over. The rules are
// the core's AssemblyKeyDialog; this is its skin.
class AssemblyKeyDialogView : public QDialog {
 public:
  using TextLookup = std::function<std::string(std::string_view key)>;

  AssemblyKeyDialogView(const TextLookup& text, const QFont& font, QWidget* parent);

  // The code text ("02" + modifiers + usage) once confirmed; empty otherwise.
  const std::string& Code() const { return code_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Redraw();

  config::AssemblyKeyDialog dialog_;
  QLineEdit* edit_ = nullptr;
  QCheckBox* boxes_[4] = {};
  std::string code_;
};

}  // namespace orvane::ui
