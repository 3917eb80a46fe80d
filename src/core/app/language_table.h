#pragma once

#include <array>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::app {

// One language table ("lang1".."lang3"): UTF-16 little-endian text, a
// byte-order mark optional, items split at spaces and line breaks with
// double-quoted runs kept whole; the first item is the section header, every
// other one "key=value". Texts are kept as UTF-8.
class LanguageTable {
 public:
  LanguageTable() = default;
  // `name` is the table's own section ("lang1"); keys under another header
  // are not found.
  static LanguageTable Parse(std::string name, std::span<const uint8_t> utf16le);

  // The text of `key`, or empty text when the table lacks it.
  std::string Text(std::string_view key) const;
  bool Has(std::string_view key) const;
  const std::string& Name() const { return name_; }
  size_t size() const { return texts_.size(); }

 private:
  std::string name_;
  std::map<std::string, std::string, std::less<>> texts_;
};

// The embedded language table n (1..3); an empty table when it is missing.
LanguageTable ShippedLanguage(int n);

// Splits text into items as the table format does.
std::vector<std::string> SplitLanguageItems(std::string_view text);
// UTF-16LE bytes (an odd last byte ignored) to UTF-8.
std::string Utf16LeToUtf8(std::span<const uint8_t> bytes);

// FindTextKey: the key "Str0".."Str700" of any of the tables (in order 1, 2,
// 3) whose text equals `caption`; the last match wins. An empty caption has
// no key (every missing key would otherwise "match" it).
std::string FindTextKey(std::string_view caption, std::span<const LanguageTable> tables);

}  // namespace orvane::app
