#include "core/app/language_table.h"

#include "core/resources/resources.h"
#include "core/util/unicode.h"

namespace orvane::app {

std::string Utf16LeToUtf8(std::span<const uint8_t> bytes) {
  std::vector<uint16_t> units(bytes.size() / 2);
  for (size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<uint16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
  }
  return util::Utf16ToUtf8(units);
}

std::vector<std::string> SplitLanguageItems(std::string_view text) {
  std::vector<std::string> items;
  size_t i = 0;
  const auto separator = [](char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; };
  while (i < text.size()) {
    while (i < text.size() && separator(text[i]))
      ++i;
    if (i >= text.size()) break;
    std::string item;
    if (text[i] == '"') {
      // A quoted run; a doubled quote inside stands for one quote.
      for (++i; i < text.size(); ++i) {
        if (text[i] != '"') {
          item += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
          item += '"';
          ++i;
        } else {
          ++i;
          break;
        }
      }
    } else {
      while (i < text.size() && !separator(text[i]))
        item += text[i++];
    }
    items.push_back(std::move(item));
  }
  return items;
}

LanguageTable LanguageTable::Parse(std::string name, std::span<const uint8_t> utf16le) {
  LanguageTable table;
  table.name_ = std::move(name);
  if (utf16le.size() >= 2 && utf16le[0] == 0xFF && utf16le[1] == 0xFE) utf16le = utf16le.subspan(2);
  const std::vector<std::string> items = SplitLanguageItems(Utf16LeToUtf8(utf16le));
  if (items.empty() || items.front() != "[" + table.name_ + "]") return table;
  for (size_t i = 1; i < items.size(); ++i) {
    const size_t equals = items[i].find('=');
    if (equals == std::string::npos) continue;
    table.texts_.emplace(items[i].substr(0, equals), items[i].substr(equals + 1));
  }
  return table;
}

std::string LanguageTable::Text(std::string_view key) const {
  const auto found = texts_.find(key);
  return found == texts_.end() ? std::string() : found->second;
}

bool LanguageTable::Has(std::string_view key) const { return texts_.find(key) != texts_.end(); }

std::string FindTextKey(std::string_view caption, std::span<const LanguageTable> tables) {
  if (caption.empty()) return {};
  std::string key;
  for (const LanguageTable& table : tables) {
    for (int n = 0; n <= 700; ++n) {
      const std::string candidate = "Str" + std::to_string(n);
      if (table.Has(candidate) && table.Text(candidate) == caption) key = candidate;
    }
  }
  return key;
}

LanguageTable ShippedLanguage(int n) {
  const std::string name = "lang" + std::to_string(n);
  const auto bytes = resources::FindResource(name);
  return bytes ? LanguageTable::Parse(name, *bytes) : LanguageTable();
}

}  // namespace orvane::app
