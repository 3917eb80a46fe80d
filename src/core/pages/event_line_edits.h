#pragma once

#include <string>

#include "core/macro/macro_lines.h"

// The edits both event lists make to their lines (the macro page's and the
// fire editor's): which dialog a line opens, the lines a dialog or the
// insert panel makes, and deleting a row with its partner.
namespace orvane::pages {

// What a row's dialog edits.
enum class EditKind { kNone, kDelay, kPress, kRelease, kMoveX, kMoveY, kRepeat };

EditKind KindOfLine(const std::string& line);
// The key or button a press or release line names.
std::string KeyNameOfLine(const std::string& line);

std::string MoveLine(bool x, int value);  // value -128..127
std::string RepeatLine(int count);        // count 1..255
// The key dialog writes every key, Shift and the Windows keys too, as a
// plain key with its HID usage.
std::string DialogKeyLine(bool press, int virtual_key);

// Row `row` (line row + 1) deleted: a press with the next line naming its
// key, a release with the nearest earlier one. The row to select after.
struct RowDeletion {
  macro::MacroLines lines;
  int select_row = 0;
};
RowDeletion DeleteRow(const macro::MacroLines& lines, int row);

}  // namespace orvane::pages
