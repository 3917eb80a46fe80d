#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/macro/macro_lines.h"

// Recording a macro from keys and mouse buttons as they happen: each event,
// with the time the input system gave it, becomes event lines. The recorder
// knows nothing of where events come from; it is fed in arrival order.
namespace orvane::macro {

enum class MouseButton { kLeft = 0, kRight, kMiddle, kForward, kBackward };

struct RecordedInput {
  enum class Kind { kKeyDown, kKeyUp, kButtonDown, kButtonUp };
  Kind kind = Kind::kKeyDown;
  int code = 0;          // the virtual key, or the MouseButton
  uint32_t time_ms = 0;  // the input system's clock; it may wrap
};

struct RecorderSettings {
  DelayMode delay_mode = DelayMode::kRecord;
  int default_delay_ms = 50;  // 0..2040, for DelayMode::kDefault
  // Event bytes the recording may fill, and those already there (an insert
  // into a stored macro).
  size_t capacity = 220;
  size_t used = 0;
};

// The header line for a delay mode: "10", "01" + ms, or "00".
std::string HeaderLine(DelayMode mode, int default_delay_ms);
// The line of a key press or release: modifiers as modifier events, other
// keys by their HID usage. Empty for the key the tables call "255".
std::string KeyLine(bool press, int virtual_key);
// The event bytes one line stands for.
size_t LineBytes(const std::string& line);

class Recorder {
 public:
  explicit Recorder(const RecorderSettings& settings);

  // The lines this event adds, in order (delays first); none when it is
  // dropped. Every press is taken only with room kept for its release, so a
  // macro never ends with a key or button held down and always fits its form.
  std::vector<std::string> Feed(const RecordedInput& input);
  // The pointer is over a record button: its left clicks are the user's
  // commands, not part of the macro.
  void SetLeftClickMasked(bool masked) { left_masked_ = masked; }

  bool Full() const { return full_; }
  // The budget is used up: the recording stops itself.
  bool StopWanted() const { return used_ >= settings_.capacity; }
  size_t Used() const { return used_; }

 private:
  struct Held {
    int count = 0;            // presses recorded and not yet released
    size_t release_cost = 0;  // the bytes kept for each release
  };

  std::vector<std::string> FeedKey(const RecordedInput& input);
  std::vector<std::string> FeedButton(const RecordedInput& input);
  // The delay lines before an event at `time_ms`; split into 2040 ms lines
  // before a button, one line before a key.
  std::vector<std::string> DelayLines(uint32_t time_ms, bool split) const;
  size_t LongestDelayBytes(bool split) const;
  size_t Reserved() const;
  // Takes `lines` when they fit beside what is reserved; `press_key` is the
  // held entry a press adds to, `release_key` the one a release frees.
  std::vector<std::string> Take(std::vector<std::string> lines, uint32_t time_ms,
                                std::optional<int> press_key, size_t release_cost,
                                std::optional<int> release_key);

  RecorderSettings settings_;
  size_t used_ = 0;
  bool full_ = false;
  bool left_masked_ = false;
  int downs_since_up_ = 0;
  int last_key_ = -1;
  std::optional<uint32_t> last_time_;
  std::map<int, Held> held_;  // by key: virtual keys, buttons as 1000 + button
};

}  // namespace orvane::macro
