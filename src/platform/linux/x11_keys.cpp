#include "platform/linux/x11_keys.h"

#include <unordered_map>

namespace orvane::platform {

namespace {

const std::unordered_map<uint32_t, int>& KeysymTable() {
  static const std::unordered_map<uint32_t, int> kTable = {
      {0xff08, 8},       {0xff09, 9},       {0xff0d, 13},
      {0xff8d, 13},  // BackSpace Tab Return KP_Enter
      {0xffe1, 16},      {0xffe2, 16},      {0xffe3, 17},
      {0xffe4, 17},  // Shift, Control
      {0xffe9, 18},      {0xffea, 18},      {0xfe03, 18},
      {0xff13, 19},  // Alt, AltGr, Pause
      {0xffe5, 20},      {0xff1b, 27},      {0x0020, 32},
      {0xff55, 33},  // Caps Escape space Prior
      {0xff56, 34},      {0xff57, 35},      {0xff50, 36},
      {0xff51, 37},  // Next End Home Left
      {0xff52, 38},      {0xff53, 39},      {0xff54, 40},
      {0xff61, 44},  // Up Right Down Print
      {0xff63, 45},      {0xffff, 46},      {0xffeb, 91},
      {0xffec, 92},  // Insert Delete Super
      {0xff67, 93},      {0xffaa, 106},     {0xffab, 107},
      {0xffad, 109},  // Menu KP * + -
      {0xffae, 110},     {0xff9f, 110},     {0xffaf, 111},
      {0xff7f, 144},  // KP . / NumLock
      {0xff14, 145},     {0x003b, 186},     {0x003d, 187},
      {0x002c, 188},  // ScrollLock ; = ,
      {0x002d, 189},     {0x002e, 190},     {0x002f, 191},
      {0x0060, 192},  // - . / `
      {0x005b, 219},     {0x005c, 220},     {0x005d, 221},
      {0x0027, 222},  // [ \ ] '
      {0xff9e, 96},      {0xff9c, 97},      {0xff99, 98},
      {0xff9b, 99},  // keypad 0..3
      {0xff96, 100},     {0xff9d, 101},     {0xff98, 102},
      {0xff95, 103},                                            // keypad 4..7
      {0xff97, 104},     {0xff9a, 105},                         // keypad 8, 9
      {0x1008ff12, 173}, {0x1008ff11, 174}, {0x1008ff13, 175},  // mute, volume - +
      {0x1008ff17, 176}, {0x1008ff16, 177}, {0x1008ff15, 178},  // next, previous, stop
      {0x1008ff14, 179},                                        // play/pause
  };
  return kTable;
}

}  // namespace

int VirtualKeyOfKeysym(uint32_t keysym) {
  if (keysym >= 'a' && keysym <= 'z') return static_cast<int>(keysym - 'a' + 'A');
  if (keysym >= 'A' && keysym <= 'Z') return static_cast<int>(keysym);
  if (keysym >= '0' && keysym <= '9') return static_cast<int>(keysym);
  if (keysym >= 0xffb0 && keysym <= 0xffb9) return static_cast<int>(keysym - 0xffb0 + 96);
  if (keysym >= 0xffbe && keysym <= 0xffd5)
    return static_cast<int>(keysym - 0xffbe + 112);  // F1..F24
  const auto found = KeysymTable().find(keysym);
  return found == KeysymTable().end() ? 0 : found->second;
}

int MouseButtonOfX(int x_button) {
  switch (x_button) {
    case 1: return 0;
    case 3: return 1;
    case 2: return 2;
    case 9: return 3;
    case 8: return 4;
    default: return -1;
  }
}

}  // namespace orvane::platform
