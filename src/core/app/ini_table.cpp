#include "core/app/ini_table.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace orvane::app {

namespace {

std::string_view Trimmed(std::string_view text) {
  const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && space(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && space(text.back()))
    text.remove_suffix(1);
  return text;
}

}  // namespace

std::string IniTable::Folded(std::string_view text) {
  std::string folded(text);
  std::transform(folded.begin(), folded.end(), folded.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return folded;
}

IniTable IniTable::Parse(std::string_view text) {
  IniTable table;
  std::string section;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = Folded(Trimmed(line.substr(1, line.size() - 2)));
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;  // banners and other text carry no key
    const std::string key = Folded(Trimmed(line.substr(0, equals)));
    auto& keys = table.sections_[section];
    if (keys.find(key) == keys.end())
      table.key_order_[section].push_back(std::string(Trimmed(line.substr(0, equals))));
    keys[key] = std::string(Trimmed(line.substr(equals + 1)));
  }
  return table;
}

std::optional<std::string> IniTable::Value(std::string_view section, std::string_view key) const {
  const auto found_section = sections_.find(Folded(section));
  if (found_section == sections_.end()) return std::nullopt;
  const auto found = found_section->second.find(Folded(key));
  if (found == found_section->second.end()) return std::nullopt;
  return found->second;
}

int IniTable::Integer(std::string_view section, std::string_view key) const {
  const auto value = Value(section, key);
  if (!value || value->empty()) return 0;
  char* end = nullptr;
  errno = 0;
  const long number = std::strtol(value->c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || number < INT_MIN || number > INT_MAX) return 0;
  return static_cast<int>(number);
}

bool IniTable::Has(std::string_view section, std::string_view key) const {
  return Value(section, key).has_value();
}

std::vector<std::string> IniTable::Keys(std::string_view section) const {
  const auto found = key_order_.find(Folded(section));
  return found == key_order_.end() ? std::vector<std::string>() : found->second;
}

}  // namespace orvane::app
