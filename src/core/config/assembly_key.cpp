#include "core/config/assembly_key.h"

#include "core/config/action_codes.h"
#include "core/config/key_tables.h"

namespace orvane::config {

namespace {

constexpr const char* kModifierWords[4] = {"Ctrl", "Shift", "Alt", "Win"};
constexpr int kLeftWindows = 0x5B;
constexpr int kRightWindows = 0x5C;

}  // namespace

std::string AssemblyKeyDialog::ModifierText() const {
  std::string text;
  for (int m = 0; m < 4; ++m) {
    if (!checked_[m]) continue;
    if (!text.empty()) text += "+";
    text += kModifierWords[m];
  }
  return text;
}

uint8_t AssemblyKeyDialog::ModifierBits() const {
  uint8_t bits = 0;
  for (int m = 0; m < 4; ++m) {
    if (checked_[m]) bits = static_cast<uint8_t>(bits | (1u << m));
  }
  return bits;
}

void AssemblyKeyDialog::KeyDown(int vk, bool modifier_held) {
  if (key_taken_) {
    taken_name_.clear();
    taken_usage_ = 0;
    text_ = ModifierText();
    key_taken_ = false;
  }
  if (vk == kLeftWindows || vk == kRightWindows || modifier_held) return;
  const int index = GetKeyIndexByVK(vk);
  taken_name_ = GetKeyNameByIndex(index);
  text_ = text_.empty() ? taken_name_ : text_ + "+" + taken_name_;
  taken_usage_ = GetUsageByKeyIndex(index);
  key_taken_ = true;
}

void AssemblyKeyDialog::ModifierClicked(Modifier modifier, bool checked) {
  checked_[static_cast<int>(modifier)] = checked;
  if (checked) {
    text_ = key_taken_ ? ModifierText() + "+" + taken_name_ : ModifierText();
    return;
  }
  if (text_.empty()) return;
  const std::string word = kModifierWords[static_cast<int>(modifier)];
  if (text_.rfind(word, 0) == 0) {
    text_.erase(0, text_ == word ? word.size() : word.size() + 1);
  } else if (const auto at = text_.find("+" + word); at != std::string::npos) {
    text_.erase(at, word.size() + 1);
  }
}

AssemblyKeyDialog::Result AssemblyKeyDialog::Confirm() const {
  return {text_, "02" + HexByte(ModifierBits()) + HexByte(taken_usage_)};
}

void AssemblyKeyDialog::Clear() { *this = AssemblyKeyDialog(); }

}  // namespace orvane::config
