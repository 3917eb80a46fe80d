#include "core/macro/macro_lines.h"

#include <algorithm>
#include <array>
#include <limits>

#include "core/config/action_codes.h"
#include "core/config/key_tables.h"
#include "core/config/parameter_fields.h"

namespace orvane::macro {

namespace {

using config::HexByte;

struct NamedBit {
  uint8_t bit;
  const char* name;
};
constexpr std::array<NamedBit, 5> kButtons = {{
    {0x01, "LeftKey"},
    {0x02, "RightKey"},
    {0x04, "MiddleKey"},
    {0x08, "Forward"},
    {0x10, "Backward"},
}};

constexpr std::array<NamedBit, 5> kModifiers = {{
    {0x01, "Ctrl"},
    {0x02, "Shift"},
    {0x04, "Alt"},
    {0x08, "Left Windows"},
    {0x80, "Right Windows"},
}};

// "00A1" -> A1; "82 04" style digits -> 82 04; nothing on a bad digit.
bool AppendLineBytes(const std::string& line, std::vector<uint8_t>& bytes) {
  if (line.size() < 4) return false;
  std::string digits = line.substr(line.size() - 4);
  if (digits.rfind("00", 0) == 0) digits.erase(0, 2);
  std::vector<uint8_t> parsed;
  for (size_t i = 0; i + 1 < digits.size(); i += 2) {
    const int high = config::HexDigitValue(digits[i]);
    const int low = config::HexDigitValue(digits[i + 1]);
    if (high < 0 || low < 0) return false;
    parsed.push_back(static_cast<uint8_t>(high << 4 | low));
  }
  bytes.insert(bytes.end(), parsed.begin(), parsed.end());
  return true;
}

const char* ModifierNameOf(uint8_t bit) {
  for (const NamedBit& modifier : kModifiers) {
    if (modifier.bit == bit) return modifier.name;
  }
  return nullptr;
}

std::string SignedMoveLine(uint8_t event, uint8_t value) {
  const bool x = event == kMoveX;
  const char* type = value < 0x80 ? (x ? "3 " : "5 ") : (x ? "4 " : "6 ");
  return std::string(type) + HexByte(event) + HexByte(value);
}

// A delay line's milliseconds. A number too long for 64 bits is still a
// number: the longest delay there is, which the size check then refuses,
// never 0 ms.
int64_t DelayOfLine(const std::string& line) {
  const std::string text = line.size() > 2 ? line.substr(2) : "";
  if (const auto ms = config::ParseDecimal(text)) return *ms;
  const bool digits = !text.empty() && std::all_of(text.begin(), text.end(),
                                                   [](char c) { return c >= '0' && c <= '9'; });
  return digits ? std::numeric_limits<int64_t>::max() : 0;
}

}  // namespace

void AppendDelay(std::vector<uint8_t>& bytes, int64_t ms) {
  ms = std::max<int64_t>(ms, 0);
  // A typed delay can be any number; past what the largest form (a driver
  // block, 2012 event bytes) holds the list is refused anyway, so the pairs
  // stop there instead of filling memory.
  constexpr int64_t kMostPairs = 1007;
  for (int64_t whole = std::min<int64_t>(ms / kLongestDelayEventMs, kMostPairs); whole > 0;
       --whole) {
    bytes.push_back(kDelay);
    bytes.push_back(0xFF);
  }
  const int64_t rest = ms % kLongestDelayEventMs;
  if (rest > 0 || ms == 0) {
    bytes.push_back(kDelay);
    bytes.push_back(static_cast<uint8_t>(rest / kDelayUnitMs));
  }
}

std::vector<uint8_t> EncodeEventLines(const MacroLines& lines) {
  std::vector<uint8_t> bytes;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (!line.empty() && line[0] == '0') {
      AppendDelay(bytes, DelayOfLine(line));
    } else {
      AppendLineBytes(line, bytes);
    }
  }
  return bytes;
}

std::string ButtonLine(uint8_t event) {
  for (const NamedBit& button : kButtons) {
    if (event == (0xA0 | button.bit))
      return std::string("1 ") + button.name + " CODE:00" + HexByte(event);
    if (event == (0x20 | button.bit))
      return std::string("2 ") + button.name + " CODE:00" + HexByte(event);
  }
  return {};
}

std::string DelayLine(int64_t ms) { return "0 " + std::to_string(ms); }

MacroLines DecodeEventBytes(std::span<const uint8_t> events, bool merge_delays) {
  MacroLines lines;
  size_t i = 0;
  while (i < events.size()) {
    const uint8_t event = events[i];
    if (std::string button = ButtonLine(event); !button.empty()) {
      lines.push_back(std::move(button));
      ++i;
      continue;
    }
    if (event == kRepeatEnd) {
      lines.push_back("8 00FC");
      ++i;
      continue;
    }
    if (i + 1 >= events.size()) break;  // an operand cut off by the end
    const uint8_t value = events[i + 1];
    const char* down_up = (event & 0x80) ? "1 " : "2 ";
    if (event == kModifierDown || event == kModifierUp) {
      const char* name = ModifierNameOf(value);
      if (name == nullptr) break;
      lines.push_back(std::string(down_up) + name + " CODE:" + HexByte(event) + HexByte(value));
    } else if (event == kKeyDown || event == kKeyUp) {
      lines.push_back(std::string(down_up) + config::GetKeyNameByUsage(value) +
                      " CODE:" + HexByte(event) + HexByte(value));
    } else if (event == kMoveX || event == kMoveY) {
      lines.push_back(SignedMoveLine(event, value));
    } else if (event == kRepeatStart) {
      lines.push_back("7 FD" + HexByte(value));
    } else if (event == kDelay) {
      int64_t ms = 0;
      int merged = 0;
      const int most = merge_delays ? 5 : 1;
      while (merged < most && i + 1 < events.size() && events[i] == kDelay) {
        ms += kDelayUnitMs * events[i + 1];
        i += 2;
        ++merged;
      }
      lines.push_back(DelayLine(ms));
      continue;
    } else {
      break;
    }
    i += 2;
  }
  return lines;
}

DecodedMacro WithHeader(MacroLines event_lines) {
  std::array<int64_t, 4> first_delays{};
  size_t found = 0;
  for (const std::string& line : event_lines) {
    if (found < 4 && !line.empty() && line[0] == '0') {
      first_delays[found++] = config::ParseDecimal(line.substr(2)).value_or(0);
    }
  }
  DecodedMacro decoded;
  const bool all_equal = std::all_of(first_delays.begin(), first_delays.end(),
                                     [&](int64_t ms) { return ms == first_delays[0]; });
  std::string header = "10";
  decoded.delay_mode = DelayMode::kRecord;
  if (all_equal && first_delays[0] == 0) {
    header = "00";
    decoded.delay_mode = DelayMode::kNone;
  } else if (all_equal) {
    header = "01" + std::to_string(first_delays[0]);
    decoded.delay_mode = DelayMode::kDefault;
    decoded.default_delay_ms = static_cast<int>(first_delays[0]);
  }
  decoded.lines.push_back(header);
  decoded.lines.insert(decoded.lines.end(), event_lines.begin(), event_lines.end());
  return decoded;
}

}  // namespace orvane::macro
