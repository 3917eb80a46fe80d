#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Action codes: three bytes (type, two parameters) that say what a button
// does, held by the pages as six upper-case hex digits ("010100").
namespace orvane::config {

using ActionCode = std::array<uint8_t, 3>;

// "0A0B00" -> 0A 0B 00; nothing unless the text is exactly six hex digits.
std::optional<ActionCode> CodeFromText(std::string_view text);
std::string CodeText(const ActionCode& code);
std::string HexByte(uint8_t byte);
// 0..15 for a hex digit of either case, -1 for anything else.
int HexDigitValue(char c);

// The code of a button menu item; empty for a tag not in the menu.
std::string GetCodeByTag(int tag, int aim_level);
// The language key naming a button menu item; empty for a tag not in the menu.
std::string MenuItemNameKey(int tag);

// What naming a code needs from the window: the language table in use
// (key -> text), the application mode, the names in LB_MacroName, the size of
// the driver macro table and the gun-key list.
struct NamingContext {
  std::function<std::string(std::string_view key)> text;
  bool eeprom_mode = true;
  std::vector<std::string> macro_names;  // LB_MacroName, item 0 first
  int driver_macro_count = 0;
  bool gun_key_list_loaded = false;
  std::array<std::string, 10> gun_key_list;
};

std::string GetNameByCode(std::string_view code, const NamingContext& context);

// The six mouse macro slots' action-code pointers (slot 1..6).
constexpr std::array<uint16_t, 6> kSlotPointers = {0x0121, 0x0221, 0x0321, 0x0421, 0x0621, 0x0721};
// Driver macro block k's pointer.
constexpr uint32_t DriverBlockPointer(int k) { return 0x0120 + 2048u * static_cast<uint32_t>(k); }

}  // namespace orvane::config
