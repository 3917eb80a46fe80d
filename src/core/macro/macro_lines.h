#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The event lines of a macro (MacroLines) and the event bytes they stand for.
// Line 0 is the delay-mode header; every other line is one event.
namespace orvane::macro {

using MacroLines = std::vector<std::string>;

// Event bytes.
constexpr uint8_t kModifierDown = 0x81;
constexpr uint8_t kModifierUp = 0x01;
constexpr uint8_t kKeyDown = 0x82;
constexpr uint8_t kKeyUp = 0x02;
constexpr uint8_t kMoveX = 0xFB;
constexpr uint8_t kMoveY = 0xFA;
constexpr uint8_t kRepeatStart = 0xFD;
constexpr uint8_t kRepeatEnd = 0xFC;
constexpr uint8_t kDelay = 0xFE;
constexpr int kDelayUnitMs = 8;
constexpr int kLongestDelayEventMs = 2040;

enum class DelayMode { kNone, kRecord, kDefault };

struct DecodedMacro {
  MacroLines lines;  // header first
  DelayMode delay_mode = DelayMode::kNone;
  int default_delay_ms = 0;  // for DelayMode::kDefault
};

// The event bytes of lines 1..; delay lines in 2040 ms events plus the rest.
std::vector<uint8_t> EncodeEventLines(const MacroLines& lines);
void AppendDelay(std::vector<uint8_t>& bytes, int64_t ms);

// Lines from event bytes, stopping at the first byte that is no event (or an
// event cut off by the end). Up to five adjacent delays merge into one line
// when `merge_delays`.
MacroLines DecodeEventBytes(std::span<const uint8_t> events, bool merge_delays);
// The header from the first four delay lines (missing ones count as 0).
DecodedMacro WithHeader(MacroLines event_lines);

// One line per event kind, as recording and the editor produce them.
std::string ButtonLine(uint8_t event);  // empty for a byte that is no button event
std::string DelayLine(int64_t ms);

}  // namespace orvane::macro
