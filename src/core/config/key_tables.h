#pragma once

#include <cstdint>
#include <string>

// Windows virtual-key codes, this program's own key indexes (0..143), key
// names, and key usages (the HID keyboard usage, or 0xC0..0xD1 for the media
// and browser keys). Shared by the assembly-key dialog and the macros.
namespace orvane::config {

int GetKeyIndexByVK(int vk);                   // 0 for a virtual key not in the table
std::string GetKeyNameByIndex(int index);      // "None" for 0; empty outside the table
uint8_t GetUsageByKeyIndex(int index);         // 0 where the key has none
std::string GetKeyNameByUsage(uint8_t usage);  // empty for a usage not in the table

}  // namespace orvane::config
