#include "core/fire/gun_key_list.h"

#include <algorithm>

#include "core/macro/macro_library.h"
#include "platform/atomic_file.h"

namespace orvane::fire {

void GunKeyList::Load(const std::string& path) {
  const auto bytes = macro::ReadFileBytes(path, 3 * kEntries);
  LoadBytes(bytes ? std::span<const uint8_t>(*bytes) : std::span<const uint8_t>());
  loaded_ = bytes.has_value();
}

bool GunKeyList::ValidCode(const config::ActionCode& code) {
  return code[0] == 0x0C && code[1] >= 1 && code[1] <= code[2] && code[2] <= kFireSlots;
}

void GunKeyList::LoadBytes(std::span<const uint8_t> bytes) {
  entries_ = {};
  loaded_ = true;
  // Only fire-macro codes over slots that exist are taken: anything else in
  // the file would bind a button to memory that holds no fire macro.
  for (size_t i = 0; i + 3 <= bytes.size() && i < 3 * kEntries; i += 3) {
    const config::ActionCode code{bytes[i], bytes[i + 1], bytes[i + 2]};
    if (ValidCode(code)) entries_[i / 3] = code;
  }
}

bool GunKeyList::Save(const std::string& path, std::string* error) {
  if (!util::WriteFileAtomically(path, Bytes(), error)) return false;
  // The file exists now, as it will at the next start: codes are named by
  // their place in it from here on, as they will be then.
  loaded_ = true;
  return true;
}

int GunKeyList::Count() const {
  return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), Used));
}

bool GunKeyList::Add(int first_slot, int last_slot) {
  if (first_slot < 1 || first_slot > last_slot || last_slot > kFireSlots) return false;
  // The first free entry: with a list file that has gaps, "after the last
  // counted one" could be an entry in use.
  const auto free = std::find_if_not(entries_.begin(), entries_.end(), Used);
  if (free == entries_.end()) return false;
  *free = {0x0C, static_cast<uint8_t>(first_slot), static_cast<uint8_t>(last_slot)};
  return true;
}

std::optional<int> GunKeyList::EntryOfItem(int item) const {
  int seen = 0;
  for (int i = 0; i < kEntries; ++i) {
    if (Used(entries_[i]) && seen++ == item) return i;
  }
  return std::nullopt;
}

std::optional<int> GunKeyList::Delete(int item) {
  const auto entry = EntryOfItem(item);
  if (!entry) return std::nullopt;
  std::move(entries_.begin() + *entry + 1, entries_.end(), entries_.begin() + *entry);
  entries_.back() = {0, 0, 0};
  if (Count() == 0) return std::nullopt;
  return std::max(item - 1, 0);
}

std::optional<std::string> GunKeyList::CodeOfItem(int item) const {
  const auto entry = EntryOfItem(item);
  if (!entry) return std::nullopt;
  return config::CodeText(entries_[*entry]);
}

std::optional<std::pair<int, int>> GunKeyList::Select(int item) const {
  const auto entry = EntryOfItem(item);
  if (!entry) return std::nullopt;
  return std::make_pair(int{entries_[*entry][1]}, int{entries_[*entry][2]});
}

std::array<std::string, GunKeyList::kEntries> GunKeyList::Strings() const {
  std::array<std::string, kEntries> strings;
  for (int i = 0; i < kEntries; ++i)
    strings[i] = config::CodeText(entries_[i]);
  return strings;
}

std::vector<std::string> GunKeyList::ListLines() const {
  std::vector<std::string> lines;
  for (int i = 0; i < kEntries; ++i) {
    if (Used(entries_[i])) lines.push_back("Fire Macro" + std::to_string(i + 1));
  }
  return lines;
}

std::array<uint8_t, 3 * GunKeyList::kEntries> GunKeyList::Bytes() const {
  std::array<uint8_t, 3 * kEntries> bytes{};
  for (int i = 0; i < kEntries; ++i)
    std::copy(entries_[i].begin(), entries_[i].end(), bytes.begin() + 3 * i);
  return bytes;
}

}  // namespace orvane::fire
