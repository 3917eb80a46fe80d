#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::app {

// The embedded layout and product tables: "[section]" lines, "key = value"
// lines (spaces around key, "=" and value do not count), ";" comments. Keys
// and sections match without regard to case.
class IniTable {
 public:
  static IniTable Parse(std::string_view text);

  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // The value as a decimal integer ("0255" reads 255). A missing or
  // non-numeric value reads 0 rather than anything left over.
  int Integer(std::string_view section, std::string_view key) const;
  bool Has(std::string_view section, std::string_view key) const;
  std::vector<std::string> Keys(std::string_view section) const;

 private:
  static std::string Folded(std::string_view text);
  std::map<std::string, std::map<std::string, std::string>> sections_;
  std::map<std::string, std::vector<std::string>> key_order_;
};

}  // namespace orvane::app
