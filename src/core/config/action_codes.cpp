#include "core/config/action_codes.h"

#include <cstdio>

#include "core/config/key_tables.h"

namespace orvane::config {

namespace {

struct MenuItem {
  int tag;
  std::string_view code;
  std::string_view name_key;
};

// The button menu, in the order naming tests its codes (AIM aside).
constexpr std::array<MenuItem, 33> kMenu = {{
    {900, "010100", "Str210"},  {901, "010200", "Str211"},  {902, "010400", "Str212"},
    {903, "010800", "Str213"},  {904, "011000", "Str214"},  {1000, "0600F0", "Str220"},
    {1001, "090000", "Str221"}, {1002, "0A", "Str222"},     {1003, "0D0000", "Str223"},
    {1004, "000000", "Str224"}, {1005, "0F0000", "Str225"}, {1006, "100000", "Str226"},
    {2000, "050000", "Str231"}, {2001, "070000", "Str232"}, {2002, "080000", "Str233"},
    {1100, "030194", "Str240"}, {1101, "030192", "Str241"}, {1102, "03018A", "Str242"},
    {1103, "020807", "Str243"}, {1300, "0300CD", "Str250"}, {1301, "0300B7", "Str251"},
    {1302, "0300B6", "Str252"}, {1303, "0300B5", "Str253"}, {1304, "0300E9", "Str254"},
    {1305, "0300EA", "Str255"}, {1306, "0300E2", "Str256"}, {1400, "030223", "Str260"},
    {1401, "030221", "Str261"}, {1402, "030224", "Str262"}, {1403, "030225", "Str263"},
    {1404, "030226", "Str264"}, {1405, "030227", "Str265"}, {1406, "03022A", "Str266"},
}};
constexpr int kAimTag = 1002;

// Fire macro codes with fixed names, used when no gun-key list is loaded.
constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kFireNames = {{
    {"0C0101", "Str600"},
    {"0C0202", "Str601"},
    {"0C0303", "Str602"},
    {"0C0404", "Str603"},
    {"0C0505", "Str604"},
    {"0C0606", "Str605"},
    {"0C0607", "Str605"},
    {"0C0808", "Str606"},
    {"0C0809", "Str606"},
    {"0C080A", "Str606"},
}};

std::string KeyboardName(const ActionCode& code) {
  std::string name;
  if (code[1] & 0x01) name += "Ctrl+";
  if (code[1] & 0x02) name += "Shift+";
  if (code[1] & 0x04) name += "Alt+";
  if (code[1] & 0x08) name += "Win+";
  if (code[2] != 0) name += GetKeyNameByUsage(code[2]);
  return name;
}

std::string ItemOrEmpty(const std::vector<std::string>& items, size_t index) {
  return index < items.size() ? items[index] : std::string();
}

std::string MacroReferenceName(const ActionCode& code, const NamingContext& context) {
  const uint16_t address = static_cast<uint16_t>(code[1] << 8 | code[2]);
  if (context.eeprom_mode) {
    for (size_t slot = 0; slot < kSlotPointers.size(); ++slot) {
      if (kSlotPointers[slot] == address) return ItemOrEmpty(context.macro_names, slot);
    }
    return {};
  }
  for (int k = 0; k < context.driver_macro_count; ++k) {
    if (DriverBlockPointer(k) == address) {
      return ItemOrEmpty(context.macro_names, static_cast<size_t>(k));
    }
  }
  return {};
}

std::string FireMacroName(std::string_view code, const NamingContext& context) {
  if (context.gun_key_list_loaded) {
    std::string name;
    for (size_t n = 0; n < context.gun_key_list.size(); ++n) {
      if (context.gun_key_list[n] == code) name = "Fire Macro" + std::to_string(n + 1);
    }
    return name;
  }
  for (const auto& [fire_code, key] : kFireNames) {
    if (fire_code == code) return context.text(key);
  }
  return {};
}

}  // namespace

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string HexByte(uint8_t byte) {
  char text[3];
  std::snprintf(text, sizeof(text), "%02X", byte);
  return text;
}

std::optional<ActionCode> CodeFromText(std::string_view text) {
  if (text.size() != 6) return std::nullopt;
  ActionCode code{};
  for (size_t i = 0; i < 3; ++i) {
    const int high = HexDigitValue(text[2 * i]);
    const int low = HexDigitValue(text[2 * i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    code[i] = static_cast<uint8_t>(high << 4 | low);
  }
  return code;
}

std::string CodeText(const ActionCode& code) {
  return HexByte(code[0]) + HexByte(code[1]) + HexByte(code[2]);
}

std::string GetCodeByTag(int tag, int aim_level) {
  if (tag == kAimTag) return "0A" + HexByte(static_cast<uint8_t>(aim_level)) + "00";
  for (const MenuItem& item : kMenu) {
    if (item.tag == tag) return std::string(item.code);
  }
  return {};
}

std::string MenuItemNameKey(int tag) {
  for (const MenuItem& item : kMenu) {
    if (item.tag == tag) return std::string(item.name_key);
  }
  return {};
}

std::string GetNameByCode(std::string_view code, const NamingContext& context) {
  for (const MenuItem& item : kMenu) {
    const bool aim = item.tag == kAimTag && code.substr(0, 2) == "0A";
    if (aim || code == item.code) return context.text(item.name_key);
  }
  const auto bytes = CodeFromText(code);
  if (!bytes) return {};
  switch ((*bytes)[0]) {
    case 0x02: return KeyboardName(*bytes);
    case 0x06:
    case 0x0E: return MacroReferenceName(*bytes, context);
    case 0x0C: return FireMacroName(code, context);
    default: return {};
  }
}

}  // namespace orvane::config
