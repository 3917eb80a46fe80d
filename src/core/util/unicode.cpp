#include "core/util/unicode.h"

namespace orvane::util {

namespace {

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// One character from UTF-8 at `i`: its code point (U+FFFD for a malformed
// sequence) and how many bytes it took.
size_t DecodeUtf8At(const std::string& text, size_t i, uint32_t& cp) {
  const auto lead = static_cast<uint8_t>(text[i]);
  cp = 0xFFFD;
  if (lead < 0x80) {
    cp = lead;
    return 1;
  }
  const size_t extra = (lead & 0xE0) == 0xC0   ? 1
                       : (lead & 0xF0) == 0xE0 ? 2
                       : (lead & 0xF8) == 0xF0 ? 3
                                               : 0;
  if (extra == 0 || i + extra >= text.size()) return 1;
  uint32_t value = lead & (0x3F >> extra);
  for (size_t k = 1; k <= extra; ++k) {
    const auto next = static_cast<uint8_t>(text[i + k]);
    if ((next & 0xC0) != 0x80) return 1;
    value = value << 6 | (next & 0x3F);
  }
  if (value <= 0x10FFFF && (value < 0xD800 || value >= 0xE000)) cp = value;
  return extra + 1;
}

}  // namespace

std::vector<uint16_t> Utf8ToUtf16(const std::string& text) {
  std::vector<uint16_t> units;
  for (size_t i = 0; i < text.size();) {
    uint32_t cp = 0;
    i += DecodeUtf8At(text, i, cp);
    if (cp >= 0x10000) {
      units.push_back(static_cast<uint16_t>(0xD800 + ((cp - 0x10000) >> 10)));
      units.push_back(static_cast<uint16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      units.push_back(static_cast<uint16_t>(cp));
    }
  }
  return units;
}

std::string Utf16ToUtf8(std::span<const uint16_t> units) {
  std::string text;
  for (size_t i = 0; i < units.size(); ++i) {
    uint32_t unit = units[i];
    if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] < 0xE000) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00u);
      ++i;
    }
    if (unit >= 0xD800 && unit < 0xE000) unit = 0xFFFD;  // a lone surrogate
    AppendUtf8(text, unit);
  }
  return text;
}

}  // namespace orvane::util
