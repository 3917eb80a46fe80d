#pragma once

#include <cstdint>
#include <string>

// The assembly-key dialog without its widgets: the Qt dialog forwards key
// presses and check-box clicks here and shows Text().
namespace orvane::config {

enum class Modifier { kCtrl, kShift, kAlt, kWin };

class AssemblyKeyDialog {
 public:
  // A key pressed in the edit box. `modifier_held`: Shift, Ctrl or Alt is
  // down, which swallows the key (modifiers come from the check boxes only).
  void KeyDown(int vk, bool modifier_held);
  // A check box clicked; `checked` is its new state.
  void ModifierClicked(Modifier modifier, bool checked);

  struct Result {
    std::string name;  // AssemblyKeyName
    std::string code;  // AssemblyKeyCode
  };
  Result Confirm() const;
  void Clear();

  const std::string& Text() const { return text_; }
  bool Checked(Modifier modifier) const { return checked_[static_cast<int>(modifier)]; }
  bool KeyTaken() const { return key_taken_; }
  uint8_t TakenKeyUsage() const { return taken_usage_; }

 private:
  std::string ModifierText() const;
  uint8_t ModifierBits() const;

  bool checked_[4] = {};
  bool key_taken_ = false;
  std::string taken_name_;
  uint8_t taken_usage_ = 0;
  std::string text_;
};

}  // namespace orvane::config
