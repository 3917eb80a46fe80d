#pragma once

#include <string>
#include <string_view>

namespace orvane::app {

constexpr int kEngineerCaptionRows = 139;

// Row 0..138 of the engineer page's caption table in English or Simplified
// Chinese; empty text for a row outside the table.
std::string EngineerCaption(int row, bool chinese);

// Simplified Chinese for a Linux locale name of zh_CN ("zh_CN.UTF-8"), or a
// Windows locale id of 2052.
bool ChineseEngineerCaptions(std::string_view locale_name);
bool ChineseEngineerCaptions(int windows_locale_id);

}  // namespace orvane::app
