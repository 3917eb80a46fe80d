#include "core/macro/recorder.h"

#include <algorithm>
#include <cstdio>

#include "core/config/key_tables.h"

namespace orvane::macro {

namespace {

constexpr long kLongestRecordedDelayMs = 10200;
constexpr int kButtonKeyBase = 1000;

std::string Hex(uint8_t byte) {
  char text[3];
  std::snprintf(text, sizeof(text), "%02X", byte);
  return text;
}

// The modifier bit of Shift, Ctrl, Alt and the Windows keys; 0 for others.
uint8_t ModifierBit(int virtual_key) {
  switch (virtual_key) {
    case 16: return 0x02;
    case 17: return 0x01;
    case 18: return 0x04;
    case 91: return 0x08;
    case 92: return 0x80;
    default: return 0;
  }
}

uint8_t ButtonBit(int button) { return static_cast<uint8_t>(1u << std::clamp(button, 0, 4)); }

// Delay lines for `ms`: one line, or lines of 2040 ms and the rest.
std::vector<std::string> DelayLinesFor(long ms, bool split) {
  if (!split) return {DelayLine(ms)};
  std::vector<std::string> lines(static_cast<size_t>(ms / kLongestDelayEventMs),
                                 DelayLine(kLongestDelayEventMs));
  if (ms % kLongestDelayEventMs > 0) lines.push_back(DelayLine(ms % kLongestDelayEventMs));
  return lines;
}

size_t Bytes(const std::vector<std::string>& lines) {
  size_t bytes = 0;
  for (const std::string& line : lines)
    bytes += LineBytes(line);
  return bytes;
}

}  // namespace

std::string HeaderLine(DelayMode mode, int default_delay_ms) {
  switch (mode) {
    case DelayMode::kRecord: return "10";
    case DelayMode::kDefault: return "01" + std::to_string(default_delay_ms);
    case DelayMode::kNone: break;
  }
  return "00";
}

std::string KeyLine(bool press, int virtual_key) {
  const int index = config::GetKeyIndexByVK(virtual_key);
  const std::string name = config::GetKeyNameByIndex(index);
  if (name == "255") return {};
  const std::string prefix = press ? "1 " : "2 ";
  if (const uint8_t bit = ModifierBit(virtual_key)) {
    return prefix + name + " CODE:" + (press ? "81" : "01") + Hex(bit);
  }
  return prefix + name + " CODE:" + (press ? "82" : "02") + Hex(config::GetUsageByKeyIndex(index));
}

size_t LineBytes(const std::string& line) { return EncodeEventLines({"00", line}).size(); }

Recorder::Recorder(const RecorderSettings& settings) : settings_(settings), used_(settings.used) {}

std::vector<std::string> Recorder::Feed(const RecordedInput& input) {
  using Kind = RecordedInput::Kind;
  if (input.kind == Kind::kKeyDown || input.kind == Kind::kKeyUp) return FeedKey(input);
  return FeedButton(input);
}

// Keys: a press is a first press, or a further one while another key is
// down; a further press of the key pressed last is its auto-repeat.
std::vector<std::string> Recorder::FeedKey(const RecordedInput& input) {
  const bool press = input.kind == RecordedInput::Kind::kKeyDown;
  const std::string line = KeyLine(press, input.code);
  if (line.empty()) return {};
  downs_since_up_ = press ? downs_since_up_ + 1 : 0;
  if (press && downs_since_up_ >= 2 && input.code == last_key_) return {};
  const std::string release = KeyLine(false, input.code);
  std::vector<std::string> lines = DelayLines(input.time_ms, false);
  lines.push_back(line);
  const bool was_full = full_;
  auto taken =
      Take(std::move(lines), input.time_ms, press ? std::optional(input.code) : std::nullopt,
           LineBytes(release) + LongestDelayBytes(false),
           press ? std::nullopt : std::optional(input.code));
  if (!was_full || !taken.empty()) last_key_ = input.code;
  return taken;
}

std::vector<std::string> Recorder::FeedButton(const RecordedInput& input) {
  const bool press = input.kind == RecordedInput::Kind::kButtonDown;
  if (input.code == static_cast<int>(MouseButton::kLeft) && left_masked_) return {};
  const uint8_t bit = ButtonBit(input.code);
  const std::string line = ButtonLine(static_cast<uint8_t>((press ? 0xA0 : 0x20) | bit));
  std::vector<std::string> lines = DelayLines(input.time_ms, true);
  lines.push_back(line);
  const int key = kButtonKeyBase + input.code;
  return Take(std::move(lines), input.time_ms, press ? std::optional(key) : std::nullopt,
              LineBytes(ButtonLine(static_cast<uint8_t>(0x20 | bit))) + LongestDelayBytes(true),
              press ? std::nullopt : std::optional(key));
}

std::vector<std::string> Recorder::DelayLines(uint32_t time_ms, bool split) const {
  if (settings_.delay_mode == DelayMode::kNone || !last_time_) return {};
  const long ms =
      settings_.delay_mode == DelayMode::kRecord
          ? std::min<long>(static_cast<uint32_t>(time_ms - *last_time_), kLongestRecordedDelayMs)
          : settings_.default_delay_ms;
  if (split && ms == 0) return {};
  return DelayLinesFor(ms, split);
}

size_t Recorder::LongestDelayBytes(bool split) const {
  switch (settings_.delay_mode) {
    case DelayMode::kRecord: return Bytes(DelayLinesFor(kLongestRecordedDelayMs, split));
    case DelayMode::kDefault: return Bytes(DelayLinesFor(settings_.default_delay_ms, split));
    case DelayMode::kNone: break;
  }
  return 0;
}

size_t Recorder::Reserved() const {
  size_t bytes = 0;
  for (const auto& [key, held] : held_)
    bytes += static_cast<size_t>(held.count) * held.release_cost;
  return bytes;
}

std::vector<std::string> Recorder::Take(std::vector<std::string> lines, uint32_t time_ms,
                                        std::optional<int> press_key, size_t release_cost,
                                        std::optional<int> release_key) {
  const size_t cost = Bytes(lines);
  const auto held = release_key ? held_.find(*release_key) : held_.end();
  if (held != held_.end()) {
    // The release of a recorded press: its room was kept for it, full or not.
    if (--held->second.count == 0) held_.erase(held);
  } else {
    const size_t reserve = Reserved() + (press_key ? release_cost : 0);
    if (full_ || used_ + cost + reserve > settings_.capacity) {
      full_ = true;
      return {};
    }
    if (press_key) {
      Held& entry = held_[*press_key];
      ++entry.count;
      entry.release_cost = release_cost;
    }
  }
  used_ += cost;
  if (settings_.delay_mode != DelayMode::kNone) last_time_ = time_ms;
  return lines;
}

}  // namespace orvane::macro
