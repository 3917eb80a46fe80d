#include "ui/app/virtual_keys.h"

#include <QKeyEvent>
#include <map>

namespace orvane::ui {

namespace {

const std::map<int, int>& NamedKeys() {
  static const std::map<int, int> keys = {
      {Qt::Key_Backspace, 0x08},   {Qt::Key_Tab, 0x09},        {Qt::Key_Return, 0x0D},
      {Qt::Key_Enter, 0x0D},       {Qt::Key_Shift, 0x10},      {Qt::Key_Control, 0x11},
      {Qt::Key_Alt, 0x12},         {Qt::Key_Pause, 0x13},      {Qt::Key_CapsLock, 0x14},
      {Qt::Key_Escape, 0x1B},      {Qt::Key_Space, 0x20},      {Qt::Key_PageUp, 0x21},
      {Qt::Key_PageDown, 0x22},    {Qt::Key_End, 0x23},        {Qt::Key_Home, 0x24},
      {Qt::Key_Left, 0x25},        {Qt::Key_Up, 0x26},         {Qt::Key_Right, 0x27},
      {Qt::Key_Down, 0x28},        {Qt::Key_Print, 0x2C},      {Qt::Key_Insert, 0x2D},
      {Qt::Key_Delete, 0x2E},      {Qt::Key_Meta, 0x5B},       {Qt::Key_Menu, 0x5D},
      {Qt::Key_NumLock, 0x90},     {Qt::Key_ScrollLock, 0x91}, {Qt::Key_Semicolon, 0xBA},
      {Qt::Key_Equal, 0xBB},       {Qt::Key_Comma, 0xBC},      {Qt::Key_Minus, 0xBD},
      {Qt::Key_Period, 0xBE},      {Qt::Key_Slash, 0xBF},      {Qt::Key_QuoteLeft, 0xC0},
      {Qt::Key_BracketLeft, 0xDB}, {Qt::Key_Backslash, 0xDC},  {Qt::Key_BracketRight, 0xDD},
      {Qt::Key_Apostrophe, 0xDE},
  };
  return keys;
}

const std::map<int, int>& KeypadKeys() {
  static const std::map<int, int> keys = {
      {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},  {Qt::Key_Minus, 0x6D},
      {Qt::Key_Period, 0x6E},   {Qt::Key_Slash, 0x6F}, {Qt::Key_Enter, 0x0D},
  };
  return keys;
}

}  // namespace

int VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  if (event.modifiers() & Qt::KeypadModifier) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 0x60 + (key - Qt::Key_0);
    if (const auto found = KeypadKeys().find(key); found != KeypadKeys().end()) {
      return found->second;
    }
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 0x41 + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return 0x30 + (key - Qt::Key_0);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 0x70 + (key - Qt::Key_F1);
  const auto found = NamedKeys().find(key);
  return found == NamedKeys().end() ? 0 : found->second;
}

}  // namespace orvane::ui
