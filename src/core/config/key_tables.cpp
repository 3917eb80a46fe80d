#include "core/config/key_tables.h"

#include <array>
#include <string_view>

namespace orvane::config {

namespace {

struct KeyRow {
  uint8_t vk;
  uint8_t index;
  std::string_view name;
  uint8_t usage;
};

// One row per key index 2..143, in index order.
constexpr std::array<KeyRow, 142> kKeys = {{
    {0xFF, 2, "255", 0},
    {0x08, 3, "Backspace", 0x2A},
    {0x09, 4, "Tab", 0x2B},
    {0x0C, 5, "Clear", 0x9C},
    {0x0D, 6, "Enter", 0x28},
    {0x10, 7, "Shift", 0xE1},
    {0x11, 8, "Ctrl", 0xE0},
    {0x12, 9, "Alt", 0xE2},
    {0x13, 10, "Pause", 0x48},
    {0x14, 11, "Caps Lock", 0x39},
    {0x1B, 12, "Esc", 0x29},
    {0x20, 13, "Space bar", 0x2C},
    {0x21, 14, "Page Up", 0x4B},
    {0x22, 15, "Page Down", 0x4E},
    {0x23, 16, "End", 0x4D},
    {0x24, 17, "Home", 0x4A},
    {0x25, 18, "Left Arrow", 0x50},
    {0x26, 19, "Up Arrow", 0x52},
    {0x27, 20, "Right Arrow", 0x4F},
    {0x28, 21, "Down Arrow", 0x51},
    {0x29, 22, "Select", 0x77},
    {0x2C, 23, "Print Screen", 0x46},
    {0x2D, 24, "Insert", 0x49},
    {0x2E, 25, "Delete", 0x4C},
    {0x2F, 26, "Help", 0x75},
    {0x5B, 27, "Left Windows", 0xE3},
    {0x5C, 28, "Right Windows", 0xE7},
    {0x5D, 29, "Applications", 0x65},
    {0x60, 30, "0 (numeric pad)", 0x62},
    {0x61, 31, "1 (numeric pad)", 0x59},
    {0x62, 32, "2 (numeric pad)", 0x5A},
    {0x63, 33, "3 (numeric pad)", 0x5B},
    {0x64, 34, "4 (numeric pad)", 0x5C},
    {0x65, 35, "5 (numeric pad)", 0x5D},
    {0x66, 36, "6 (numeric pad)", 0x5E},
    {0x67, 37, "7 (numeric pad)", 0x5F},
    {0x68, 38, "8 (numeric pad)", 0x60},
    {0x69, 39, "9 (numeric pad)", 0x61},
    {0x6A, 40, "Multiply (numeric pad)", 0x55},
    {0x6B, 41, "Add (numeric pad)", 0x57},
    {0x6C, 42, "Separator (numeric pad)", 0x58},
    {0x6D, 43, "Subtract (numeric pad)", 0x56},
    {0x6E, 44, "Decimal (numeric pad)", 0x63},
    {0x6F, 45, "Divide (numeric pad)", 0x54},
    {0x70, 46, "F1", 0x3A},
    {0x71, 47, "F2", 0x3B},
    {0x72, 48, "F3", 0x3C},
    {0x73, 49, "F4", 0x3D},
    {0x74, 50, "F5", 0x3E},
    {0x75, 51, "F6", 0x3F},
    {0x76, 52, "F7", 0x40},
    {0x77, 53, "F8", 0x41},
    {0x78, 54, "F9", 0x42},
    {0x79, 55, "F10", 0x43},
    {0x7A, 56, "F11", 0x44},
    {0x7B, 57, "F12", 0x45},
    {0x7C, 58, "F13", 0x68},
    {0x7D, 59, "F14", 0x69},
    {0x7E, 60, "F15", 0x6A},
    {0x7F, 61, "F16", 0x6B},
    {0x80, 62, "F17", 0x6C},
    {0x81, 63, "F18", 0x6D},
    {0x82, 64, "F19", 0x6E},
    {0x83, 65, "F20", 0x6F},
    {0x84, 66, "F21", 0x70},
    {0x85, 67, "F22", 0x71},
    {0x86, 68, "F23", 0x72},
    {0x87, 69, "F24", 0x73},
    {0x90, 70, "Num Lock", 0x53},
    {0x91, 71, "Scroll Lock", 0x47},
    {0xA0, 72, "Left Shift", 0xE1},
    {0xA1, 73, "Right Shift", 0xE5},
    {0xA2, 74, "Left Ctrl", 0xE0},
    {0xA3, 75, "Right Ctrl", 0xE4},
    {0xA4, 76, "Left Alt", 0xE2},
    {0xA5, 77, "Right Alt", 0xE6},
    {0x41, 78, "A", 0x04},
    {0x42, 79, "B", 0x05},
    {0x43, 80, "C", 0x06},
    {0x44, 81, "D", 0x07},
    {0x45, 82, "E", 0x08},
    {0x46, 83, "F", 0x09},
    {0x47, 84, "G", 0x0A},
    {0x48, 85, "H", 0x0B},
    {0x49, 86, "I", 0x0C},
    {0x4A, 87, "J", 0x0D},
    {0x4B, 88, "K", 0x0E},
    {0x4C, 89, "L", 0x0F},
    {0x4D, 90, "M", 0x10},
    {0x4E, 91, "N", 0x11},
    {0x4F, 92, "O", 0x12},
    {0x50, 93, "P", 0x13},
    {0x51, 94, "Q", 0x14},
    {0x52, 95, "R", 0x15},
    {0x53, 96, "S", 0x16},
    {0x54, 97, "T", 0x17},
    {0x55, 98, "U", 0x18},
    {0x56, 99, "V", 0x19},
    {0x57, 100, "W", 0x1A},
    {0x58, 101, "X", 0x1B},
    {0x59, 102, "Y", 0x1C},
    {0x5A, 103, "Z", 0x1D},
    {0x30, 104, "0", 0x27},
    {0x31, 105, "1", 0x1E},
    {0x32, 106, "2", 0x1F},
    {0x33, 107, "3", 0x20},
    {0x34, 108, "4", 0x21},
    {0x35, 109, "5", 0x22},
    {0x36, 110, "6", 0x23},
    {0x37, 111, "7", 0x24},
    {0x38, 112, "8", 0x25},
    {0x39, 113, "9", 0x26},
    {0xBA, 114, "OEM_1", 0x33},
    {0xBF, 115, "OEM_2", 0x38},
    {0xC0, 116, "OEM_3", 0x35},
    {0xDB, 117, "OEM_4", 0x2F},
    {0xDC, 118, "OEM_5", 0x31},
    {0xDD, 119, "OEM_6", 0x30},
    {0xDE, 120, "OEM_7", 0x34},
    {0xDF, 121, "OEM_8", 0},
    {0xBB, 122, "OEM_Plus", 0x2E},
    {0xBC, 123, "OEM_Comma", 0x36},
    {0xBD, 124, "OEM_Minus", 0x2D},
    {0xBE, 125, "OEM_Period", 0x37},
    {0xA6, 126, "Browser_Back", 0xCA},
    {0xA7, 127, "Browser_Forward", 0xCB},
    {0xA8, 128, "Browser_Refresh", 0xCD},
    {0xA9, 129, "Browser_Stop", 0xCC},
    {0xAA, 130, "Browser_Search", 0xC8},
    {0xAB, 131, "Browser_Favorites", 0xCE},
    {0xAC, 132, "Browser_Home", 0xC9},
    {0xAD, 133, "Volume_Mute", 0xC4},
    {0xAE, 134, "Volume_Down", 0xC6},
    {0xAF, 135, "Volume_Up", 0xC5},
    {0xB0, 136, "Media_Next_Track", 0xC0},
    {0xB1, 137, "Media_Prev_Track", 0xC1},
    {0xB2, 138, "Media_Stop", 0xC2},
    {0xB3, 139, "Media_Play_Pause", 0xC3},
    {0xB4, 140, "Launch_Mail", 0xC7},
    {0xB5, 141, "Launch_Media_Select", 0xD1},
    {0xB6, 142, "Launch_App1", 0},
    {0xB7, 143, "Launch_App2", 0},
}};

const KeyRow* RowOfIndex(int index) {
  if (index < 2 || index > 143) return nullptr;
  return &kKeys[static_cast<size_t>(index - 2)];
}

}  // namespace

int GetKeyIndexByVK(int vk) {
  for (const KeyRow& row : kKeys) {
    if (row.vk == vk) return row.index;
  }
  return 0;
}

std::string GetKeyNameByIndex(int index) {
  if (index == 0) return "None";
  const KeyRow* row = RowOfIndex(index);
  return row ? std::string(row->name) : std::string();
}

uint8_t GetUsageByKeyIndex(int index) {
  const KeyRow* row = RowOfIndex(index);
  return row ? row->usage : 0;
}

std::string GetKeyNameByUsage(uint8_t usage) {
  // The generic modifiers name as their left-hand keys, and both Windows
  // keys as "Win".
  switch (usage) {
    case 0: return {};
    case 0xE0: return "Left Ctrl";
    case 0xE1: return "Left Shift";
    case 0xE2: return "Left Alt";
    case 0xE3:
    case 0xE7: return "Win";
    default: break;
  }
  for (const KeyRow& row : kKeys) {
    if (row.usage == usage) return std::string(row.name);
  }
  return {};
}

}  // namespace orvane::config
