#include "core/pages/event_line_edits.h"

#include <algorithm>
#include <cstdio>

#include "core/config/key_tables.h"

namespace orvane::pages {

namespace {

std::string Hex(int byte) {
  char text[3];
  std::snprintf(text, sizeof(text), "%02X", byte & 0xFF);
  return text;
}

}  // namespace

std::string KeyNameOfLine(const std::string& line) {
  return line.size() >= 13 ? line.substr(2, line.size() - 12) : std::string();
}

EditKind KindOfLine(const std::string& line) {
  switch (line.empty() ? ' ' : line[0]) {
    case '0': return EditKind::kDelay;
    case '1': return EditKind::kPress;
    case '2': return EditKind::kRelease;
    case '3':
    case '4': return EditKind::kMoveX;
    case '5':
    case '6': return EditKind::kMoveY;
    case '7': return EditKind::kRepeat;
    default: return EditKind::kNone;
  }
}

std::string MoveLine(bool x, int value) {
  const char* kind = x ? (value >= 0 ? "3 FB" : "4 FB") : (value >= 0 ? "5 FA" : "6 FA");
  return kind + Hex(value < 0 ? value + 256 : value);
}

std::string RepeatLine(int count) { return "7 FD" + Hex(count - 1); }

std::string DialogKeyLine(bool press, int virtual_key) {
  const int index = config::GetKeyIndexByVK(virtual_key);
  return std::string(press ? "1 " : "2 ") + config::GetKeyNameByIndex(index) +
         " CODE:" + (press ? "82" : "02") + Hex(config::GetUsageByKeyIndex(index));
}

RowDeletion DeleteRow(const macro::MacroLines& source, int row) {
  RowDeletion result{source, std::max(row - 1, 0)};
  macro::MacroLines& lines = result.lines;
  const size_t at = static_cast<size_t>(row) + 1;
  const std::string line = lines[at];
  const std::string name = KeyNameOfLine(line);
  if (line[0] == '1') {
    // A press goes with the next line that names its key.
    for (size_t j = at + 1; j < lines.size(); ++j) {
      if (KeyNameOfLine(lines[j]) != name) continue;
      lines.erase(lines.begin() + static_cast<long>(j));
      break;
    }
  } else if (line[0] == '2') {
    // A release goes with the nearest line before it that names its key.
    for (size_t j = at - 1; j >= 1; --j) {
      if (KeyNameOfLine(lines[j]) != name) continue;
      lines.erase(lines.begin() + static_cast<long>(at));
      lines.erase(lines.begin() + static_cast<long>(j));
      result.select_row = std::max(row - 2, 0);
      return result;
    }
  }
  lines.erase(lines.begin() + static_cast<long>(at));
  return result;
}

}  // namespace orvane::pages
