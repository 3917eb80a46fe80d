#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/config/action_codes.h"

namespace orvane::fire {

// GunKeyList: up to ten fire-macro codes (0x0C, first slot, last slot) kept
// in "Orvane Fire Macro.bin" (30 bytes) in the program's own folder.
class GunKeyList {
 public:
  static constexpr int kEntries = 10;
  static constexpr const char* kFileName = "Orvane Fire Macro.bin";

  // LoadGunKeyList; a missing file leaves the list empty and not loaded. A
  // short file fills only what it holds; an entry that is not 0C a b with
  // 1 <= a <= b <= 10 is taken as unused.
  void Load(const std::string& path);
  // The list from the file's bytes (the first 30 count).
  void LoadBytes(std::span<const uint8_t> bytes);
  // Once saved, the list counts as loaded: its file exists.
  bool Save(const std::string& path, std::string* error);

  // A new entry 0C first last at the first unused entry; false when the list
  // is full or the slots are not 1 <= first <= last <= 10.
  bool Add(int first_slot, int last_slot);
  // Removes listed item `item`; the item to select afterwards, if any remain.
  std::optional<int> Delete(int item);
  // The code text of listed item `item`.
  std::optional<std::string> CodeOfItem(int item) const;
  // The first and last slot of listed item `item`.
  std::optional<std::pair<int, int>> Select(int item) const;

  bool Loaded() const { return loaded_; }
  int Count() const;
  // The ten entries as code texts ("000000" when unused).
  std::array<std::string, kEntries> Strings() const;
  // "Fire Macro" + position for every used entry.
  std::vector<std::string> ListLines() const;
  std::array<uint8_t, 3 * kEntries> Bytes() const;

 private:
  static constexpr int kFireSlots = 10;
  static bool Used(const config::ActionCode& code) { return code != config::ActionCode{0, 0, 0}; }
  static bool ValidCode(const config::ActionCode& code);
  std::optional<int> EntryOfItem(int item) const;

  std::array<config::ActionCode, kEntries> entries_{};
  bool loaded_ = false;
};

}  // namespace orvane::fire
